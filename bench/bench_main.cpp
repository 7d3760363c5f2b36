// The benchmarks draw pages and build windows, so they run under a QApplication; the
// offscreen platform is used unless QT_QPA_PLATFORM chooses another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

namespace {

// The offscreen platform warns about every window call it ignores; that says nothing about
// the program's speed and would bury the results.
void QuietRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    qInstallMessageHandler(QuietRaiseWarnings);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

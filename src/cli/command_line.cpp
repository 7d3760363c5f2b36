#include "cli/command_line.h"

#include "cli/command_options.h"
#include "core/random_source.h"
#include "core/translations.h"
#include "printing/class_set_printing.h"
#include "render/class_set_output.h"
#include "tallyworth/version.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace tallyworth {

namespace {

constexpr int kDone = 0;
constexpr int kNotMade = 1;
constexpr int kBadUsage = 2;

// A command has no one to press Cancel.
class QuietProgress final : public SetProgress {
  public:
    void Start(int /*pages*/) override {}
    [[nodiscard]] bool Advance(int /*pagesDone*/) override { return true; }
};

void Say(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

void SayLines(std::FILE* stream, const QStringList& lines) {
    for (const QString& line : lines) {
        Say(stream, line + u'\n');
    }
}

// A command run outside a login session (from cron, a service, a container) has no runtime
// folder, and the toolkit says so on every start; that says nothing to the command's user
// and would mix with the command's own messages.
void QuietRuntimeFolderNote(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    qt_message_output(type, context, message);
}

std::uint64_t ClockSeed() {
    // Without rules a seed is as wide as any code carries; ParseCommand cuts it to the
    // sheet's own.
    ClockSeededRandomSource clock;
    clock.Reseed(ProblemRules{});
    return clock.LastSeed();
}

PrintOutcome Make(const Command& command) {
    QuietProgress progress;
    const CommandOutput& output = command.output;
    if (output.print) {
        return PrintClassSetOn(command.request, output.printerName, output.paper, progress);
    }
    return WriteClassSetPdf(command.request, output.paper.value_or(SystemPaper()), output.pdfFile,
                            progress);
}

int Run(const Command& command) {
    switch (command.action) {
        case CommandAction::Help:
            Say(stdout, CommandHelp());
            return kDone;
        case CommandAction::Version:
            Say(stdout,
                QStringLiteral("%1 %2\n").arg(QString::fromLatin1(version::kTitle),
                                              QString::fromLatin1(version::kDisplayVersion)));
            return kDone;
        case CommandAction::Refuse:
            SayLines(stderr, command.errors);
            return kBadUsage;
        case CommandAction::Make:
            break;
    }
    SayLines(stderr, command.warnings);
    const PrintOutcome made = Make(command);
    if (!made.message.isEmpty()) {
        SayLines(stderr, {made.message});
    }
    if (!made.Succeeded()) {
        return kNotMade;
    }
    SayLines(stdout, {FormatSheetCode(command.request.first)});
    return kDone;
}

}  // namespace

bool WantsCommandLine(int argc) {
    return argc > 1;
}

int RunCommandLine(int argc, char** argv) {
    // Worksheets are drawn without a display; a platform the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietRuntimeFolderNote);
    const QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QString::fromLatin1(version::kTitle));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(version::kDisplayVersion));
    SpeakTheUsersLanguage();
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    return Run(ParseCommand(arguments, ClockSeed()));
}

}  // namespace tallyworth

#include "cli/command_line.h"

#include "cli/command_options.h"
#include "core/class_set.h"
#include "core/random_source.h"
#include "core/translations.h"
#include "printing/class_set_printing.h"
#include "render/class_set_output.h"
#include "set_options/set_options.h"
#include "tallyworth/version.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace tallyworth {

namespace {

constexpr int kDone = 0;
constexpr int kNotMade = 1;
constexpr int kBadUsage = 2;
// A command stopped by a signal exits as the shell reports a killed one.
constexpr int kStoppedBySignal = 128;
constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP};
constexpr const char16_t* kStandardStream = u"-";

// The stop signal that arrived while a set was being made, 0 while none has.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void NoteStopSignal(int signal) {
    stopSignal = signal;
}

// Ctrl-C, a terminating service or a closed terminal stop the set at the next page, so
// that its half-made file or print job is removed; a second one ends the program at
// once. A signal the caller ignores (nohup) stays ignored.
void StopAtTheNextPageOnSignals() {
    for (const int signal : kStopSignals) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) {
            continue;
        }
        action.sa_handler = NoteStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
        sigaction(signal, &action, nullptr);
    }
}

// A command has no one to press Cancel, only signals.
class QuietProgress final : public SetProgress {
  public:
    void Start(int /*pages*/) override {}
    [[nodiscard]] bool Advance(int /*pagesDone*/) override { return stopSignal == 0; }
};

// Control characters of an echoed value (an escape sequence, a line break) are shown as
// escapes instead of acting on the terminal.
QString Printable(const QString& text) {
    QString shown;
    for (const QChar character : text) {
        shown += character.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(character);
    }
    return shown;
}

// False when the stream cannot take the text.
bool Say(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

// Messages name the program, as messages of commands do.
void SayLines(std::FILE* stream, const QStringList& lines) {
    for (const QString& line : lines) {
        Say(stream, QStringLiteral("tallyworth: ") + Printable(line) + u'\n');
    }
}

// Says text on standard output; when it cannot be written (closed, a full disk) says so
// on standard error and gives kNotMade instead of status.
int SayOut(const QString& text, int status) {
    if (Say(stdout, text)) {
        return status;
    }
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    SayLines(stderr, {QCoreApplication::translate("tallyworth::CommandLine",
                                                  "standard output could not be written: %1.")
                          .arg(reason)});
    return kNotMade;
}

// A standard stream the caller closed would be taken by the first file opened, and the
// code written into the PDF: it is held open on a device that takes nothing instead, so
// that writing to it fails.
void HoldClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1) {
            // The lowest free number is the closed stream's.
            open("/dev/null", O_RDONLY | O_CLOEXEC);
        }
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

PrintOutcome Make(const Command& command) {
    QuietProgress progress;
    StopAtTheNextPageOnSignals();
    const CommandOutput& output = command.output;
    if (output.print) {
        return PrintClassSetOn(command.request, output.printerName, output.paper, progress);
    }
    const QPageSize paper = output.paper.value_or(SystemPaper());
    if (output.pdfFile != kStandardStream) {
        return WriteClassSetPdf(command.request, paper, output.pdfFile, progress);
    }
    QFile standardOutput;
    if (!standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly)) {
        return PrintOutcome::Failed(standardOutput.errorString());
    }
    return WritePdfStream(standardOutput,
                          QCoreApplication::translate("tallyworth::CommandLine", "standard output"),
                          [&](QIODevice& device) {
                              return WriteClassSetPdfTo(device, command.request, paper, progress);
                          });
}

int Run(const Command& command) {
    switch (command.action) {
        case CommandAction::Help:
            return SayOut(CommandHelp(), kDone);
        case CommandAction::Version:
            return SayOut(
                QStringLiteral("%1 %2\n").arg(QString::fromLatin1(version::kTitle),
                                              QString::fromLatin1(version::kDisplayVersion)),
                kDone);
        case CommandAction::Refuse:
            SayLines(stderr, command.errors);
            Say(stderr,
                QCoreApplication::translate("tallyworth::CommandLine", "Try 'tallyworth --help'.") +
                    u'\n');
            return kBadUsage;
        case CommandAction::Serve:
            return RunServer(command.serve);
        case CommandAction::Make:
            break;
    }
    SayLines(stderr, command.warnings);
    const PrintOutcome made = Make(command);
    if (!made.message.isEmpty()) {
        SayLines(stderr, {made.message});
    }
    if (stopSignal != 0 && !made.Succeeded()) {
        return kStoppedBySignal + stopSignal;
    }
    if (!made.Succeeded()) {
        return kNotMade;
    }
    // With the PDF on standard output, the code goes beside the messages.
    const QString code = ReportedCode(command.request) + u'\n';
    if (command.output.pdfFile == kStandardStream) {
        Say(stderr, code);
        return kDone;
    }
    return SayOut(code, kDone);
}

// Whether the windows have a screen: a platform the user chose, or else the X or Wayland
// display the session names.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QStringList platforms =
        chosen.isEmpty() ? QStringList{QStringLiteral("xcb"), QStringLiteral("wayland")}
                         : chosen.split(u';');
    for (const QString& platform : platforms) {
        const QString name = platform.section(u':', 0, 0);
        if (name == u"xcb"                ? !qEnvironmentVariableIsEmpty("DISPLAY")
            : name.startsWith(u"wayland") ? !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                          : true) {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

// The toolkit's own options, which it takes from the arguments before the program reads
// them, in either spelling ("-style Fusion", "-style=Fusion", "--style Fusion").
struct ToolkitOption {
    const char* name;
    bool takesValue;
};

constexpr std::array kToolkitOptions{
    ToolkitOption{"platform", true},        ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true},   ToolkitOption{"plugin", true},
    ToolkitOption{"qwindowgeometry", true}, ToolkitOption{"geometry", true},
    ToolkitOption{"qwindowicon", true},     ToolkitOption{"icon", true},
    ToolkitOption{"qwindowtitle", true},    ToolkitOption{"title", true},
    ToolkitOption{"display", true},         ToolkitOption{"name", true},
    ToolkitOption{"session", true},         ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},      ToolkitOption{"reverse", false},
    ToolkitOption{"widgetcount", false},    ToolkitOption{"nograb", false},
    ToolkitOption{"dograb", false},         ToolkitOption{"sync", false},
};

// How many arguments the toolkit takes from this one on: 0 for one of the program's own.
int ToolkitArguments(const QString& argument) {
    if (!argument.startsWith(u'-') || argument.startsWith(u"---")) {
        return 0;
    }
    const QString option = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    for (const ToolkitOption& known : kToolkitOptions) {
        const QString name = QString::fromLatin1(known.name);
        if (option == name) {
            return known.takesValue ? 2 : 1;
        }
        if (known.takesValue && option.startsWith(name + u'=')) {
            return 1;
        }
    }
    return 0;
}

bool HasOwnArguments(int argc, char** argv) {
    for (int at = 1; at < argc;) {
        const int taken = ToolkitArguments(QString::fromLocal8Bit(argv[at]));
        if (taken == 0) {
            return true;
        }
        at += taken;
    }
    return false;
}

}  // namespace

bool WantsCommandLine(int argc, char** argv) {
    return HasOwnArguments(argc, argv) || !HasDisplay();
}

int RunCommandLine(int argc, char** argv) {
    HoldClosedStandardStreams();
    // Read before the toolkit takes its own options out of the arguments.
    const bool ownArguments = HasOwnArguments(argc, argv);
    // Worksheets are drawn without a display; a platform the user chose is kept while it
    // has its screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !HasDisplay()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietRuntimeFolderNote);
    const QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QString::fromLatin1(version::kTitle));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(version::kDisplayVersion));
    SpeakTheUsersLanguage();
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (!ownArguments) {
        SayLines(stderr,
                 {QCoreApplication::translate("tallyworth::CommandLine",
                                              "the windows need a display; --pdf and --print make "
                                              "worksheets without one (see tallyworth --help).")});
        return kNotMade;
    }
    // Without rules a seed is as wide as any code carries; ParseCommand cuts it to the sheet's
    // own.
    return Run(ParseCommand(arguments, ClockSeed()));
}

}  // namespace tallyworth

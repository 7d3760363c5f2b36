#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "cli/command_options.h"
#include "cli/set_limits.h"
#include "core/class_set.h"
#include "core/page_options.h"
#include "core/sheet_code.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/inotify.h>
#include <sys/stat.h>

#include <array>
#include <csignal>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tallyworth::cli_test {
namespace {

// A set with its keys at the end: every page carries its sheet's number and code, the codes
// differ, the first is the answer, and with the number of sheets it brings the same set back.
TEST(CommandLine, MakesAClassSetWithItsKeysAndTheFirstCodeMakesItAgain) {
    QTemporaryDir folder;
    const ProgramRun run =
        RunTallyworth({"--pdf", folder.filePath("set.pdf"), "--operation", "/", "--sheets", "2",
                       "--answers", "end", "--problems", "60", "--highest", "12"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QStringList pages = PdfText(folder.filePath("set.pdf")).split(u'\f');
    pages.removeLast();  // after the last page break
    static const QRegularExpression kSheet("Sheet (\\d+) of 2");
    QStringList order;
    std::map<int, QString> codes;
    for (const QString& page : pages) {
        const int sheet = kSheet.match(page).captured(1).toInt();
        order << QString::number(sheet) + (page.contains("Answer key") ? "k" : "");
        const QString code = kCode.match(page).captured();
        EXPECT_EQ(codes.emplace(sheet, code).first->second, code);
    }
    EXPECT_EQ(order.join(' '), "1 1 2 2 1k 1k 2k 2k");
    EXPECT_NE(codes[1], codes[2]);
    EXPECT_EQ(run.out, codes[1] + "\n");
    const ProgramRun again = RunTallyworth({"--pdf", folder.filePath("again.pdf"), "--code",
                                            codes[1], "--sheets", "2", "--answers", "end"});
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(PdfText(folder.filePath("again.pdf")).toStdString(),
              PdfText(folder.filePath("set.pdf")).toStdString());
}

class SetLimitTest : public ::testing::TestWithParam<LimitCase> {};

// Every limit a class set promises comes out whole, in each language.
TEST_P(SetLimitTest, MakesTheWholeSetInItsLanguage) {
    if (TooSlowHere(GetParam())) {
        GTEST_SKIP() << "made whole by the debug build";
    }
    QTemporaryDir folder;
    const QString file = folder.filePath("set.pdf");
    const ProgramRun run = RunTallyworth(QStringList{"--pdf", file} + LimitOptions(GetParam()),
                                         {QStringLiteral("LANG=") + GetParam().locale});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ExpectWholeSet(file, GetParam(), run.out.trimmed());
}

INSTANTIATE_TEST_SUITE_P(Limits, SetLimitTest, ::testing::ValuesIn(kSetLimits),
                         testing_support::kCaseName);

struct BadCase {
    const char* name;
    QStringList arguments;
    const char* errors;  // standard error, whole, without the program's name and the hint
};

// clang-format off
const std::array kBadInput{
    BadCase{"UnknownOption", {"--pdf", "x.pdf", "--colour", "red"}, "Unknown option 'colour'.\n"},
    BadCase{"MissingValue", {"--pdf"}, "Missing value after '--pdf'.\n"},
    BadCase{"NowhereToGo", {"--sheets", "3"}, "Say where the worksheets go: --pdf FILE or --print.\n"},
    BadCase{"OptionLikePdfName", {"--pdf", "--print"}, "--pdf needs a file name, not the "
            "option \"--print\"; write ./--print for a file of that name.\n"},
    BadCase{"ControlCharactersAsEscapes", {"--pdf", "x.pdf", "--answers", "\x1b[2J\n"},
            "--answers takes one of none|each|end, not \"\\x1b[2J\\x0a\".\n"},
    BadCase{"CodeWithASettingAndARule", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9S", "--lowest",
            "3", "--no-trivial"}, "--code holds the worksheet's settings: leave out --lowest.\n"
            "--code holds the worksheet's settings: leave out --no-trivial.\n"},
    BadCase{"MistypedCode", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9T"},
            "The sheet code's check character does not match: please check what you typed.\n"},
    BadCase{"NoProblemFits", {"--pdf", "x.pdf", "--operation", "/", "--lowest", "50", "--highest",
            "99", "--no-trivial"}, "No problem fits these settings and rules. Please widen the "
            "range or change the rules.\n"},
    BadCase{"SectionsFieldsNamed", {"--pdf", "x.pdf", "--section", "kind=missing problems=abc",
            "--section", "first=0-5", "--section", "kind=sums", "--section", "title=\"Times tables"},
            "Section 1: problems takes a whole number, not \"abc\".\n"
            "Section 3: kind takes facts|missing|table-division|remainder|written, not \"sums\".\n"},
    BadCase{"SectionsRangeChecked", {"--pdf", "x.pdf", "--section", "kind=facts", "--section",
            "first=0-5"}, "Section 2, first: Lowest Number must be between 1 and 99.\n"},
    BadCase{"SectionsBesideSettings", {"--pdf", "x.pdf", "--section", "kind=facts", "--lowest", "3"},
            "--section holds the worksheet's settings: leave out --lowest.\n"},
    BadCase{"SectionWithoutAProblem", {"--pdf", "x.pdf", "--section", "kind=facts", "--section",
            "kind=table-division first=2-3 fixed=1 no-trivial"}, "Section 2 (Division from the "
            "times tables): No problem fits these settings and rules. Please widen the range or "
            "change the rules.\n"},
    BadCase{"TooManyProblemsInSections", {"--pdf", "x.pdf", "--section", "problems=60", "--section",
            "problems=41"}, "The sections hold 101 problems in all, but a sheet holds at most 100.\n"},
    BadCase{"RangesApartChecked", {"--pdf", "x.pdf", "--first", "10-99", "--second", "9-2"},
            "Section 1, second: Lowest Number must be less than Highest Number!\n"},
    BadCase{"ServedUnderAnAddressNotOfTheWeb", {"--serve", "--public-url", "ftp://school.example/"},
            "--public-url takes an http or https address such as https://school.example/worksheets/, "
            "not \"ftp://school.example/\".\n"},
};
// clang-format on

class BadInputTest : public ::testing::TestWithParam<BadCase> {};

// Messages as the program says them: each line after the program's name.
std::string Named(const QString& lines) {
    std::string named;
    for (const QString& line : lines.split('\n', Qt::SkipEmptyParts)) {
        named += "tallyworth: " + line.toStdString() + "\n";
    }
    return named;
}

// Each mistake is named on standard error, and nothing is written.
TEST_P(BadInputTest, SaysWhatIsWrongAndWritesNothing) {
    const BadCase& badCase = GetParam();
    QTemporaryDir folder;
    QStringList arguments = badCase.arguments;
    arguments.replaceInStrings("x.pdf", folder.filePath("x.pdf"));
    const ProgramRun run = RunTallyworth(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.toStdString(), Named(badCase.errors) + "Try 'tallyworth --help'.\n");
    EXPECT_EQ(run.out.toStdString(), "");
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, BadInputTest, ::testing::ValuesIn(kBadInput),
                         [](const auto& param) { return std::string(param.param.name); });

// Where --pdf writes: a regular file whole or not at all; a device, a named pipe or standard
// output as a stream, never replaced.
struct TargetCase {
    const char* name;
    const char* target;  // FOLDER is the test's folder, with FOLDER/file and FOLDER/pipe in it
    const char* err;     // standard error of a failure, without the program's name; "" for none
};

const std::array kTargets{
    TargetCase{"FileReplacedWhole", "FOLDER/file", ""},
    TargetCase{"MissingFolder", "FOLDER/missing/set.pdf",
               "Could not save \"FOLDER/missing/set.pdf\": No such file or directory."},
    TargetCase{"FullDevice", "/dev/full", "Could not save \"/dev/full\": No space left on device."},
    TargetCase{"NamedPipe", "FOLDER/pipe", ""},
    TargetCase{"StandardOutput", "-", ""},
};

class TargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetTest, WritesTheTargetAsItIsAndLeavesNothingElse) {
    QTemporaryDir folder;
    QFile file(folder.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
    const auto placed = [&folder](const char* text) {
        return QString::fromUtf8(text).replace("FOLDER", folder.path());
    };
    const QString target = placed(GetParam().target);
    const bool failing = *GetParam().err != '\0';
    const bool toStdout = target == "-";
    QProcess program;
    StartTallyworth(program, {"--pdf", target, "--sheets", "2"});
    const QByteArray piped = target.endsWith("pipe") ? ReadPipe(target) : QByteArray();
    const ProgramRun run = FinishTallyworth(program);
    EXPECT_EQ(run.status, failing ? 1 : 0) << run.err.toStdString();
    const QString code = (toStdout ? run.err : run.out).trimmed();
    EXPECT_EQ(std::holds_alternative<SheetCode>(ParseSheetCode(code)), !failing);
    EXPECT_EQ(run.err.toStdString(), failing    ? Named(placed(GetParam().err))
                                     : toStdout ? (code + "\n").toStdString()
                                                : "");
    QFile received(folder.filePath("received.pdf"));
    ASSERT_TRUE(received.open(QIODevice::WriteOnly));
    received.write(toStdout ? run.bytesOut : piped);
    received.close();
    const bool streamed = toStdout || !piped.isEmpty();
    if (!failing && !target.startsWith("/dev")) {
        EXPECT_EQ(print_test::ReadPdf(streamed ? received.fileName() : target).size(), 2U);
    }
    // The pipe is still a pipe, the devices still devices, and no half-written file is left.
    EXPECT_FALSE(QFileInfo(folder.filePath("pipe")).isFile());
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    EXPECT_EQ(QDir(folder.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                  .join(' '),
              "file pipe received.pdf");
}

INSTANTIATE_TEST_SUITE_P(Targets, TargetTest, ::testing::ValuesIn(kTargets),
                         [](const auto& param) { return std::string(param.param.name); });

// A signal stops a set at the next page; what it started is removed and the status tells
// the signal. A long set the test reads slowly through a pipe is provably unfinished when
// the signal comes; a print is signalled at its spool file's first write, a thousand pages
// before its end.
struct StopCase {
    const char* name;
    const char* target;  // for --pdf, FOLDER/pipe the test's named pipe; "" to print
    int signal;
};

const std::array kStops{
    StopCase{"InterruptedWritingIntoAPipe", "FOLDER/pipe", SIGINT},
    StopCase{"HungUpWhilePrinting", "", SIGHUP},
};

struct StopTest : print_test::SchedulerTest, ::testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, StopsAtTheNextPageAndRemovesWhatItStarted) {
    QTemporaryDir folder;
    const QString spool = folder.filePath("spool");
    ASSERT_TRUE(QDir().mkpath(spool));
    const QString target = QString::fromUtf8(GetParam().target).replace("FOLDER", folder.path());
    ASSERT_TRUE(!target.endsWith("pipe") ||
                ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, QFile::encodeName(spool).constData(), IN_MODIFY);
    QProcess program;
    StartTallyworth(program,
                    QStringList{"--sheets", "500", "--answers", "each", "--problems", "100"} +
                        (target.isEmpty() ? QStringList{"--print"} : QStringList{"--pdf", target}),
                    {"TMPDIR=" + spool});
    const auto stop = [&program] {
        ::kill(static_cast<pid_t>(program.processId()), GetParam().signal);
    };
    if (target.endsWith("pipe")) {
        ReadPipe(target, stop);
    } else {
        pollfd written{watch, POLLIN, 0};
        EXPECT_EQ(::poll(&written, 1, print_test::kWaitMilliseconds), 1);
        stop();
    }
    ::close(watch);
    const ProgramRun run = FinishTallyworth(program);
    EXPECT_EQ(run.status, 128 + GetParam().signal) << run.err.toStdString();
    EXPECT_EQ(run.err.toStdString(), "");
    EXPECT_EQ(QDir(spool).entryList({"tallyworth-*"}, QDir::Files | QDir::Hidden).join(' '), "");
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Signals, StopTest, ::testing::ValuesIn(kStops),
                         [](const auto& param) { return std::string(param.param.name); });

// The code is the command's answer: when standard output cannot take it, that is a failure.
TEST(CommandLine, AClosedStandardOutputFailsWithOne) {
    QTemporaryDir folder;
    QProcess program;
    program.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    StartTallyworth(program, {"--pdf", folder.filePath("set.pdf")});
    const ProgramRun run = FinishTallyworth(program);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.toStdString(),
              Named("standard output could not be written: Bad file descriptor."));
    EXPECT_EQ(print_test::ReadPdf(folder.filePath("set.pdf")).size(), 1U);
}

// Without arguments and without a screen for the windows, one line says what works instead.
TEST(CommandLine, WithoutADisplayTheWindowsSaySoInOneLine) {
    const ProgramRun run = RunTallyworth({"-style", "Fusion"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.toStdString(),
              Named("the windows need a display; --pdf and --print make worksheets without one "
                    "(see tallyworth --help)."));
}

struct StartCase {
    const char* name;
    std::vector<const char*> arguments;
    bool commandLine;
};

// The toolkit's options, in any spelling, open the windows; one of the program's own
// makes it a command. Here the tests' platform is the display.
const std::array kStarts{
    StartCase{"Style", {"-style", "Fusion"}, false},
    StartCase{"UnknownOption", {"-stylish"}, true},
    StartCase{"OwnOption", {"--pdf", "x.pdf"}, true},
};

class StartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartTest, OnlyTheProgramsOwnArgumentsMakeItACommand) {
    std::vector<char*> argv{const_cast<char*>("tallyworth")};
    for (const char* argument : GetParam().arguments) {
        argv.push_back(const_cast<char*>(argument));
    }
    EXPECT_EQ(WantsCommandLine(static_cast<int>(argv.size()), argv.data()), GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(Starts, StartTest, ::testing::ValuesIn(kStarts),
                         [](const auto& param) { return std::string(param.param.name); });

struct PageCase {
    const char* name;
    QStringList options;
    PageOptions page;
    const char* errors = "";  // one message a line
};

// clang-format off
const std::array kPageCases{
    PageCase{"LeftOutTheLanguageDecides", {}, {}},
    PageCase{"EveryOptionInAnyCase", {"--times-sign", "DOT", "--divide-sign", "colon", "--layout", "line",
             "--size", "xlarge", "--fill-page"}, {TimesSign::Dot, DivideSign::Colon, ProblemLayout::Line,
             PrintSize::ExtraLarge, true}},
    PageCase{"TheOtherWordsAndOneSheet", {"--times-sign", "asterisk", "--divide-sign", "obelus", "--size",
             "large", "--sheets", "1"},
             {TimesSign::Asterisk, DivideSign::Obelus, ProblemLayout::Stacked, PrintSize::Large}},
    PageCase{"GivenOverACodes", {"--code", "39VMD-RDR1J-Y5XB", "--times-sign", "cross", "--layout",
             "stacked", "--size", "normal"}, {TimesSign::Cross}},
    PageCase{"OverAnOlderCode", {"--code", "10035-41YD5-SX9S", "--layout", "line"},
             {.layout = ProblemLayout::Line}},
    PageCase{"WrittenMethodsInAnyCase", {"--method", "MX", "--squares", "off", "--key-working"},
             {.method = WrittenMethod::Mexican, .squares = SquaredPaper::Off, .keyWorking = true}},
    PageCase{"BadWrittenWords", {"--method", "ca", "--squares", "1"}, {},
             "--method takes one of us|uk|de|fr|es|mx|nl, not \"ca\".\n--squares takes one of "
             "on|off, not \"1\"."},
    PageCase{"BadWordsWithTheRightOnes", {"--times-sign", "x", "--divide-sign", "/", "--layout", "row",
             "--size", "huge", "--code", "10035-41YD5-SX9S"}, {},
             "--times-sign takes one of cross|dot|asterisk, not \"x\".\n--divide-sign takes one of "
             "obelus|colon, not \"/\".\n--layout takes one of stacked|line, not \"row\".\n--size takes "
             "one of normal|large|xlarge, not \"huge\"."},
};
// clang-format on

class PageOptionsTest : public ::testing::TestWithParam<PageCase> {};

// The first sheet carries the page options given, so its code does.
TEST_P(PageOptionsTest, GoIntoTheFirstSheetsSettings) {
    const Command command = ParseCommand(QStringList{"--pdf", "x.pdf"} + GetParam().options, 1);
    EXPECT_EQ(command.errors.join('\n').toStdString(), GetParam().errors);
    EXPECT_EQ(command.request.first.settings.page, GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageOptionsTest, ::testing::ValuesIn(kPageCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct PublicUrlCase {
    const char* name;
    const char* typed;
    const char* read;  // what the practice links start with; nullptr when it is refused
};

// clang-format off
const std::array kPublicUrls{
    PublicUrlCase{"GivenItsFinalSlash", "https://school.example/worksheets", "https://school.example/worksheets/"},
    PublicUrlCase{"SchemeAndHostInAnyCase", "HTTP://School.Example:8470/", "http://school.example:8470/"},
    PublicUrlCase{"OfAnotherScheme", "ftp://school.example/", nullptr},
    PublicUrlCase{"WithoutAScheme", "school.example/worksheets/", nullptr},
    PublicUrlCase{"WithAQuery", "https://school.example/?room=4", nullptr},
    PublicUrlCase{"WithBlanks", "https://school.example/work sheets/", nullptr},
};
// clang-format on

class PublicUrlTest : public ::testing::TestWithParam<PublicUrlCase> {};

// A PDF, a print and the server read the address alike, and refuse a bad one alike.
TEST_P(PublicUrlTest, IsReadAlikeForAFileAPrintAndTheServer) {
    const PublicUrlCase& url = GetParam();
    const QString refused = QStringLiteral(
                                "--public-url takes an http or https address such as "
                                "https://school.example/worksheets/, not \"%1\".")
                                .arg(url.typed);
    for (const QStringList& output :
         {QStringList{"--pdf", "x.pdf"}, QStringList{"--print"}, QStringList{"--serve"}}) {
        const Command command = ParseCommand(output + QStringList{"--public-url", url.typed}, 1);
        const QString read =
            output.front() == "--serve" ? command.serve.publicUrl : command.request.publicUrl;
        EXPECT_EQ(read.toStdString(), url.read != nullptr ? url.read : "")
            << output.front().toStdString();
        EXPECT_EQ(command.errors.join('\n'), url.read != nullptr ? QString() : refused);
    }
}

INSTANTIATE_TEST_SUITE_P(Addresses, PublicUrlTest, ::testing::ValuesIn(kPublicUrls),
                         testing_support::kCaseName);

// The help names each page option with the very words it takes, in lines under 80 columns.
TEST(CommandLine, HelpNamesThePageOptionsWordsUnderEightyColumns) {
    const QString help = CommandHelp();
    for (const QStringList& words : {TimesSignNames(), DivideSignNames(), LayoutNames(),
                                     PrintSizeNames(), WrittenMethodNames(), SquaredPaperNames()}) {
        EXPECT_TRUE(help.contains(' ' + words.join('|') + "  ")) << words.join('|').toStdString();
    }
    EXPECT_TRUE(help.contains("--fill-page"));
    EXPECT_TRUE(help.contains("--key-working"));
    for (const QString& line : help.split('\n')) {
        EXPECT_LT(line.size(), 80) << line.toStdString();
    }
}

struct DefaultCase {
    const char* name;
    QStringList options;
    QStringList environment;
    SheetSettings settings;
    double width;            // inches: the locale's paper
    const char* notes = "";  // standard error, whole
};

constexpr double kLetter = 8.5;
constexpr double kA4 = 210 / 25.4;

// clang-format off
const std::array kDefaults{
    DefaultCase{"StartUpSettingsOnLetterInMexico", {}, {"LANG=es_MX.UTF-8"},
                {OperationRow::Add, 1, 9, 10, false, false}, kLetter},
    DefaultCase{"NumbersReadInTheLocaleOnA4", {"--problems", "10,5", "--highest", "1,2e1"},
                {"LANG=de_DE.UTF-8"}, {OperationRow::Add, 1, 12, 10, false, false}, kA4},
    DefaultCase{"BracketOnPaperChosenWithoutTheHeader", {"--operation", "\u00F7", "--notation",
                "bracket", "--paper", "A4", "--no-header"}, {}, {OperationRow::Divide, 1, 9, 10, false, true},
                kA4},
    DefaultCase{"FewerProblemsThanAskedOnlyWarn", {"--operation", "\u00D7", "--highest", "12",
                "--fixed", "7", "--no-trivial", "--problems", "20"}, {},
                {OperationRow::Multiply, 1, 12, 20, false, false, {true, 7, Regrouping::Any, false}}, kLetter,
                "Only 11 different problems fit these settings and rules, so some will repeat; "
                "the worksheets are made anyway.\n"},
};
// clang-format on

class DefaultsTest : public ::testing::TestWithParam<DefaultCase> {};

// One sheet of the main window's start-up settings, no key, the header on, the locale's paper.
TEST_P(DefaultsTest, MakesOneSheetOfTheSettingsAsked) {
    QTemporaryDir folder;
    const QString file = folder.filePath("sheet.pdf");
    const ProgramRun run =
        RunTallyworth(QStringList{"--pdf", file} + GetParam().options, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.toStdString(), Named(GetParam().notes));
    const auto parsed = ParseSheetCode(run.out.trimmed());
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << run.out.toStdString();
    EXPECT_EQ(std::get<SheetCode>(parsed).settings, GetParam().settings);
    const std::vector<PdfPage> pages = print_test::ReadPdf(file);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NEAR(pages[0].width, GetParam().width, 0.01);
    // The band carries the code unless it is left out.
    EXPECT_EQ(PdfText(file).contains(run.out.trimmed()),
              !GetParam().options.contains("--no-header"));
}

INSTANTIATE_TEST_SUITE_P(Defaults, DefaultsTest, ::testing::ValuesIn(kDefaults),
                         [](const auto& param) { return std::string(param.param.name); });

// The commands in a text: each "tallyworth --" line with its continuation lines, split into
// arguments.
QList<QStringList> Commands(const QString& text) {
    static const QRegularExpression kCommand("^ *tallyworth (--(?:[^\\n\\\\]|\\\\\\n)*)",
                                             QRegularExpression::MultilineOption);
    QList<QStringList> commands;
    for (const auto& match : kCommand.globalMatch(text)) {
        commands << QProcess::splitCommand(match.captured(1).remove("\\\n"));
    }
    return commands;
}

TEST(CommandLine, SpeaksTheUsersLanguage) {
    const ProgramRun run = RunTallyworth({"--pdf", "x.pdf", "--lowest", "0"}, {"LANGUAGE=de"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.toStdString(),
              "tallyworth: Die kleinste Zahl muss zwischen 1 und 99 "
              "liegen.\nMehr dazu mit „tallyworth --help“.\n");
}

struct CommandPrintTest : print_test::SchedulerTest {};

// The README's examples are real runs, printing included: the code that makes "the same
// sheets again" is one the example before it makes, and the help's examples are among them.
TEST_F(CommandPrintTest, TheReadmesExamplesAreRealRuns) {
    static const QRegularExpression kShell("```sh\\n(.*?)```",
                                           QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> examples;
    QFile readme(TALLYWORTH_TEST_DATA_DIR "/../README.md");
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    for (const auto& block : kShell.globalMatch(QString::fromUtf8(readme.readAll()))) {
        examples += Commands(block.captured(1));
    }
    for (const QStringList& shown : Commands(RunTallyworth({"--help"}).out.section("Example", 1))) {
        EXPECT_TRUE(examples.contains(shown)) << shown.join(' ').toStdString();
    }
    ASSERT_GE(examples.size(), 3);
    QTemporaryDir folder;
    std::optional<SheetSettings> before;
    for (QStringList example : examples) {
        for (QString& argument : example) {
            argument = argument.endsWith(".pdf") ? folder.filePath(argument) : argument;
        }
        const ProgramRun run = RunTallyworth(example);
        ASSERT_EQ(run.status, 0) << example.join(' ').toStdString() << run.err.toStdString();
        const SheetCodeParse parsed = ParseSheetCode(run.out.trimmed());
        ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << run.out.toStdString();
        const SheetSettings& made = std::get<SheetCode>(parsed).settings;
        EXPECT_TRUE(!example.contains("--code") || made == before)
            << example.join(' ').toStdString();
        before = made;
    }
    EXPECT_EQ(PrintedFiles().size(), 1);  // the one example that prints
}

}  // namespace
}  // namespace tallyworth::cli_test

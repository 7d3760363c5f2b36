#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/class_set.h"
#include "core/sheet_code.h"
#include "tallyworth/version.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/inotify.h>
#include <sys/stat.h>

#include <array>
#include <csignal>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallyworth::cli_test {
namespace {

struct SetCase {
    const char* name;
    QStringList options;  // besides --pdf
    int sheets;
    int pagesPerSheet;
    AnswerKeys keys;
    SheetSettings settings;  // what the first sheet's code must carry
};

// clang-format off
const std::array kSets{
    SetCase{"KeyAfterEach", {"--sheets", "3", "--answers", "each", "--problems", "100",
            "--lowest", "10", "--highest", "99"}, 3, 1, AnswerKeys::AfterEach,
            {OperationRow::Add, 10, 99, 100, false, false}},
    SetCase{"KeysAtTheEnd", {"--operation", "mix", "--sheets", "4", "--answers", "end",
            "--problems", "40", "--highest", "12"}, 4, 1, AnswerKeys::AtEnd,
            {OperationRow::Mix, 1, 12, 40, false, false}},
    SetCase{"WithoutKeys", {"--sheets", "5"}, 5, 1, AnswerKeys::None, {OperationRow::Add, 1, 9, 10, false, false}},
    SetCase{"DivisionsOnTwoPages", {"--operation", "/", "--sheets", "2", "--answers", "each",
            "--problems", "60", "--highest", "12"}, 2, 2, AnswerKeys::AfterEach,
            {OperationRow::Divide, 1, 12, 60, false, false}},
    SetCase{"RuledProductsOnA4", {"--operation", "x", "--highest", "12", "--fixed", "7",
            "--sheets", "3", "--answers", "each", "--paper", "a4"}, 3, 1, AnswerKeys::AfterEach,
            {OperationRow::Multiply, 1, 12, 10, false, false, {false, 7, Regrouping::Any, false}}},
};
// clang-format on

class ClassSetTest : public ::testing::TestWithParam<SetCase> {};

// Where sheet s's page p stands in the set, and whether that place is a key.
std::vector<std::pair<int, bool>> ExpectedOrder(const SetCase& setCase) {
    std::vector<std::pair<int, bool>> order;
    for (int sheet = 1; sheet <= setCase.sheets; ++sheet) {
        for (int page = 0; page < setCase.pagesPerSheet; ++page) {
            order.emplace_back(sheet, false);
        }
        for (int page = 0; setCase.keys == AnswerKeys::AfterEach && page < setCase.pagesPerSheet;
             ++page) {
            order.emplace_back(sheet, true);
        }
    }
    for (int sheet = 1; setCase.keys == AnswerKeys::AtEnd && sheet <= setCase.sheets; ++sheet) {
        for (int page = 0; page < setCase.pagesPerSheet; ++page) {
            order.emplace_back(sheet, true);
        }
    }
    return order;
}

// Every page carries its sheet's number and code, the keys stand where they were asked for,
// the codes of the sheets all differ and carry the settings, and the first is the answer.
TEST_P(ClassSetTest, MakesEverySheetWithItsKeyAndCodeWithoutADisplay) {
    const SetCase& setCase = GetParam();
    QTemporaryDir folder;
    const QString file = folder.filePath("set.pdf");
    const ProgramRun run = RunTallyworth(QStringList{"--pdf", file} + setCase.options);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.toStdString(), "");
    QStringList pages = PdfText(file).split(u'\f');
    pages.removeLast();  // after the last page break
    const auto order = ExpectedOrder(setCase);
    ASSERT_EQ(pages.size(), order.size());
    static const QRegularExpression kSheet("Sheet (\\d+) of (\\d+)");
    std::map<int, QString> codes;
    for (qsizetype index = 0; index < pages.size(); ++index) {
        const auto sheet = kSheet.match(pages[index]);
        EXPECT_EQ(std::make_pair(sheet.captured(1).toInt(), pages[index].contains("Answer key")),
                  order[static_cast<std::size_t>(index)])
            << "page " << index;
        EXPECT_EQ(sheet.captured(2).toInt(), setCase.sheets);
        const QString code = kCode.match(pages[index]).captured();
        EXPECT_EQ(codes.emplace(sheet.captured(1).toInt(), code).first->second, code);
    }
    std::set<QString> distinct;
    for (const auto& [sheet, code] : codes) {
        distinct.insert(code);
        const SheetCodeParse read = ParseSheetCode(code);
        ASSERT_TRUE(std::holds_alternative<SheetCode>(read)) << code.toStdString();
        EXPECT_EQ(std::get<SheetCode>(read).settings, setCase.settings);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(setCase.sheets));
    EXPECT_EQ(run.out, codes[1] + "\n");
}

// The first sheet's code and the number of sheets bring the same set back.
TEST_P(ClassSetTest, TheFirstCodeAndTheNumberOfSheetsMakeTheSameSetAgain) {
    const SetCase& setCase = GetParam();
    QTemporaryDir folder;
    const ProgramRun first =
        RunTallyworth(QStringList{"--pdf", folder.filePath("first.pdf")} + setCase.options);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    QStringList again{"--pdf", folder.filePath("again.pdf"), "--code", first.out.trimmed()};
    for (const char* kept : {"--sheets", "--answers", "--paper"}) {
        if (const qsizetype at = setCase.options.indexOf(kept); at >= 0) {
            again << kept << setCase.options[at + 1];
        }
    }
    const ProgramRun second = RunTallyworth(again);
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(PdfText(folder.filePath("again.pdf")).toStdString(),
              PdfText(folder.filePath("first.pdf")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Sets, ClassSetTest, ::testing::ValuesIn(kSets),
                         [](const auto& param) { return std::string(param.param.name); });

struct BadCase {
    const char* name;
    QStringList arguments;
    const char* errors;  // standard error, whole, without the program's name and the hint
};

// clang-format off
const std::array kBadInput{
    BadCase{"UnknownOption", {"--pdf", "x.pdf", "--colour", "red"},
            "Unknown option 'colour'.\n"},
    BadCase{"MissingValue", {"--pdf"}, "Missing value after '--pdf'.\n"},
    BadCase{"NowhereToGo", {"--sheets", "3"},
            "Say where the worksheets go: --pdf FILE or --print.\n"},
    BadCase{"BothPdfAndPrint", {"--pdf", "x.pdf", "--print"},
            "Give either --pdf or --print, not both.\n"},
    BadCase{"PrinterWithoutPrint", {"--pdf", "x.pdf", "--printer", "office"},
            "--printer needs a printer name, and --print with it.\n"},
    BadCase{"StrayArgument", {"--pdf", "x.pdf", "extra"}, "Unexpected argument \"extra\".\n"},
    BadCase{"TwoFiles", {"--pdf", "x.pdf", "--pdf", "y.pdf"},
            "--pdf is given more than once.\n"},
    BadCase{"UnknownOperation", {"--pdf", "x.pdf", "--operation", "^"},
            "--operation takes one of +|-|*|/|mix, not \"^\".\n"},
    BadCase{"UnknownNotation", {"--pdf", "x.pdf", "--notation", "slash"},
            "--notation takes one of sign|bracket, not \"slash\".\n"},
    BadCase{"UnknownAnswers", {"--pdf", "x.pdf", "--answers", "sometimes"},
            "--answers takes one of none|each|end, not \"sometimes\".\n"},
    BadCase{"UnknownPaper", {"--pdf", "x.pdf", "--paper", "legal"},
            "--paper takes one of letter|a4, not \"legal\".\n"},
    BadCase{"NoSheets", {"--pdf", "x.pdf", "--sheets", "0"},
            "--sheets takes a number of sheets from 1 to 500, not \"0\".\n"},
    BadCase{"TooManySheets", {"--pdf", "x.pdf", "--sheets", "501"},
            "--sheets takes a number of sheets from 1 to 500, not \"501\".\n"},
    BadCase{"UnreadableLowest", {"--pdf", "x.pdf", "--lowest", "abc"},
            "Please check your Lowest Number.\n"},
    BadCase{"UnreadableHighestFirst", {"--pdf", "x.pdf", "--highest", "abc", "--lowest", ""},
            "Please check your Highest Number.\n"},
    BadCase{"TooManyProblems", {"--pdf", "x.pdf", "--problems", "100.4"},
            "Number of Problems must be between 1 and 100.\n"},
    BadCase{"DivideByZero", {"--pdf", "x.pdf", "--operation", "/", "--lowest", "0",
            "--highest", "0"},
            "Highest Number must be between 1 and 99.\nLowest Number must be between 1 and 99.\n"
            "Lowest Number cannot equal Highest Number.\nYou can't divide by zero.\n"},
    BadCase{"LowestAboveHighest", {"--pdf", "x.pdf", "--lowest", "10", "--highest", "5"},
            "Lowest Number must be less than Highest Number!\n"},
    BadCase{"CodeWithASetting", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9S", "--lowest",
            "3", "--allow-negative"},
            "--code holds the worksheet's settings: leave out --lowest.\n"
            "--code holds the worksheet's settings: leave out --allow-negative.\n"},
    BadCase{"ShortCode", {"--pdf", "x.pdf", "--code", "10035"},
            "A sheet code has 14 letters and digits, but this one has 5: please check what you "
            "typed.\n"},
    BadCase{"MistypedCode", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9T"},
            "The sheet code's check character does not match: please check what you typed.\n"},
    BadCase{"FixedZero", {"--pdf", "x.pdf", "--fixed", "0"},
            "--fixed takes a whole number from 1 to 99, not \"0\".\n"},
    BadCase{"FixedInWords", {"--pdf", "x.pdf", "--fixed", "seven"},
            "--fixed takes a whole number from 1 to 99, not \"seven\".\n"},
    BadCase{"FixedWithoutNumber", {"--pdf", "x.pdf", "--fixed"},
            "Missing value after '--fixed'.\n"},
    BadCase{"UnknownRegrouping", {"--pdf", "x.pdf", "--regrouping", "sometimes"},
            "--regrouping takes any, never or always, not \"sometimes\".\n"},
    BadCase{"RuleValueBesideBadOperation", {"--pdf", "x.pdf", "--operation", "^", "--fixed",
            "100"}, "--operation takes one of +|-|*|/|mix, not \"^\".\n"
            "--fixed takes a whole number from 1 to 99, not \"100\".\n"},
    BadCase{"NoProblemFits", {"--pdf", "x.pdf", "--operation", "/", "--lowest", "50",
            "--highest", "99", "--no-trivial"},
            "No problem fits these settings and rules. Please widen the range or change the "
            "rules.\n"},
    BadCase{"NoProblemFitsTheCellNumberBounds", {"--pdf", "x.pdf", "--operation", "/",
            "--lowest", "61", "--highest", "62", "--no-repeats", "--no-trivial"},
            "No problem fits these settings and rules. Please widen the range or change the "
            "rules.\n"},
    BadCase{"CodeWithRules", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9S", "--no-trivial",
            "--fixed", "7", "--regrouping", "never", "--no-repeats"},
            "--code holds the worksheet's settings: leave out --no-trivial.\n"
            "--code holds the worksheet's settings: leave out --fixed.\n"
            "--code holds the worksheet's settings: leave out --regrouping.\n"
            "--code holds the worksheet's settings: leave out --no-repeats.\n"},
    BadCase{"OptionLikePdfName", {"--pdf", "--print"}, "--pdf needs a file name, not the "
            "option \"--print\"; write ./--print for a file of that name.\n"},
    BadCase{"ControlCharactersAsEscapes", {"--pdf", "x.pdf", "--answers", "\x1b[2J\n"},
            "--answers takes one of none|each|end, not \"\\x1b[2J\\x0a\".\n"},
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
    for (QString& argument : arguments) {
        argument.replace("x.pdf", folder.filePath("x.pdf"))
            .replace("y.pdf", folder.filePath("y.pdf"));
    }
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
    int status;
    const char* err;  // standard error of a failure, whole, without the program's name
    const char* pdf;  // where the PDF is read back: a file, "pipe" or "stdout"; "" for none
};

// clang-format off
const std::array kTargets{
    TargetCase{"NewFile", "FOLDER/set.pdf", 0, "", "FOLDER/set.pdf"},
    TargetCase{"FileReplacedWhole", "FOLDER/file", 0, "", "FOLDER/file"},
    TargetCase{"MissingFolder", "FOLDER/missing/set.pdf", 1,
               "Could not save \"FOLDER/missing/set.pdf\": No such file or directory.", ""},
    TargetCase{"UnwritableFolder", "FOLDER/file/set.pdf", 1,
               "Could not save \"FOLDER/file/set.pdf\": Not a directory.", ""},
    TargetCase{"Device", "/dev/null", 0, "", ""},
    TargetCase{"FullDevice", "/dev/full", 1,
               "Could not save \"/dev/full\": No space left on device.", ""},
    TargetCase{"NamedPipe", "FOLDER/pipe", 0, "", "pipe"},
    TargetCase{"StandardOutput", "-", 0, "", "stdout"},
};
// clang-format on

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
    const QString pdf = placed(GetParam().pdf);
    QProcess program;
    StartTallyworth(program, {"--pdf", target, "--sheets", "2"});
    const QByteArray piped = pdf == "pipe" ? ReadPipe(target) : QByteArray();
    const ProgramRun run = FinishTallyworth(program);
    EXPECT_EQ(run.status, GetParam().status) << run.err.toStdString();
    const QString code = (pdf == "stdout" ? run.err : run.out).trimmed();
    EXPECT_EQ(std::holds_alternative<SheetCode>(ParseSheetCode(code)), run.status == 0)
        << code.toStdString();
    EXPECT_EQ(run.err.toStdString(), run.status != 0   ? Named(placed(GetParam().err))
                                     : pdf == "stdout" ? (code + "\n").toStdString()
                                                       : "");
    QFile received(folder.filePath("received.pdf"));
    ASSERT_TRUE(received.open(QIODevice::WriteOnly));
    received.write(pdf == "stdout" ? run.bytesOut : piped);
    received.close();
    const QString readBack = pdf == "stdout" || pdf == "pipe" ? received.fileName() : pdf;
    EXPECT_TRUE(pdf.isEmpty() || print_test::ReadPdf(readBack).size() == 2U);
    // The pipe is still a pipe, the devices still devices, and no half-written file is left.
    EXPECT_TRUE(QFileInfo(folder.filePath("pipe")).exists() &&
                !QFileInfo(folder.filePath("pipe")).isFile());
    EXPECT_FALSE(QFileInfo("/dev/null").isFile() || QFileInfo("/dev/full").isFile());
    const QStringList left =
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left.join(' ').toStdString(), pdf.endsWith("set.pdf")
                                                ? "file pipe received.pdf set.pdf"
                                                : "file pipe received.pdf");
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
    StopCase{"TerminatedWritingToStandardOutput", "-", SIGTERM},
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
    } else if (target == "-") {
        EXPECT_TRUE(program.waitForReadyRead(print_test::kWaitMilliseconds));
        stop();
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
TEST(CommandLine, AStandardOutputThatCannotBeWrittenFailsWithOne) {
    for (const bool closed : {true, false}) {
        QTemporaryDir folder;
        QProcess program;
        if (closed) {
            program.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        } else {
            program.setStandardOutputFile("/dev/full");
        }
        StartTallyworth(program, {"--pdf", folder.filePath("set.pdf")});
        const ProgramRun run = FinishTallyworth(program);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.toStdString(),
                  Named(QString("standard output could not be written: %1.")
                            .arg(closed ? "Bad file descriptor" : "No space left on device")));
        EXPECT_EQ(print_test::ReadPdf(folder.filePath("set.pdf")).size(), 1U);
    }
}

// Without arguments and without a screen for the windows, one line says what works instead.
TEST(CommandLine, WithoutADisplayTheWindowsSaySoInOneLine) {
    for (const QStringList& environment : {QStringList{}, QStringList{"QT_QPA_PLATFORM=xcb"}}) {
        const ProgramRun run = RunTallyworth({"-style", "Fusion"}, environment);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.toStdString(),
                  Named("the windows need a display; --pdf and --print make worksheets without "
                        "one (see tallyworth --help)."));
    }
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
    StartCase{"StyleJoined", {"-style=Fusion", "-reverse"}, false},
    StartCase{"StyleSheetDoubleDash", {"--stylesheet", "dark.qss"}, false},
    StartCase{"StyleAndHelp", {"-style", "Fusion", "--help"}, true},
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

struct DefaultCase {
    const char* name;
    QStringList options;
    QStringList environment;
    SheetSettings settings;
    double width;            // inches: the locale's paper
    const char* notes = "";  // standard error, whole
};

constexpr double kLetterWidth = 8.5;
constexpr ProblemRules kNoRules{};

// clang-format off
const std::array kDefaults{
    DefaultCase{"StartUpSettingsOnLetter", {}, {}, {OperationRow::Add, 1, 9, 10, false, false}, kLetterWidth},
    DefaultCase{"A4ElsewhereThanAmerica", {}, {"LANG=de_DE.UTF-8"}, {OperationRow::Add, 1, 9, 10, false, false},
                210 / 25.4},
    DefaultCase{"LetterInMexicoAsInTheDialog", {}, {"LANG=es_MX.UTF-8"},
                {OperationRow::Add, 1, 9, 10, false, false}, kLetterWidth},
    DefaultCase{"NumbersReadInTheLocale", {"--problems", "10,5", "--highest", "1,2e1"},
                {"LANG=de_DE.UTF-8"}, {OperationRow::Add, 1, 12, 10, false, false}, 210 / 25.4},
    DefaultCase{"PaperChosen", {"--paper", "A4"}, {}, {OperationRow::Add, 1, 9, 10, false, false}, 210 / 25.4},
    DefaultCase{"ProductsWithTheTimesSign", {"--operation", "\u00D7"}, {},
                {OperationRow::Multiply, 1, 9, 10, false, false}, kLetterWidth},
    DefaultCase{"NegativeDifferences", {"--operation", "-", "--allow-negative"}, {},
                {OperationRow::Subtract, 1, 9, 10, true, false}, kLetterWidth},
    DefaultCase{"DivisionBracketWithTheSign", {"--operation", "\u00F7", "--notation", "bracket"},
                {}, {OperationRow::Divide, 1, 9, 10, false, true}, kLetterWidth},
    DefaultCase{"WithoutTheHeader", {"--no-header"}, {}, {OperationRow::Add, 1, 9, 10, false, false},
                kLetterWidth},
    DefaultCase{"DivisionWithTheSlash", {"--operation", "/", "--problems", "50"}, {},
                {OperationRow::Divide, 1, 9, 50, false, false}, kLetterWidth},
    DefaultCase{"NoTrivialFacts", {"--no-trivial"}, {},
                {OperationRow::Add, 1, 9, 10, false, false, {true, 0, Regrouping::Any, false}}, kLetterWidth},
    DefaultCase{"FixedNumber", {"--operation", "-", "--fixed", "4", "--highest", "20"}, {},
                {OperationRow::Subtract, 1, 20, 10, false, false, {false, 4, Regrouping::Any, false}}, kLetterWidth},
    DefaultCase{"NeverRegroupInAnyCase", {"--regrouping", "NEVER"}, {},
                {OperationRow::Add, 1, 9, 10, false, false, {false, 0, Regrouping::Never, false}}, kLetterWidth},
    DefaultCase{"RegroupingAllowedIsNoRule", {"--regrouping", "any"}, {},
                {OperationRow::Add, 1, 9, 10, false, false, kNoRules}, kLetterWidth},
    DefaultCase{"NoRepeats", {"--no-repeats", "--problems", "81"}, {},
                {OperationRow::Add, 1, 9, 81, false, false, {false, 0, Regrouping::Any, true}}, kLetterWidth},
    DefaultCase{"FewerProblemsThanAskedOnlyWarn", {"--operation", "x", "--highest", "12",
                "--fixed", "7", "--no-trivial", "--problems", "20"}, {},
                {OperationRow::Multiply, 1, 12, 20, false, false, {true, 7, Regrouping::Any, false}}, kLetterWidth,
                "Only 11 different problems fit these settings and rules, so some will repeat; "
                "the worksheets are made anyway.\n"},
    DefaultCase{"OneProblemOnlyWarns", {"--operation", "/", "--fixed", "9", "--lowest", "8",
                "--problems", "2"}, {},
                {OperationRow::Divide, 8, 9, 2, false, false, {false, 9, Regrouping::Any, false}}, kLetterWidth,
                "Only 1 different problem fits these settings and rules, so it will repeat; the "
                "worksheets are made anyway.\n"},
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
    EXPECT_EQ(std::get<SheetCode>(parsed).version, SheetCodeVersionFor(GetParam().settings));
    const std::vector<PdfPage> pages = print_test::ReadPdf(file);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NEAR(pages[0].width, GetParam().width, 0.01);
    // The band carries the code unless it is left out.
    EXPECT_EQ(PdfText(file).contains(run.out.trimmed()),
              !GetParam().options.contains("--no-header"));
}

INSTANTIATE_TEST_SUITE_P(Defaults, DefaultsTest, ::testing::ValuesIn(kDefaults),
                         [](const auto& param) { return std::string(param.param.name); });

QString ReadmeText() {
    QFile readme(TALLYWORTH_TEST_DATA_DIR "/../README.md");
    EXPECT_TRUE(readme.open(QIODevice::ReadOnly));
    return QString::fromUtf8(readme.readAll());
}

// The commands in a text: each "tallyworth --" line with its continuation lines, split into
// arguments.
QList<QStringList> Commands(const QString& text) {
    static const QRegularExpression kCommand("^ *tallyworth (--(?:[^\\n\\\\]|\\\\\\n)*)",
                                             QRegularExpression::MultilineOption);
    QList<QStringList> commands;
    for (const auto& match : kCommand.globalMatch(text)) {
        commands << match.captured(1).remove("\\\n").split(' ', Qt::SkipEmptyParts);
    }
    return commands;
}

// The synopsis in the README is the one the program shows, and it explains every option.
TEST(CommandLine, HelpShowsTheReadmesSynopsis) {
    const ProgramRun run = RunTallyworth({"--help"});
    EXPECT_EQ(run.status, 0);
    const QRegularExpression synopsis("```\\n(tallyworth\\n(?:[^`][^\\n]*\\n)+)```");
    const QRegularExpressionMatch match = synopsis.match(ReadmeText());
    ASSERT_TRUE(match.hasMatch()) << "the README has no synopsis block";
    QString indented;
    for (const QString& line : match.captured(1).split('\n', Qt::SkipEmptyParts)) {
        indented += "  " + line + "\n";
    }
    EXPECT_TRUE(run.out.contains(indented)) << run.out.toStdString() << "\nREADME:\n"
                                            << indented.toStdString();
    static const QRegularExpression kOption("--[a-z-]+");
    for (const auto& option : kOption.globalMatch(indented)) {
        EXPECT_TRUE(run.out.contains("\n  " + option.captured()) ||
                    run.out.contains(", " + option.captured()))
            << option.captured().toStdString() << " is not explained";
    }
}

TEST(CommandLine, VersionIsTheProgramsVersion) {
    const ProgramRun run = RunTallyworth({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toStdString(),
              std::string(version::kTitle) + " " + version::kDisplayVersion + "\n");
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
    for (const auto& block : kShell.globalMatch(ReadmeText())) {
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

TEST_F(CommandPrintTest, PrintsTheSetAsOneJobOfEveryPage) {
    const ProgramRun run = RunTallyworth(
        {"--print", "--operation", "/", "--problems", "60", "--sheets", "2", "--answers", "each"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(PrintedFiles().size(), 1);
    EXPECT_EQ(PrintedSheets().size(), 8U);
}

TEST_F(CommandPrintTest, APrinterThatIsNotThereFailsWithOne) {
    const ProgramRun run = RunTallyworth({"--print", "--printer", "nosuch"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("tallyworth: The printer \"nosuch\" cannot be reached."))
        << run.err.toStdString();
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

}  // namespace
}  // namespace tallyworth::cli_test

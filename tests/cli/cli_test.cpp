#include "cli/cli_support.h"
#include "core/class_set.h"
#include "core/problem_rules.h"
#include "core/sheet_code.h"
#include "tallyworth/version.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <tuple>

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
    SetCase{"AdditionKeyAfterEach", {"--sheets", "3", "--answers", "each", "--problems", "100",
            "--lowest", "10", "--highest", "99"}, 3, 1, AnswerKeys::AfterEach,
            {OperationRow::Add, 10, 99, 100, false, false}},
    SetCase{"MixKeysAtTheEnd", {"--operation", "mix", "--sheets", "4", "--answers", "end",
            "--problems", "40", "--highest", "12"}, 4, 1, AnswerKeys::AtEnd,
            {OperationRow::Mix, 1, 12, 40, false, false}},
    SetCase{"NegativeDifferences", {"--operation", "-", "--allow-negative", "--sheets", "2",
            "--answers", "each", "--problems", "30", "--highest", "20"}, 2, 1,
            AnswerKeys::AfterEach, {OperationRow::Subtract, 1, 20, 30, true, false}},
    SetCase{"ProductsWrittenAsX", {"--operation", "x", "--sheets", "2", "--answers", "each",
            "--problems", "100", "--lowest", "2", "--highest", "99", "--paper", "a4"}, 2, 1,
            AnswerKeys::AfterEach, {OperationRow::Multiply, 2, 99, 100, false, false}},
    SetCase{"DivisionsOnTwoPages", {"--operation", "/", "--sheets", "2", "--answers", "each",
            "--problems", "60", "--highest", "12"}, 2, 2, AnswerKeys::AfterEach,
            {OperationRow::Divide, 1, 12, 60, false, false}},
    SetCase{"DivisionBracketWithTheSign", {"--operation", "\u00F7", "--notation", "bracket",
            "--sheets", "3", "--answers", "end", "--problems", "20"}, 3, 1, AnswerKeys::AtEnd,
            {OperationRow::Divide, 1, 9, 20, false, true}},
    SetCase{"SheetsWithoutKeys", {"--sheets", "5"}, 5, 1, AnswerKeys::None,
            {OperationRow::Add, 1, 9, 10, false, false}},
    SetCase{"TimesTableOfSeven", {"--operation", "x", "--highest", "12", "--fixed", "7",
            "--sheets", "3", "--answers", "each"}, 3, 1, AnswerKeys::AfterEach,
            {OperationRow::Multiply, 1, 12, 10, false, false, {false, 7, Regrouping::Any, false}}},
    SetCase{"NoRepeatsOnEverySheet", {"--highest", "12", "--problems", "100", "--no-repeats",
            "--sheets", "3", "--answers", "end"}, 3, 1, AnswerKeys::AtEnd,
            {OperationRow::Add, 1, 12, 100, false, false, {false, 0, Regrouping::Any, true}}},
    SetCase{"MixUnderEveryRule", {"--operation", "mix", "--lowest", "2", "--highest", "30",
            "--problems", "60", "--no-trivial", "--fixed", "3", "--regrouping", "never",
            "--no-repeats", "--sheets", "2", "--answers", "each"}, 2, 1, AnswerKeys::AfterEach,
            {OperationRow::Mix, 2, 30, 60, false, false, {true, 3, Regrouping::Never, true}}},
    SetCase{"BorrowingDivisionsOnTwoPages", {"--operation", "/", "--problems", "60",
            "--highest", "40", "--regrouping", "ALWAYS", "--no-trivial", "--sheets", "2"}, 2, 2,
            AnswerKeys::None, {OperationRow::Divide, 1, 40, 60, false, false, {true, 0, Regrouping::Always, false}}},
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

// True when the sheet's rules allow the problem; the page shows a division's dividend first,
// as the allowed problems list it.
bool Allowed(const ShownProblem& problem, const SheetSettings& settings) {
    const std::map<QString, OperationRow> rows{{"+", OperationRow::Add},
                                               {"-", OperationRow::Subtract},
                                               {"*", OperationRow::Multiply},
                                               {"\u00F7", OperationRow::Divide}};
    const auto row = rows.find(problem.operatorSign);
    if (row == rows.end()) {
        return false;
    }
    const ProblemSettings range{settings.operation, settings.lowest, settings.highest,
                                settings.allowNegative};
    return std::ranges::any_of(
        AllowedPairs(row->second, range, settings.rules), [&problem](const WeightedPair& pair) {
            return pair.first == problem.first && pair.second == problem.second;
        });
}

// A sheet under rules holds only problems they allow, and none twice without repeats.
void ExpectTheRulesHold(const std::vector<ShownProblem>& problems, const SheetSettings& settings,
                        int sheet) {
    if (!settings.rules.AnyOn()) {
        return;
    }
    for (const ShownProblem& problem : problems) {
        EXPECT_TRUE(Allowed(problem, settings))
            << ::testing::PrintToString(problem) << " on sheet " << sheet;
    }
    if (settings.rules.noRepeats) {
        std::set<std::tuple<long, QString, long>> distinct;
        for (const ShownProblem& problem : problems) {
            distinct.emplace(problem.first, problem.operatorSign, problem.second);
        }
        EXPECT_EQ(distinct.size(), problems.size()) << "a problem repeats on sheet " << sheet;
    }
}

// Every page carries its sheet's number and code, every problem is right and allowed by
// the rules, every key holds its sheet's problems with their solutions, and the codes of the
// sheets all differ; a code carries rules only when there are some.
TEST_P(ClassSetTest, MakesEverySheetRightWithItsKeyAndCodeWithoutADisplay) {
    const SetCase& setCase = GetParam();
    QTemporaryDir folder;
    const QString file = folder.filePath("set.pdf");
    const ProgramRun run = RunTallyworth(QStringList{"--pdf", file} + setCase.options);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.toStdString(), "");
    const std::vector<PdfPage> pages = print_test::ReadPdf(file);
    const auto order = ExpectedOrder(setCase);
    ASSERT_EQ(pages.size(), order.size());
    std::map<int, QString> codes;
    std::map<std::pair<int, bool>, std::vector<ShownProblem>> shown;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const SetPageText page = ReadSetPage(pages[index]);
        EXPECT_EQ(std::make_pair(page.sheet, page.answerKey), order[index]) << "page " << index;
        EXPECT_EQ(page.sheets, setCase.sheets);
        EXPECT_TRUE(codes.emplace(page.sheet, page.code).first->second == page.code);
        for (const ShownProblem& problem : page.problems) {
            EXPECT_TRUE(Holds(problem, setCase.settings.allowNegative))
                << ::testing::PrintToString(problem) << " on page " << index;
        }
        auto& problems = shown[std::make_pair(page.sheet, page.answerKey)];
        problems.insert(problems.end(), page.problems.begin(), page.problems.end());
    }
    std::set<QString> distinct;
    for (const auto& [sheet, code] : codes) {
        distinct.insert(code);
        const SheetCodeParse read = ParseSheetCode(code);
        const auto* parsed = std::get_if<SheetCode>(&read);
        ASSERT_NE(parsed, nullptr) << code.toStdString();
        EXPECT_EQ(parsed->settings, setCase.settings);
        EXPECT_EQ(parsed->version, setCase.settings.rules.AnyOn() ? 2 : 1);
        const std::vector<ShownProblem>& set = shown[std::make_pair(sheet, false)];
        EXPECT_EQ(set.size(), static_cast<std::size_t>(setCase.settings.count));
        ExpectTheRulesHold(set, setCase.settings, sheet);
        if (setCase.keys != AnswerKeys::None) {
            std::vector<ShownProblem> asked = shown[std::make_pair(sheet, true)];
            for (ShownProblem& problem : asked) {
                problem.solution.reset();
            }
            EXPECT_EQ(asked, set) << "the key of sheet " << sheet;
        }
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
    QStringList again{"--pdf",
                      folder.filePath("again.pdf"),
                      "--code",
                      first.out.trimmed(),
                      "--sheets",
                      QString::number(setCase.sheets),
                      "--answers",
                      setCase.keys == AnswerKeys::None
                          ? "none"
                          : (setCase.keys == AnswerKeys::AtEnd ? "end" : "each")};
    if (setCase.options.contains("a4")) {
        again << "--paper"
              << "a4";
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
    int status;
    const char* errors;  // standard error, whole
};

// clang-format off
const std::array kBadInput{
    BadCase{"UnknownOption", {"--pdf", "x.pdf", "--colour", "red"}, 2,
            "Unknown option 'colour'.\n"},
    BadCase{"MissingValue", {"--pdf"}, 2, "Missing value after '--pdf'.\n"},
    BadCase{"NowhereToGo", {"--sheets", "3"}, 2,
            "Say where the worksheets go: --pdf FILE or --print.\n"},
    BadCase{"BothPdfAndPrint", {"--pdf", "x.pdf", "--print"}, 2,
            "Give either --pdf or --print, not both.\n"},
    BadCase{"PrinterWithoutPrint", {"--pdf", "x.pdf", "--printer", "office"}, 2,
            "--printer needs a printer name, and --print with it.\n"},
    BadCase{"StrayArgument", {"--pdf", "x.pdf", "extra"}, 2, "Unexpected argument \"extra\".\n"},
    BadCase{"TwoFiles", {"--pdf", "x.pdf", "--pdf", "y.pdf"}, 2,
            "--pdf is given more than once.\n"},
    BadCase{"UnknownOperation", {"--pdf", "x.pdf", "--operation", "^"}, 2,
            "--operation takes one of +|-|*|/|mix, not \"^\".\n"},
    BadCase{"UnknownNotation", {"--pdf", "x.pdf", "--notation", "slash"}, 2,
            "--notation takes one of sign|bracket, not \"slash\".\n"},
    BadCase{"UnknownAnswers", {"--pdf", "x.pdf", "--answers", "sometimes"}, 2,
            "--answers takes one of none|each|end, not \"sometimes\".\n"},
    BadCase{"UnknownPaper", {"--pdf", "x.pdf", "--paper", "legal"}, 2,
            "--paper takes one of letter|a4, not \"legal\".\n"},
    BadCase{"NoSheets", {"--pdf", "x.pdf", "--sheets", "0"}, 2,
            "--sheets takes a number of sheets from 1 to 500, not \"0\".\n"},
    BadCase{"TooManySheets", {"--pdf", "x.pdf", "--sheets", "501"}, 2,
            "--sheets takes a number of sheets from 1 to 500, not \"501\".\n"},
    BadCase{"UnreadableLowest", {"--pdf", "x.pdf", "--lowest", "abc"}, 2,
            "Please check your Lowest Number.\n"},
    BadCase{"UnreadableHighestFirst", {"--pdf", "x.pdf", "--highest", "abc", "--lowest", ""}, 2,
            "Please check your Highest Number.\n"},
    BadCase{"TooManyProblems", {"--pdf", "x.pdf", "--problems", "100.4"}, 2,
            "Number of Problems must be between 1 and 100.\n"},
    BadCase{"DivideByZero", {"--pdf", "x.pdf", "--operation", "/", "--lowest", "0",
            "--highest", "0"}, 2,
            "Highest Number must be between 1 and 99.\nLowest Number must be between 1 and 99.\n"
            "Lowest Number cannot equal Highest Number.\nYou can't divide by zero.\n"},
    BadCase{"LowestAboveHighest", {"--pdf", "x.pdf", "--lowest", "10", "--highest", "5"}, 2,
            "Lowest Number must be less than or equal to Highest Number!\n"},
    BadCase{"CodeWithASetting", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9S", "--lowest",
            "3", "--allow-negative"}, 2,
            "--code holds the worksheet's settings: leave out --lowest.\n"
            "--code holds the worksheet's settings: leave out --allow-negative.\n"},
    BadCase{"ShortCode", {"--pdf", "x.pdf", "--code", "10035"}, 2,
            "A sheet code has 14 letters and digits, but this one has 5: please check what you "
            "typed.\n"},
    BadCase{"MistypedCode", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9T"}, 2,
            "The sheet code's check character does not match: please check what you typed.\n"},
    BadCase{"FixedZero", {"--pdf", "x.pdf", "--fixed", "0"}, 2,
            "--fixed takes a whole number from 1 to 99, not \"0\".\n"},
    BadCase{"FixedInWords", {"--pdf", "x.pdf", "--fixed", "seven"}, 2,
            "--fixed takes a whole number from 1 to 99, not \"seven\".\n"},
    BadCase{"FixedWithoutNumber", {"--pdf", "x.pdf", "--fixed"}, 2,
            "Missing value after '--fixed'.\n"},
    BadCase{"UnknownRegrouping", {"--pdf", "x.pdf", "--regrouping", "sometimes"}, 2,
            "--regrouping takes any, never or always, not \"sometimes\".\n"},
    BadCase{"RuleValueBesideBadOperation", {"--pdf", "x.pdf", "--operation", "^", "--fixed",
            "100"}, 2, "--operation takes one of +|-|*|/|mix, not \"^\".\n"
            "--fixed takes a whole number from 1 to 99, not \"100\".\n"},
    BadCase{"NoProblemFits", {"--pdf", "x.pdf", "--operation", "/", "--lowest", "50",
            "--highest", "99", "--no-trivial"}, 2,
            "No problem fits these settings and rules. Please widen the range or change the "
            "rules.\n"},
    BadCase{"NoProblemFitsTheCellNumberBounds", {"--pdf", "x.pdf", "--operation", "/",
            "--lowest", "61", "--highest", "62", "--no-repeats", "--no-trivial"}, 2,
            "No problem fits these settings and rules. Please widen the range or change the "
            "rules.\n"},
    BadCase{"CodeWithRules", {"--pdf", "x.pdf", "--code", "10035-41YD5-SX9S", "--no-trivial",
            "--fixed", "7", "--regrouping", "never", "--no-repeats"}, 2,
            "--code holds the worksheet's settings: leave out --no-trivial.\n"
            "--code holds the worksheet's settings: leave out --fixed.\n"
            "--code holds the worksheet's settings: leave out --regrouping.\n"
            "--code holds the worksheet's settings: leave out --no-repeats.\n"},
};
// clang-format on

class BadInputTest : public ::testing::TestWithParam<BadCase> {};

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
    EXPECT_EQ(run.status, badCase.status);
    EXPECT_EQ(run.err.toStdString(), badCase.errors);
    EXPECT_EQ(run.out.toStdString(), "");
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, BadInputTest, ::testing::ValuesIn(kBadInput),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CommandLine, AFileThatCannotBeWrittenFailsWithOneAndLeavesNoFile) {
    QTemporaryDir folder;
    const ProgramRun run =
        RunTallyworth({"--pdf", folder.filePath("missing/set.pdf"), "--sheets", "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.startsWith("Could not save \"" + folder.filePath("missing/set.pdf") + "\": "))
        << run.err.toStdString();
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

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
    EXPECT_EQ(run.err.toStdString(), GetParam().notes);
    const auto parsed = ParseSheetCode(run.out.trimmed());
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << run.out.toStdString();
    EXPECT_EQ(std::get<SheetCode>(parsed).settings, GetParam().settings);
    EXPECT_EQ(std::get<SheetCode>(parsed).version, SheetCodeVersionFor(GetParam().settings));
    const std::vector<PdfPage> pages = print_test::ReadPdf(file);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NEAR(pages[0].width, GetParam().width, 0.01);
    const SetPageText page = ReadSetPage(pages[0]);
    EXPECT_EQ(page.code, run.out.trimmed());
    EXPECT_FALSE(page.answerKey);
    EXPECT_EQ(page.problems.size(), static_cast<std::size_t>(GetParam().settings.count));
}

INSTANTIATE_TEST_SUITE_P(Defaults, DefaultsTest, ::testing::ValuesIn(kDefaults),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CommandLine, WithoutTheHeaderThePageCarriesOnlyItsProblems) {
    QTemporaryDir folder;
    const QString file = folder.filePath("sheet.pdf");
    ASSERT_EQ(RunTallyworth({"--pdf", file, "--no-header", "--problems", "30"}).status, 0);
    const std::vector<PdfPage> pages = print_test::ReadPdf(file);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0].words.size(), 90U);  // two numbers and an operator a problem
}

// The synopsis in the README is the one the program shows.
TEST(CommandLine, HelpShowsTheReadmesSynopsis) {
    const ProgramRun run = RunTallyworth({"--help"});
    EXPECT_EQ(run.status, 0);
    QFile readme(TALLYWORTH_TEST_DATA_DIR "/../README.md");
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const QRegularExpression synopsis("```\\n(tallyworth\\n(?:[^`][^\\n]*\\n)+)```");
    const QRegularExpressionMatch match = synopsis.match(text);
    ASSERT_TRUE(match.hasMatch()) << "the README has no synopsis block";
    QString indented;
    for (const QString& line : match.captured(1).split('\n', Qt::SkipEmptyParts)) {
        indented += "  " + line + "\n";
    }
    EXPECT_TRUE(run.out.contains(indented)) << run.out.toStdString() << "\nREADME:\n"
                                            << indented.toStdString();
    for (const char* option :
         {"--pdf",       "--print",      "--printer",        "--operation", "--lowest",
          "--highest",   "--problems",   "--allow-negative", "--notation",  "--no-trivial",
          "--fixed",     "--regrouping", "--no-repeats",     "--sheets",    "--answers",
          "--no-header", "--paper",      "--code",           "--help",      "--version"}) {
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  ") + option) ||
                    run.out.contains(QStringLiteral(", ") + option))
            << option << " is not explained";
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
    EXPECT_EQ(run.err.toStdString(), "Die kleinste Zahl muss zwischen 1 und 99 liegen.\n");
}

struct CommandPrintTest : print_test::SchedulerTest {};

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
    EXPECT_TRUE(run.err.startsWith("The printer \"nosuch\" cannot be reached."))
        << run.err.toStdString();
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

}  // namespace
}  // namespace tallyworth::cli_test

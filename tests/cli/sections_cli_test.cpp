#include "cli/cli_support.h"
#include "core/page_options.h"
#include "core/sheet_code.h"
#include "set_options/section_option.h"
#include "support/named_cases.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace tallyworth::cli_test {
namespace {

// One problem as its text reads, "__" where a number is left out.
struct ReadProblem {
    QString first;
    QString sign;
    QString second;
    QString result;     // empty where the answer is left out without a blank's mark
    QString remainder;  // after the remainder's word; empty without one
};

// Every problem of the text, in reading order.
std::vector<ReadProblem> ProblemsIn(const QString& text) {
    // A result is what follows "=" unless it starts the next problem: "7 + 5 = 3 + 4 =".
    static const QRegularExpression kProblem(
        QStringLiteral("(__|\\d+) (\\S) (__|\\d+) =(?: (__|\\d+)(?![\\d_]| \\S (?:__|\\d+) =)(?: r "
                       "(__|\\d+))?)?"));
    std::vector<ReadProblem> problems;
    for (const auto& match : kProblem.globalMatch(text)) {
        problems.push_back({match.captured(1), match.captured(2), match.captured(3),
                            match.captured(4), match.captured(5)});
    }
    return problems;
}

bool Within(int value, int lowest, int highest) {
    return lowest <= value && value <= highest;
}

// A kind's rules worked out here from what teachers mean by it, not from the program: what
// a key's problem must be, and which places its sheet leaves blank.
struct KindCase {
    const char* name;
    const char* section;
    std::function<bool(int, QChar, int, int, int)> keyAllows;  // first, sign, second, answer, rest
    const char* blanks;                                        // "answer", "number" or "remainder"
};

// clang-format off
const std::vector<KindCase> kKinds{
    {"SumsWithin20", "kind=facts operation=+ first=1-10 problems=20",
     [](int a, QChar s, int b, int c, int) { return s == u'+' && Within(a, 1, 10) && Within(b, 1, 10) && c == a + b; },
     "answer"},
    {"MissingTimesTables", "kind=missing operation=x first=2-12 second=3-5 problems=20",
     [](int a, QChar s, int b, int c, int) { return s == u'×' && Within(a, 2, 12) && Within(b, 3, 5) && c == a * b; },
     "number"},
    {"DivisionFromTheTables", "kind=table-division first=2-12 second=2-9 problems=20",
     [](int a, QChar s, int b, int c, int) { return s == u'÷' && Within(b, 2, 9) && Within(c, 2, 12) && a == b * c; },
     "answer"},
    {"AlwaysARemainder", "kind=remainder first=10-60 second=2-9 problems=20 remainders=always",
     [](int a, QChar s, int b, int c, int r) { return s == u'÷' && Within(a, 10, 60) && Within(b, 2, 9) && a == b * c + r && Within(r, 1, b - 1); },
     "remainder"},
};
// clang-format on

class KindSetTest : public ::testing::TestWithParam<KindCase> {};

// A class set of each kind, read back from its text: every sheet's problems leave the kind's
// blanks, and every key's problem is one the kind allows, worked out right.
TEST_P(KindSetTest, EveryPrintedProblemIsOneTheKindAllows) {
    constexpr int kSheets = 4;
    constexpr int kProblems = 20;
    QTemporaryDir folder;
    const QString file = folder.filePath("set.pdf");
    const ProgramRun run =
        RunTallyworth({"--pdf", file, "--sheets", QString::number(kSheets), "--answers", "end",
                       "--layout", "line", "--section", QString::fromUtf8(GetParam().section)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = print_test::ReadPdfText(file);
    const qsizetype keys = text.indexOf(QStringLiteral("Answer key"));
    ASSERT_GT(keys, 0);
    const std::vector<ReadProblem> sheets = ProblemsIn(text.left(keys));
    const std::vector<ReadProblem> answers = ProblemsIn(text.mid(keys));
    ASSERT_EQ(sheets.size(), std::size_t{kSheets * kProblems});
    ASSERT_EQ(answers.size(), sheets.size());
    const std::string blanks = GetParam().blanks;
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        const ReadProblem& sheet = sheets[index];
        const ReadProblem& key = answers[index];
        const bool numberLeftOut = sheet.first == u"__" || sheet.second == u"__";
        EXPECT_EQ(numberLeftOut, blanks == "number") << index;
        EXPECT_EQ(sheet.result.isEmpty() || sheet.result == u"__", blanks != "number") << index;
        EXPECT_EQ(sheet.remainder == u"__", blanks == "remainder") << index;
        EXPECT_TRUE(GetParam().keyAllows(key.first.toInt(), key.sign.front(), key.second.toInt(),
                                         key.result.toInt(), key.remainder.toInt()))
            << key.first.toStdString() << key.sign.toStdString() << key.second.toStdString() << "="
            << key.result.toStdString() << " r " << key.remainder.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindSetTest, ::testing::ValuesIn(kKinds),
                         [](const auto& param) { return std::string(param.param.name); });

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

struct WrittenTextCase {
    const char* name;
    const char* typed;
    const char* read;  // the text the section reads back as, or why it is refused
};

// clang-format off
const std::array kWrittenTexts{
    WrittenTextCase{"SumOfThreeCarryingOnce", "kind=written operation=+ first=1000-999999 second=10-99 "
        "addends=3 carrying=once no-repeats title=Sums", "kind=written operation=+ first=1000-999999 "
        "second=10-99 problems=10 addends=3 carrying=once no-repeats title=\"Sums\""},
    WrittenTextCase{"DifferenceNeverBorrowing", "kind=written operation=- first=100-999 carrying=never",
        "kind=written operation=- first=100-999 second=100-999 problems=10 carrying=never"},
    WrittenTextCase{"DivisionAlwaysLeavingOne", "kind=written operation=/ first=100-9999 second=2-9 "
        "problems=8 remainders=always", "kind=written operation=/ first=100-9999 second=2-9 problems=8 "
        "remainders=100"},
    WrittenTextCase{"ProductWithoutTheSumsFields", "kind=written operation=x first=10-9999 second=2-99",
        "kind=written operation=* first=10-9999 second=2-99 problems=10"},
    WrittenTextCase{"CarryingNamed", "kind=written carrying=sometimes",
        "Section 1: carrying takes any|never|once, not \"sometimes\"."},
    WrittenTextCase{"AddendsNamed", "kind=written addends=three",
        "Section 1: addends takes a whole number, not \"three\"."},
    WrittenTextCase{"KindsListWritten", "kind=columns",
        "Section 1: kind takes facts|missing|table-division|remainder|written, not \"columns\"."},
};
// clang-format on

class WrittenTextTest : public ::testing::TestWithParam<WrittenTextCase> {};

// A written section's fields are read, written back as typed, and read again the same; a
// bad value is refused at its field.
TEST_P(WrittenTextTest, ReadsBackAsItIsWritten) {
    const SectionParse parsed = ParseSectionText(QString::fromUtf8(GetParam().typed), 1);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        EXPECT_EQ(error->toStdString(), GetParam().read);
        return;
    }
    const SheetSection& section = std::get<SectionText>(parsed).section;
    const QString text = SectionTextOf(section, false);
    EXPECT_EQ(text.toStdString(), GetParam().read);
    const SectionParse again = ParseSectionText(text, 1);
    ASSERT_TRUE(std::holds_alternative<SectionText>(again));
    EXPECT_EQ(std::get<SectionText>(again).section, section);
}

INSTANTIATE_TEST_SUITE_P(Fields, WrittenTextTest, ::testing::ValuesIn(kWrittenTexts),
                         testing_support::kCaseName);

// A class set of written sums, its page options carried by its code: the code brings back
// the same sheets and keys, and says so.
TEST(WrittenSetTest, ItsCodeMakesTheSameSetAgain) {
    QTemporaryDir folder;
    const QStringList set{"--sheets", "2", "--answers", "end"};
    const ProgramRun run = RunTallyworth(
        QStringList{"--pdf", folder.filePath("set.pdf"), "--section",
                    "kind=written operation=+ first=1000-99999 addends=3 carrying=once problems=6",
                    "--method", "de", "--squares", "off", "--key-working"} +
        set);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString code = run.out.trimmed();
    const SheetCodeParse parsed = ParseSheetCode(code);
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << code.toStdString();
    const SheetCode& read = std::get<SheetCode>(parsed);
    EXPECT_EQ(read.version, kWrittenSheetCodeVersion);
    EXPECT_EQ(read.settings.sections.at(0).addends, 3);
    EXPECT_EQ(read.settings.page.method, WrittenMethod::German);
    EXPECT_EQ(read.settings.page.squares, SquaredPaper::Off);
    EXPECT_TRUE(read.settings.page.keyWorking);
    const ProgramRun again =
        RunTallyworth(QStringList{"--pdf", folder.filePath("again.pdf"), "--code", code} + set);
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, run.out);
    const QString text = PdfText(folder.filePath("set.pdf"));
    EXPECT_TRUE(text.contains(code));
    EXPECT_EQ(PdfText(folder.filePath("again.pdf")).toStdString(), text.toStdString());
}

}  // namespace
}  // namespace tallyworth::cli_test

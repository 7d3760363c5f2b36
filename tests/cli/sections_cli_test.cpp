#include "cli/cli_support.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <string>
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

}  // namespace
}  // namespace tallyworth::cli_test

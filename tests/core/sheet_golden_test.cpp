#include "core/sheet_golden_cases.h"

#include <gtest/gtest.h>

#include "core/problem_rules.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tallyworth::sheet_golden {
namespace {

QString GoldenText(const QString& name) {
    QFile file(QStringLiteral(TALLYWORTH_TEST_DATA_DIR "/core/golden/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("missing golden file ") + name;
    }
    return QString::fromUtf8(file.readAll());
}

class GoldenSheetTest : public ::testing::TestWithParam<GoldenSheet> {};

// A code handed out once must bring back the same sheet in every later build.
TEST_P(GoldenSheetTest, CodeBringsBackTheRecordedProblems) {
    const GoldenSheet& sheet = GetParam();
    const QString recorded = GoldenText(QString::fromLatin1(sheet.name) + QStringLiteral(".txt"));
    EXPECT_EQ(SheetDump(sheet.code).toStdString(), recorded.toStdString());
}

// The recorded code itself reads back as the settings and seed it was made from.
TEST_P(GoldenSheetTest, RecordedCodeReadsBack) {
    const GoldenSheet& sheet = GetParam();
    const QString recorded = GoldenText(QString::fromLatin1(sheet.name) + QStringLiteral(".txt"));
    const QString codeText = recorded.section(u'\n', 0, 0).section(u' ', 1);
    const SheetCodeParse parsed = ParseSheetCode(codeText);
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << codeText.toStdString();
    EXPECT_EQ(std::get<SheetCode>(parsed), sheet.code);
}

OperationRow OperationOfSign(const QString& sign) {
    const std::map<QString, OperationRow> rows{{QStringLiteral("+"), OperationRow::Add},
                                               {QStringLiteral("-"), OperationRow::Subtract},
                                               {QStringLiteral("*"), OperationRow::Multiply},
                                               {DivideSignText(), OperationRow::Divide}};
    return rows.at(sign);
}

// The recorded sheets themselves keep their rules: a golden file cannot hold a fault.
TEST_P(GoldenSheetTest, RuledSheetHoldsOnlyProblemsItsRulesAllow) {
    const SheetSettings& settings = GetParam().code.settings;
    const ProblemSettings problemSettings{settings.operation, settings.lowest, settings.highest,
                                          settings.allowNegative};
    for (const ProblemEntry& problem : ComposeSheet(GetParam().code).problems) {
        const OperationRow operation = OperationOfSign(problem.operatorSign);
        const std::vector<WeightedPair> allowed =
            AllowedPairs(operation, problemSettings, settings.rules);
        const bool found = std::ranges::any_of(allowed, [&problem](const WeightedPair& pair) {
            return pair.first == problem.first && pair.second == problem.second;
        });
        EXPECT_TRUE(found) << problem.first << " " << problem.operatorSign.toStdString() << " "
                           << problem.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, GoldenSheetTest, ::testing::ValuesIn(kGoldenSheets),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(GoldenClassSet, LaterSheetsFollowFromTheFirstCode) {
    EXPECT_EQ(ClassSetDump().toStdString(),
              GoldenText(QStringLiteral("class_set.txt")).toStdString());
}

}  // namespace
}  // namespace tallyworth::sheet_golden

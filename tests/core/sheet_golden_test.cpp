#include "core/sheet_golden_cases.h"

#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>

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

// A code handed out once, as it was recorded, must bring back the same sheet in every
// later build, and reads back as the settings and seed it was made from.
TEST_P(GoldenSheetTest, RecordedCodeBringsBackTheRecordedProblems) {
    const GoldenSheet& sheet = GetParam();
    const QString recorded = GoldenText(QString::fromLatin1(sheet.name) + QStringLiteral(".txt"));
    const QString codeText = recorded.section(u'\n', 0, 0).section(u' ', 1);
    const SheetCodeParse parsed = ParseSheetCode(codeText);
    ASSERT_EQ(parsed, SheetCodeParse(sheet.code)) << codeText.toStdString();
    EXPECT_EQ(SheetDump(std::get<SheetCode>(parsed)).toStdString(), recorded.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Codes, GoldenSheetTest, ::testing::ValuesIn(kGoldenSheets),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(GoldenClassSet, LaterSheetsFollowFromTheFirstCode) {
    EXPECT_EQ(ClassSetDump().toStdString(),
              GoldenText(QStringLiteral("class_set.txt")).toStdString());
}

}  // namespace
}  // namespace tallyworth::sheet_golden

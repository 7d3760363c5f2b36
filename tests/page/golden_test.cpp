#include "page/build_test.h"
#include "page/page_dump.h"
#include "page/page_fill.h"
#include "page/page_layout.h"

#include "page_test_support.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>

#include <string>

// Each worksheet below is composed from a fixed seed, so its page dump never changes
// unless the layout, the filling or the composer does. After an intended change,
// regenerate the files and review their diff:
//   TALLYWORTH_UPDATE_GOLDEN=1 ./tallyworth_page_tests --gtest_filter='Golden*'

namespace tallyworth {
namespace {

using page_test::MakeState;
using page_test::Notation;

struct GoldenCase {
    const char* file;
    int operationRow;
    Notation notation;
    int lowest;
    int highest;
    int count;
};

QString GoldenPath(const char* file) {
    return QStringLiteral(TALLYWORTH_TEST_DATA_DIR "/page/golden/") + QString::fromUtf8(file);
}

// The main window's preparation, with solutions shown so that they are dumped too.
QByteArray PreparedDump(const GoldenCase& golden) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(golden.operationRow, golden.notation);
    page_test::SeededRandomSource source;
    page_test::QuietComposerHost host;
    page_test::RecordingReporter reporter;
    state.gShowSolutions = true;
    HideEverything(page);
    ArrangeFields(page, state);
    BuildTest(state, page, source, host, reporter, static_cast<std::int16_t>(golden.lowest),
              static_cast<std::int16_t>(golden.highest), static_cast<std::int16_t>(golden.count));
    SetSolutionsVisible(page, state, state.gCurrentPage, state.gShowSolutions);
    EXPECT_TRUE(reporter.failures.isEmpty()) << page_test::Joined(reporter.failures);
    return DumpVisibleControls(page).toUtf8();
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, PageDumpMatchesTheRecordedOne) {
    const GoldenCase& golden = GetParam();
    const QByteArray dump = PreparedDump(golden);
    QFile file(GoldenPath(golden.file));
    if (qEnvironmentVariableIntValue("TALLYWORTH_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(dump), dump.size());
        GTEST_SKIP() << "rewrote " << golden.file;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing golden " << golden.file;
    const QByteArray recorded = file.readAll();
    EXPECT_EQ(dump.toStdString(), recorded.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, Golden,
    ::testing::Values(
        GoldenCase{"addition.txt", page_test::kAdd, Notation::LineAndDots, 1, 12, 12},
        GoldenCase{"subtraction.txt", page_test::kSubtract, Notation::LineAndDots, 1, 12, 12},
        GoldenCase{"multiplication.txt", page_test::kMultiply, Notation::LineAndDots, 1, 12, 12},
        GoldenCase{"division_line_and_dots.txt", page_test::kDivide, Notation::LineAndDots, 1, 12,
                   12},
        GoldenCase{"division_upside_down_seven.txt", page_test::kDivide, Notation::UpsideDownSeven,
                   1, 12, 12},
        GoldenCase{"mix.txt", page_test::kMix, Notation::LineAndDots, 1, 12, 12}),
    [](const ::testing::TestParamInfo<GoldenCase>& param) {
        std::string name = param.param.file;
        name = name.substr(0, name.find('.'));
        std::erase(name, '_');
        return name;
    });

}  // namespace
}  // namespace tallyworth

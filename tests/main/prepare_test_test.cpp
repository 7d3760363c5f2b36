#include "main/prepare_test.h"
#include "core/operations.h"
#include "page/page_controls.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QStringList>

#include <random>

namespace tallyworth {
namespace {

struct CellNumbersCase {
    const char* lowest;
    const char* highest;
    bool asks;
};

// Readable test names.
void PrintTo(const CellNumbersCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "'" << c.lowest << "' to '" << c.highest << "'";
}

class CellNumbersTest : public ::testing::TestWithParam<CellNumbersCase> {};

TEST_P(CellNumbersTest, OnlySixtyOneToSixtyTwoAsksForCellNumbers) {
    const CellNumbersCase& c = GetParam();
    const SettingsTexts texts{QString::fromLatin1(c.lowest), QString::fromLatin1(c.highest),
                              QStringLiteral("10")};
    EXPECT_EQ(AsksForCellNumbers(texts), c.asks) << c.lowest << " " << c.highest;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CellNumbersTest,
    ::testing::Values(CellNumbersCase{"61", "62", true}, CellNumbersCase{"61.0", "62.0", true},
                      CellNumbersCase{" 61 ", "62", true}, CellNumbersCase{"61", "63", false},
                      CellNumbersCase{"60.6", "62", false}, CellNumbersCase{"62", "61", false},
                      CellNumbersCase{"1", "9", false}, CellNumbersCase{"", "62", false}));

class RunningRandomSource final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed() override {}

  private:
    std::mt19937 engine_{7U};
};

class RecordingHost final : public PreparationHost {
  public:
    void SetProgressRange(int minimum, int maximum) override {
        events << QStringLiteral("range %1-%2").arg(minimum).arg(maximum);
    }
    void SetProgressValue(int value) override { lastValue = value; }
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
    void SetProgressVisible(bool visible) override {
        events << (visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    QStringList events;
    int lastValue = 0;
};

class SilentReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& text) override { failures << text; }
    QStringList failures;
};

class NullList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

class PrepareTestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NullList list;
        InitGlobals(state, list);
    }
    void Prepare(const char* lowest, const char* highest, const char* count) {
        PrepareTest(
            state, page,
            {QString::fromLatin1(lowest), QString::fromLatin1(highest), QString::fromLatin1(count)},
            source, host, reporter);
    }
    static int Visible(const PageControls& page) {
        int visible = 0;
        for (const PageLabel& label : page.lblValue) {
            visible += label.Visible ? 1 : 0;
        }
        return visible;
    }

    WorksheetState state;
    PageControls page = MakeDesignPageControls();
    RunningRandomSource source;
    RecordingHost host;
    SilentReporter reporter;
};

TEST_F(PrepareTestTest, FillsPageOneAndHidesTheProgressBarAtTheEnd) {
    Prepare("1", "9", "30");
    EXPECT_EQ(state.gNumberOfProblems, 30);
    EXPECT_EQ(state.gCurrentPage, 1);
    EXPECT_EQ(Visible(page), 60);
    ASSERT_GE(host.events.size(), 2);
    EXPECT_EQ(host.events.front(), QStringLiteral("shown"));
    EXPECT_EQ(host.events.back(), QStringLiteral("hidden"));
    EXPECT_TRUE(host.events.contains(QStringLiteral("range 1-30")));
    EXPECT_EQ(host.lastValue, 30);
    EXPECT_TRUE(reporter.failures.isEmpty());
}

TEST_F(PrepareTestTest, ClearsTheCellsOfTheWorksheetBefore) {
    Prepare("1", "9", "100");
    Prepare("1", "9", "5");
    EXPECT_EQ(Visible(page), 10);
}

TEST_F(PrepareTestTest, AppliesTheSolutionsSwitch) {
    state.gShowSolutions = true;
    Prepare("1", "9", "12");
    int shown = 0;
    for (const PageLabel& label : page.lblSolution) {
        shown += label.Visible ? 1 : 0;
    }
    EXPECT_EQ(shown, 12);
}

TEST_F(PrepareTestTest, CellNumberingIsDecidedAnewEachTime) {
    Prepare("61", "62", "10");
    EXPECT_TRUE(state.gShowCellNumbers);
    Prepare("1", "9", "10");
    EXPECT_FALSE(state.gShowCellNumbers);
}

TEST_F(PrepareTestTest, UnreadableTextsLeaveAnEmptyPageAndAHiddenBar) {
    Prepare("1", "9", "30");
    Prepare("x", "9", "30");
    EXPECT_EQ(Visible(page), 0);
    EXPECT_EQ(host.events.back(), QStringLiteral("hidden"));
}

}  // namespace
}  // namespace tallyworth

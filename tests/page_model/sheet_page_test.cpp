#include "page_model/sheet_page.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/sheet_composer.h"
#include "page_model/page_dump.h"
#include "page_model/prepare_worksheet.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tallyworth {
namespace {

// The main window as the preparation step sees it, with its negative-results switch.
class WindowHost final : public PreparationHost {
  public:
    explicit WindowHost(bool allowNegative) : allowNegative_(allowNegative) {}
    void SetProgressVisible(bool /*visible*/) override {}
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return allowNegative_; }

  private:
    bool allowNegative_;
};

class NoFailure final : public FailureReporter {
  public:
    void ReportFailure(const QString& text) override { ADD_FAILURE() << text.toStdString(); }
};

// The page as the windows make it: the settings typed into the main window, View drawing
// from the code's seed, then the page and the solutions chosen in the page window.
PageControls WindowPage(const SheetCode& code, int pageNo, bool solutions) {
    const SheetSettings& settings = code.settings;
    WorksheetState state = testing_support::MakeState(
        settings.operation, {},
        settings.upsideDownSeven ? testing_support::Notation::UpsideDownSeven
                                 : testing_support::Notation::LineAndDots);
    state.showSolutions = solutions;
    PageControls page = MakeDesignPageControls();
    SeededRandomSource source(code.seed);
    WindowHost host(settings.allowNegative);
    NoFailure reporter;
    const SettingsTexts texts{QString::number(settings.lowest), QString::number(settings.highest),
                              QString::number(settings.count)};
    PrepareTest(state, page, texts, source, host, reporter);
    state.currentPage = static_cast<std::int16_t>(pageNo);
    DisplayProblems(page, state, state.currentPage, reporter);
    return page;
}

struct SheetPageCase {
    const char* name;
    SheetCode code;
    int pageNo;
    bool answerKey;
};

// clang-format off
const std::array kSheetPages{
    SheetPageCase{"Addition", {{OperationRow::Add, 1, 9, 10, false, false}, 0x2A}, 1, false},
    SheetPageCase{"NegativeSubtractionKey", {{OperationRow::Subtract, 3, 40, 100, true, false}, 0x5EED}, 1, true},
    SheetPageCase{"DivisionSecondPageKey", {{OperationRow::Divide, 2, 12, 80, false, true}, 7}, 2, true},
};
// clang-format on

class MakeSheetPageTest : public ::testing::TestWithParam<SheetPageCase> {};

TEST_P(MakeSheetPageTest, FillsThePageAsTheWindowsWouldFromTheSameSeed) {
    const SheetPageCase& sheetCase = GetParam();
    const SheetPage made = MakeSheetPage(sheetCase.code, sheetCase.pageNo, sheetCase.answerKey);
    ASSERT_TRUE(made.ok) << made.failure.toStdString();
    EXPECT_EQ(
        DumpVisibleControls(made.page),
        DumpVisibleControls(WindowPage(sheetCase.code, sheetCase.pageNo, sheetCase.answerKey)));
}

INSTANTIATE_TEST_SUITE_P(Sheets, MakeSheetPageTest, ::testing::ValuesIn(kSheetPages),
                         [](const auto& param) { return std::string(param.param.name); });

// A code of a version this program cannot compose makes no page, rather than a page of
// the cells' design captions; nor does a page the sheet does not have.
TEST(MakeSheetPage, SaysSoWhenTheSheetCannotBeComposedOrHasNoSuchPage) {
    const SheetPage made =
        MakeSheetPage({{OperationRow::Add, 1, 9, 10, false, false}, 0, 9}, 1, false);
    EXPECT_FALSE(made.ok);
    EXPECT_TRUE(made.failure.contains("could not be composed")) << made.failure.toStdString();
    const SheetPage pageZero =
        MakeSheetPage({{OperationRow::Add, 1, 9, 10, false, false}, 0}, 0, false);
    EXPECT_FALSE(pageZero.ok);
    EXPECT_EQ(pageZero.failure.toStdString(), "DisplayProblems(): Subscript out of range");
}

}  // namespace
}  // namespace tallyworth

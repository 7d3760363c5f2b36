#include "support/cups_harness.h"
#include "support/fake_user_interfaces.h"
#include "support/test_doubles.h"
#include "windows/main_window.h"
#include "windows/page_window.h"
#include "windows/qt_user_interfaces.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tallyworth::print_test {
namespace {

// The program's windows with the real printer and PDF output, recording their messages.
class WindowPrintTest : public SchedulerTest, protected testing_support::FakeUserInterfaces {
  protected:
    WindowPrintTest() : SchedulerTest("letter") {}

    WorksheetState state;
    SystemPageOutput realOutput;
    testing_support::ScriptedRandomSource source{8511U};
    MainWindow window{state, Bundle(realOutput), source};
};

// The second page of a division of 60 is viewed and printed from the page window's menu;
// each of its problems prints as it reads.
TEST_F(WindowPrintTest, PrintsThePageTheWindowsShow) {
    window.show();
    window.findChild<QLineEdit*>("txtMinValue")->setText("1");
    window.findChild<QLineEdit*>("txtMaxValue")->setText("9");
    window.findChild<QLineEdit*>("txtNoOfProblems")->setText("60");
    window.findChild<QListWidget*>("lbOperation")
        ->setCurrentRow(testing_support::ListPosition(OperationRow::Divide));
    window.findChild<QPushButton*>("cmdView")->click();
    const PageWindow* page = window.ExistingPageWindow();
    ASSERT_NE(page, nullptr);
    page->findChild<QAction*>("mnuPage2")->trigger();
    page->findChild<QAction*>("mnuPrint")->trigger();
    EXPECT_TRUE(messages.shown.empty());
    const std::vector<PdfPage> sheets = PrintedSheets();
    ASSERT_EQ(sheets.size(), 1U);
    const PrintedPage shown = PrintedPageOf(page->Controls(), SignsOf({}, QLocale::English));
    EXPECT_EQ(shown.problems.size(), 10U);
    ExpectProblemsAt(shown, sheets[0], kMarginInches);
}

}  // namespace
}  // namespace tallyworth::print_test

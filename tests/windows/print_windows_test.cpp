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

#include <array>
#include <string>

namespace tallyworth::print_test {
namespace {

struct WindowCase {
    const char *name, *setup;    // the printer's queue
    const char *lowest, *count;  // highest is 9
    OperationRow operation;
    const char* steps;         // cmd...: the main window's buttons; mnu...: the page window's menu
    std::size_t printedWords;  // 0: nothing may be printed
    const char* messageTitle;  // of every message shown; nullptr: no message
    bool pageShown;            // afterwards
};

// A grid problem prints two numbers, an operator and its solution when shown; a division
// problem two numbers.
// clang-format off
const std::array kWindowCases{
    WindowCase{"PrintButtonPrintsADivisionUnviewed", "letter", "1", "20", OperationRow::Divide, "cmdPrint", 40, nullptr, false},
    WindowCase{"PrintMenuPrintsThePageShown", "letter", "1", "60", OperationRow::Divide, "cmdView mnuPage2 mnuPrint", 20, nullptr, true},
    WindowCase{"NoPrinterIsReported", "none", "1", "10", OperationRow::Add, "cmdView mnuPrint", 0, "Tallyworth", true},
};
// clang-format on

// The program's windows with the real printer and PDF output, recording their messages.
class WindowPrintTest : public SchedulerTest, public ::testing::WithParamInterface<WindowCase> {
  protected:
    WindowPrintTest() : SchedulerTest(GetParam().setup) {}

    WorksheetState state;
    testing_support::RecordingMessages messages;
    testing_support::ScriptedColors colors;
    testing_support::ScriptedFiles files;
    testing_support::ScriptedSheetCodes sheetCodes;
    testing_support::ScriptedClassSets classSets;
    testing_support::ScriptedPrinters printers;
    SystemPageOutput output;
    FixedFractions fractions;
    MainWindow window{
        state, UserInterfaces{messages, colors, files, output, sheetCodes, classSets, printers},
        fractions};
};

TEST_P(WindowPrintTest, PrintsThePageTheWindowsMake) {
    const WindowCase& flow = GetParam();
    window.show();
    window.findChild<QLineEdit*>("txtMinValue")->setText(flow.lowest);
    window.findChild<QLineEdit*>("txtMaxValue")->setText("9");
    window.findChild<QLineEdit*>("txtNoOfProblems")->setText(flow.count);
    window.findChild<QListWidget*>("lbOperation")
        ->setCurrentRow(testing_support::ListPosition(flow.operation));
    for (const QString& step : QString::fromLatin1(flow.steps).split(u' ')) {
        const bool button = step.startsWith("cmd");
        const PageWindow* page = window.ExistingPageWindow();
        QObject* control = button ? static_cast<QObject*>(window.findChild<QPushButton*>(step))
                           : page ? page->findChild<QAction*>(step)
                                  : nullptr;
        ASSERT_NE(control, nullptr) << step.toStdString();
        QMetaObject::invokeMethod(control, button ? "click" : "trigger");
    }
    EXPECT_EQ(messages.shown.empty(), flow.messageTitle == nullptr);
    for (const auto& message : messages.shown) {
        EXPECT_EQ(message.title, flow.messageTitle) << message.text.toStdString();
    }
    const PageWindow* page = window.ExistingPageWindow();
    EXPECT_EQ(page != nullptr && page->isVisible(), flow.pageShown);
    const std::vector<PdfPage> sheets = PrintedSheets();
    ASSERT_EQ(sheets.size(), flow.printedWords == 0 ? 0U : 1U);
    if (!sheets.empty()) {
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(sheets[0].words.size(), flow.printedWords);
        ExpectCaptionsAt(page->Controls(), sheets[0], kMarginInches);
    }
}

INSTANTIATE_TEST_SUITE_P(Flows, WindowPrintTest, ::testing::ValuesIn(kWindowCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth::print_test

#include "windows/main_window.h"
#include "page_model/page_dump.h"
#include "support/fake_user_interfaces.h"
#include "windows/page_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>
#include <tuple>

namespace tallyworth {
namespace {

using testing_support::RecordedMessage;
constexpr int kSubtract = 1;
constexpr int kDivide = 3;

RecordedMessage Oops(const char* text, MessageIcon icon = MessageIcon::Information) {
    return {QStringLiteral("oops"), QString::fromLatin1(text), icon};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(); }
    void Open() {
        window = std::make_unique<MainWindow>(
            state, UserInterfaces{messages, colors, files, output}, source);
        window->show();
    }
    template <typename Widget = QWidget>
    Widget* Control(const char* name) const {
        return window->findChild<Widget*>(name);
    }
    void View(const char* lowest, const char* highest, const char* count, int row = 0) const {
        Control<QLineEdit>("txtMinValue")->setText(QString::fromLatin1(lowest));
        Control<QLineEdit>("txtMaxValue")->setText(QString::fromLatin1(highest));
        Control<QLineEdit>("txtNoOfProblems")->setText(QString::fromLatin1(count));
        Control<QListWidget>("lbOperation")->setCurrentRow(row);
        QTest::mouseClick(Control("cmdView"), Qt::LeftButton);
    }
    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }
    [[nodiscard]] const PageControls& Cells() const { return Page()->Controls(); }
    void Trigger(const char* name) const { Page()->findChild<QAction*>(name)->trigger(); }

    WorksheetState state;
    testing_support::RecordingMessages messages;
    testing_support::ScriptedColors colors;
    testing_support::ScriptedFiles files;
    testing_support::SucceedingOutput output;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsWithTheDefaultsAndShowsExtraChoicesPerOperation) {
    QStringList texts{Control<QLineEdit>("txtMinValue")->text(),
                      Control<QLineEdit>("txtMaxValue")->text(),
                      Control<QLineEdit>("txtNoOfProblems")->text()};
    auto* list = Control<QListWidget>("lbOperation");
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    texts << list->currentItem()->text();
    EXPECT_EQ(texts, QStringList({"1", "9", "10", "+", "-", "*", QChar(0x00F7), "Mix", "+"}));
    EXPECT_TRUE(Control<QAbstractButton>("optLineAndDots")->isChecked());
    EXPECT_EQ(state.divisionSymbol, QStringLiteral("%"));
    for (const char* hidden :
         {"cbAllowNegResults", "cbFractions", "frameDivisionSymbol", "pbTest"}) {
        EXPECT_FALSE(Control(hidden)->isVisible()) << hidden;
    }
    EXPECT_EQ(window->focusWidget(), Control("txtNoOfProblems"));
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        EXPECT_EQ(Control("cbAllowNegResults")->isVisible(), row == kSubtract) << row;
        EXPECT_EQ(Control("frameDivisionSymbol")->isVisible(), row == kDivide) << row;
        if (row == kSubtract) {
            QTest::mouseClick(Control("cbAllowNegResults"), Qt::LeftButton);
        }
    }
    list->setCurrentRow(kSubtract);  // the tick was kept while the box was hidden
    EXPECT_TRUE(Control<QAbstractButton>("cbAllowNegResults")->isChecked());
}

TEST_F(MainWindowTest, FailingSettingsShowOnlyTheirMessagesAndKeepThePage) {
    // clang-format off
    // Lowest, highest, operation row, whether the focus cannot move to Lowest, the messages.
    const std::tuple<const char*, const char*, int, bool, std::vector<RecordedMessage>> cases[] = {
        {"0", "0", kDivide, false, {Oops("Highest Number must be between 1 and 99."), Oops("Lowest Number must be between 1 and 99."), Oops("Lowest Number cannot equal Highest Number."), Oops("You can't divide by zero.")}},
        {"", "abc", 0, false, {Oops("Please check your Highest Number.", MessageIcon::Stop)}},
        {"5", "5", 0, true, {Oops("Lowest Number cannot equal Highest Number."), Oops("Please check your input.", MessageIcon::Stop)}}};
    // clang-format on
    QTest::keyClick(Control("txtNoOfProblems"), Qt::Key_Return);  // Enter runs View
    ASSERT_NE(Page(), nullptr);
    const QString before = DumpVisibleControls(Cells());
    for (const auto& [lowest, highest, row, lowestDisabled, expected] : cases) {
        messages.shown.clear();
        Control("txtMinValue")->setEnabled(!lowestDisabled);
        View(lowest, highest, "10", row);
        EXPECT_EQ(messages.shown, expected) << lowest << " " << highest;
        EXPECT_EQ(DumpVisibleControls(Cells()), before);
    }
}

TEST_F(MainWindowTest, EachViewComposesAFreshWorksheetWithSolutionsHiddenAndItsCellMode) {
    View("1", "9", "20");
    ASSERT_TRUE(Page()->isVisible());
    const QString first = DumpVisibleControls(Cells());
    for (const int solutions : {20, 0, 20}) {
        Trigger("mnuShowSolutions");
        EXPECT_EQ(std::ranges::count_if(Cells().solutionLabels, &PageLabel::visible), solutions);
    }
    View("1", "9", "20");
    EXPECT_NE(DumpVisibleControls(Cells()), first);
    EXPECT_EQ(std::ranges::count_if(Cells().solutionLabels, &PageLabel::visible), 0);
    EXPECT_EQ(Page()->findChild<QAction*>("mnuShowSolutions")->text(), QStringLiteral("&Show"));
    // Texts that no longer read as numbers leave an empty page, and still the bar goes.
    PrepareTest(state, Page()->Controls(), {"x", "9", "20"}, source, *window, *Page());
    EXPECT_TRUE(DumpVisibleControls(Cells()).trimmed().isEmpty());
    EXPECT_FALSE(Control("pbTest")->isVisible());
    const std::tuple<const char*, const char*, bool> cellModes[] = {
        {"61", "62", true}, {"1", "9", false}, {"61.0", "62.0", true}, {"61", "63", false}};
    for (const auto& [lowest, highest, numbered] : cellModes) {
        View(lowest, highest, "10");
        EXPECT_EQ(state.showCellNumbers, numbered) << lowest << " " << highest;
    }
}

TEST_F(MainWindowTest, OnlyDivisionOfMoreThanFiftyHasASecondPageAndItTakesTheColour) {
    View("1", "9", "51", kDivide);
    colors.next = 0xFF0000;
    Trigger("mnuColorPicker");
    Trigger("mnuPage2");
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(Cells().valueLabels[100].foreColor, 0xFF0000U);
    EXPECT_EQ(Cells().line1[50].borderColor, 0xFF0000U);
    Page()->ColorEverything(0x00FF00);
    colors.next.reset();  // a cancelled dialog applies the colour it was offered
    Trigger("mnuColorPicker");
    EXPECT_EQ(Cells().valueLabels[101].foreColor, 0xFF0000U);
    View("1", "9", "50", kDivide);
    Trigger("mnuPage2");
    Trigger("mnuPage1");
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_EQ(messages.shown,
              std::vector{Oops("Only the division test with 50 or more problems has two pages")});
}

// What a print that went through still says (a worksheet held in a paused queue) comes
// as information, from the Print button and from the page window's menu alike.
TEST_F(MainWindowTest, APrintsNoticeIsShownAsInformationAfterThePrint) {
    output.printNotice = QStringLiteral(
        "The printer \"office\" is paused. The worksheet waits in its queue until the printer "
        "is resumed.");
    QTest::mouseClick(Control("cmdPrint"), Qt::LeftButton);
    Trigger("mnuPrint");
    const RecordedMessage notice{"Tallyworth", output.printNotice, MessageIcon::Information};
    EXPECT_EQ(messages.shown, (std::vector{notice, notice}));
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithEveryWindow) {
    for (const bool byMenu : {true, false}) {
        Open();
        View("1", "9", "10");
        Control<QAction>("mnuAbout")->trigger();
        Control<QAction>("mnuAbout")->trigger();
        EXPECT_EQ(window->findChildren<AboutBox*>().size(), 1);
        const QSignalSpy ending(window.get(), &MainWindow::ProgramEnding);
        byMenu ? Control<QAction>("mnuClose")->trigger() : void(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(ending.count(), 1) << byMenu;
        EXPECT_FALSE(window->isVisible() || Page()->isVisible());
        EXPECT_EQ(window->OpenAboutBox(), nullptr);
    }
}

}  // namespace
}  // namespace tallyworth

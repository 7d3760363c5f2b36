#include "main/main_window.h"
#include "page/fake_user_interfaces.h"
#include "page/page_dump.h"
#include "page/page_window.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <random>

namespace tallyworth {
namespace {

using testing_support::FakeUserInterfaces;
using testing_support::RecordedMessage;

const QString kOops = QStringLiteral("oops");

// Never repeats itself, so every composition differs from the one before.
class RunningRandomSource final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed() override {}

  private:
    std::mt19937 engine_{11U};
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(state, fakes.Bundle(), source);
        window->show();
    }
    void TearDown() override { window.reset(); }

    template <typename Widget>
    Widget* Control(const char* name) const {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Type(const char* field, const QString& text) const {
        auto* edit = Control<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    void Settings(const QString& lowest, const QString& highest, const QString& count,
                  int row) const {
        Type("txtMinValue", lowest);
        Type("txtMaxValue", highest);
        Type("txtNoOfProblems", count);
        Control<QListWidget>("lbOperation")->setCurrentRow(row);
    }

    void Click(const char* button) const {
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }

    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }

    QAction* PageAction(const char* name) const {
        return Page()->findChild<QAction*>(QString::fromLatin1(name));
    }

    [[nodiscard]] QString Captions() const {
        QString captions;
        for (const PageLabel& label : Page()->Controls().lblValue) {
            captions += label.Caption + QLatin1Char(',');
        }
        return captions;
    }

    [[nodiscard]] int VisibleSolutions() const {
        int shown = 0;
        for (const PageLabel& label : Page()->Controls().lblSolution) {
            shown += label.Visible ? 1 : 0;
        }
        return shown;
    }

    WorksheetState state;
    FakeUserInterfaces fakes;
    RunningRandomSource source;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsWithTheDefaultSettings) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmTallyworth"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallyworth"));
    EXPECT_EQ(Control<QLineEdit>("txtMinValue")->text(), QStringLiteral("1"));
    EXPECT_EQ(Control<QLineEdit>("txtMaxValue")->text(), QStringLiteral("9"));
    EXPECT_EQ(Control<QLineEdit>("txtNoOfProblems")->text(), QStringLiteral("10"));
    auto* list = Control<QListWidget>("lbOperation");
    ASSERT_EQ(list->count(), 5);
    const QStringList symbols{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"),
                              QString(QChar(0x00F7)), QStringLiteral("Mix")};
    for (int row = 0; row < list->count(); ++row) {
        EXPECT_EQ(list->item(row)->text(), symbols[row]);
    }
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("+"));
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(4))));
    EXPECT_TRUE(Control<QRadioButton>("optLineAndDots")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("optUpsidedownSeven")->isChecked());
    EXPECT_EQ(Control<QRadioButton>("optLineAndDots")->text(), QString(QChar(0x00F7)));
    EXPECT_EQ(state.gDivisionSymbol, QStringLiteral("%"));
    EXPECT_EQ(state.gOperation, 1);
    EXPECT_FALSE(Control<QCheckBox>("cbAllowNegResults")->isVisible());
    EXPECT_FALSE(Control<QCheckBox>("cbFractions")->isVisible());
    EXPECT_FALSE(Control<QGroupBox>("frameDivisionSymbol")->isVisible());
    EXPECT_FALSE(Control<QProgressBar>("pbTest")->isVisible());
    EXPECT_EQ(window->focusWidget(), Control<QLineEdit>("txtNoOfProblems"));
    EXPECT_EQ(Page(), nullptr);
}

TEST_F(MainWindowTest, HasTheDesignClientAreaAndPlaces) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(394, 272));
    EXPECT_EQ(Control<QLineEdit>("txtMinValue")->geometry(), QRect(236, 12, 45, 25));
    EXPECT_EQ(Control<QLabel>("Label4")->geometry(), QRect(32, 76, 197, 25));
    EXPECT_EQ(Control<QListWidget>("lbOperation")->geometry(), QRect(236, 104, 49, 84));
    EXPECT_EQ(Control<QPushButton>("cmdView")->geometry(), QRect(248, 204, 65, 41));
    EXPECT_EQ(Control<QProgressBar>("pbTest")->geometry(), QRect(0, 247, 394, 25));
    EXPECT_EQ(Control<QRadioButton>("optUpsidedownSeven")->geometry(), QRect(8, 48, 81, 30));
    EXPECT_TRUE(Control<QPushButton>("cmdView")->isDefault());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// The next widget that Tab reaches from the given one.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (!next->isVisible() || !next->isEnabled() ||
                              (next->focusPolicy() & Qt::TabFocus) == 0)) {
        next = next->nextInFocusChain();
    }
    return next;
}

TEST_F(MainWindowTest, TabOrderFollowsTheDesign) {
    const char* order[] = {"txtNoOfProblems", "txtMinValue", "cmdPrint",       "txtMaxValue",
                           "cmdView",         "lbOperation", "txtNoOfProblems"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_EQ(NextTabStop(Control<QWidget>(order[i - 1])), Control<QWidget>(order[i]))
            << order[i - 1];
    }
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
    EXPECT_EQ(Control<QMenu>("mnuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(Control<QMenu>("mnuHelp")->title(), QStringLiteral("&Help"));
    EXPECT_EQ(Control<QAction>("mnuClose")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(Control<QAction>("mnuAbout")->text(), QStringLiteral("&About"));
}

struct SelectionCase {
    int row;
    bool checkBoxShown;
    bool frameShown;
};

// Readable test names.
void PrintTo(const SelectionCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "row " << c.row;
}

class OperationSelectionTest : public MainWindowTest,
                               public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(OperationSelectionTest, ExtraChoicesFollowTheOperation) {
    const SelectionCase& c = GetParam();
    Control<QListWidget>("lbOperation")->setCurrentRow(c.row);
    EXPECT_EQ(Control<QCheckBox>("cbAllowNegResults")->isVisible(), c.checkBoxShown);
    EXPECT_EQ(Control<QGroupBox>("frameDivisionSymbol")->isVisible(), c.frameShown);
    EXPECT_FALSE(Control<QCheckBox>("cbFractions")->isVisible());
    EXPECT_EQ(state.gOperation, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, OperationSelectionTest,
                         ::testing::Values(SelectionCase{0, false, false},
                                           SelectionCase{1, true, false},
                                           SelectionCase{2, false, false},
                                           SelectionCase{3, false, true},
                                           SelectionCase{4, false, false}));

TEST_F(MainWindowTest, NegativeResultsTickSurvivesBeingHidden) {
    auto* list = Control<QListWidget>("lbOperation");
    list->setCurrentRow(1);
    QTest::mouseClick(Control<QCheckBox>("cbAllowNegResults"), Qt::LeftButton);
    EXPECT_TRUE(window->AllowsNegativeResults());
    list->setCurrentRow(0);
    list->setCurrentRow(1);
    EXPECT_TRUE(Control<QCheckBox>("cbAllowNegResults")->isChecked());
}

TEST_F(MainWindowTest, NotationOptionsSetTheDivisionSymbol) {
    Control<QListWidget>("lbOperation")->setCurrentRow(3);
    auto* bracket = Control<QRadioButton>("optUpsidedownSeven");
    QTest::mouseClick(bracket, Qt::LeftButton, {}, QPoint(8, bracket->height() / 2));
    EXPECT_EQ(state.gDivisionSymbol, QString(QChar(0x00F7)));
    auto* dots = Control<QRadioButton>("optLineAndDots");
    QTest::mouseClick(dots, Qt::LeftButton, {}, QPoint(8, dots->height() / 2));
    EXPECT_EQ(state.gDivisionSymbol, QStringLiteral("%"));
}

TEST_F(MainWindowTest, BracketOptionShowsADrawnSignAndHasAName) {
    auto* option = Control<QRadioButton>("optUpsidedownSeven");
    EXPECT_FALSE(option->icon().isNull());
    EXPECT_FALSE(option->accessibleName().isEmpty());
}

TEST_F(MainWindowTest, FailingSettingsShowOnlyTheirMessages) {
    Settings(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), 3);
    Click("cmdView");
    const std::vector<RecordedMessage> expected{
        {kOops, QStringLiteral("Highest Number must be between 1 and 99."),
         MessageIcon::Information},
        {kOops, QStringLiteral("Lowest Number must be between 1 and 99."),
         MessageIcon::Information},
        {kOops, QStringLiteral("Lowest Number cannot equal Highest Number."),
         MessageIcon::Information},
        {kOops, QStringLiteral("You can't divide by zero."), MessageIcon::Information}};
    EXPECT_EQ(fakes.messages.shown, expected);
    EXPECT_EQ(window->focusWidget(), Control<QLineEdit>("txtMinValue"));
    EXPECT_EQ(Page(), nullptr);
    EXPECT_EQ(state.gOperation, 1);
}

TEST_F(MainWindowTest, UnreadableNumberStopsAtItsMessage) {
    Settings(QStringLiteral(""), QStringLiteral("abc"), QStringLiteral("10"), 0);
    Click("cmdView");
    const std::vector<RecordedMessage> expected{
        {kOops, QStringLiteral("Please check your Highest Number."), MessageIcon::Stop}};
    EXPECT_EQ(fakes.messages.shown, expected);
    EXPECT_EQ(window->focusWidget(), Control<QLineEdit>("txtMaxValue"));
}

TEST_F(MainWindowTest, RefusedFocusMoveEndsTheChecksWithAGeneralMessage) {
    Settings(QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("10"), 0);
    Control<QLineEdit>("txtMinValue")->setEnabled(false);
    Click("cmdView");
    const std::vector<RecordedMessage> expected{
        {kOops, QStringLiteral("Lowest Number cannot equal Highest Number."),
         MessageIcon::Information},
        {kOops, QStringLiteral("Please check your input."), MessageIcon::Stop}};
    EXPECT_EQ(fakes.messages.shown, expected);
    EXPECT_EQ(Page(), nullptr);
}

TEST_F(MainWindowTest, FailedViewLeavesThePreviousWorksheet) {
    Click("cmdView");
    const QString before = DumpVisibleControls(Page()->Controls());
    Settings(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("10"), 0);
    Click("cmdView");
    EXPECT_EQ(fakes.messages.Texts(),
              QStringList{QStringLiteral("Lowest Number must be less than or equal to Highest "
                                         "Number!")});
    EXPECT_EQ(DumpVisibleControls(Page()->Controls()), before);
}

TEST_F(MainWindowTest, ViewShowsAFreshWorksheetWithSolutionsHidden) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("20"), 0);
    Click("cmdView");
    ASSERT_NE(Page(), nullptr);
    EXPECT_TRUE(Page()->isVisible());
    const QString first = Captions();
    PageAction("mnuShowSolutions")->trigger();
    EXPECT_EQ(VisibleSolutions(), 20);
    Click("cmdView");
    EXPECT_NE(Captions(), first);
    EXPECT_FALSE(state.gShowSolutions);
    EXPECT_EQ(VisibleSolutions(), 0);
    EXPECT_EQ(PageAction("mnuShowSolutions")->text(), QStringLiteral("&Show"));
    EXPECT_FALSE(Control<QProgressBar>("pbTest")->isVisible());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(MainWindowTest, EnterInAFieldRunsView) {
    QTest::keyClick(Control<QLineEdit>("txtNoOfProblems"), Qt::Key_Return);
    ASSERT_NE(Page(), nullptr);
    EXPECT_TRUE(Page()->isVisible());
}

struct CellModeCase {
    const char* lowest;
    const char* highest;
    bool cellNumbers;
};

// Readable test names.
void PrintTo(const CellModeCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.lowest << " to " << c.highest;
}

class CellModeTest : public MainWindowTest, public ::testing::WithParamInterface<CellModeCase> {};

TEST_P(CellModeTest, SixtyOneToSixtyTwoNumbersTheCells) {
    Settings(QStringLiteral("61"), QStringLiteral("62"), QStringLiteral("10"), 0);
    Click("cmdView");
    Settings(QString::fromLatin1(GetParam().lowest), QString::fromLatin1(GetParam().highest),
             QStringLiteral("10"), 0);
    Click("cmdView");
    EXPECT_EQ(state.gShowCellNumbers, GetParam().cellNumbers);
}

INSTANTIATE_TEST_SUITE_P(Bounds, CellModeTest,
                         ::testing::Values(CellModeCase{"61", "62", true},
                                           CellModeCase{"61.0", "62.0", true},
                                           CellModeCase{"1", "9", false}));

struct SecondPageCase {
    const char* count;
    bool allowed;
};

// Readable test names.
void PrintTo(const SecondPageCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.count << " problems";
}

class SecondPageTest : public MainWindowTest,
                       public ::testing::WithParamInterface<SecondPageCase> {};

TEST_P(SecondPageTest, DivisionOfMoreThanFiftyHasASecondPage) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QString::fromLatin1(GetParam().count), 3);
    Click("cmdView");
    PageAction("mnuPage2")->trigger();
    EXPECT_EQ(state.gCurrentPage, GetParam().allowed ? 2 : 1);
    EXPECT_EQ(fakes.messages.shown.empty(), GetParam().allowed);
}

INSTANTIATE_TEST_SUITE_P(Counts, SecondPageTest,
                         ::testing::Values(SecondPageCase{"51", true},
                                           SecondPageCase{"50", false}));

TEST_F(MainWindowTest, RecolouringReachesPageTwo) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("60"), 3);
    Click("cmdView");
    fakes.colors.next = 0xFF0000;
    PageAction("mnuColorPicker")->trigger();
    PageAction("mnuPage2")->trigger();
    const PageControls& page = Page()->Controls();
    EXPECT_TRUE(page.lblValue[100].Visible);
    EXPECT_EQ(page.lblValue[100].ForeColor, 0xFF0000U);
    EXPECT_EQ(page.Line1[50].BorderColor, 0xFF0000U);
}

TEST_F(MainWindowTest, PrintBuildsPrintsThenHidesThePage) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("40"), 3);
    bool shownWhilePrinting = false;
    int problemsPrinted = 0;
    fakes.output.probe = [&](const PageControls& page) {
        shownWhilePrinting = Page()->isVisible();
        for (const PageLabel& label : page.lblValue) {
            problemsPrinted += label.Visible ? 1 : 0;
        }
    };
    Click("cmdPrint");
    EXPECT_EQ(fakes.output.prints, 1);
    EXPECT_TRUE(shownWhilePrinting);
    EXPECT_EQ(problemsPrinted, 80);
    EXPECT_EQ(state.gOperation, 4);
    EXPECT_FALSE(Page()->isVisible());
}

TEST_F(MainWindowTest, PrintKeepsTheSolutionsSwitch) {
    Click("cmdView");
    PageAction("mnuShowSolutions")->trigger();
    int solutionsPrinted = 0;
    fakes.output.probe = [&](const PageControls& page) {
        for (const PageLabel& label : page.lblSolution) {
            solutionsPrinted += label.Visible ? 1 : 0;
        }
    };
    Click("cmdPrint");
    EXPECT_EQ(solutionsPrinted, 10);
}

TEST_F(MainWindowTest, PrintWithFailingSettingsPrintsNothing) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("0"), 0);
    Click("cmdPrint");
    EXPECT_EQ(fakes.output.prints, 0);
    EXPECT_EQ(fakes.messages.Texts(),
              QStringList{QStringLiteral("Number of Problems must be between 1 and 100.")});
}

TEST_F(MainWindowTest, FailedPrintIsReportedAndTheProgramGoesOn) {
    fakes.output.outcome = {false, QStringLiteral("No printer is set up.")};
    Click("cmdPrint");
    const std::vector<RecordedMessage> expected{
        {QStringLiteral("Tallyworth"), QStringLiteral("No printer is set up."), MessageIcon::Stop}};
    EXPECT_EQ(fakes.messages.shown, expected);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, AboutOpensOneBoxAtATime) {
    Control<QAction>("mnuAbout")->trigger();
    AboutBox* first = window->OpenAboutBox();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    Control<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(window->OpenAboutBox(), first);
    EXPECT_EQ(window->findChildren<AboutBox*>().size(), 1);
}

TEST_F(MainWindowTest, AboutOpensAFreshBoxAfterOk) {
    Control<QAction>("mnuAbout")->trigger();
    QTest::mouseClick(window->OpenAboutBox()->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->OpenAboutBox(), nullptr);
    Control<QAction>("mnuAbout")->trigger();
    ASSERT_NE(window->OpenAboutBox(), nullptr);
    EXPECT_TRUE(window->OpenAboutBox()->isVisible());
}

struct EndingCase {
    const char* name;
    bool byMenu;
};

// Readable test names.
void PrintTo(const EndingCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.name;
}

class ProgramEndTest : public MainWindowTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ProgramEndTest, ClosingTheMainWindowClosesEveryWindow) {
    Click("cmdView");
    Control<QAction>("mnuAbout")->trigger();
    const QSignalSpy ending(window.get(), &MainWindow::programEnding);
    if (GetParam().byMenu) {
        Control<QAction>("mnuClose")->trigger();
    } else {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ending.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(Page()->isVisible());
    EXPECT_EQ(window->OpenAboutBox(), nullptr);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEndTest,
                         ::testing::Values(EndingCase{"menu", true}, EndingCase{"window", false}));

}  // namespace
}  // namespace tallyworth

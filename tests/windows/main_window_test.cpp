#include "windows/main_window.h"
#include "core/rule_words.h"
#include "page_model/page_dump.h"
#include "support/caption_checks.h"
#include "support/fake_user_interfaces.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"
#include "windows/class_set_dialog.h"
#include "windows/page_status_line.h"
#include "windows/page_window.h"
#include "windows/problem_rules_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it
using testing_support::RecordedMessage;
using testing_support::RecordedQuestion;
constexpr int kSubtract = testing_support::ListPosition(OperationRow::Subtract);
constexpr int kDivide = testing_support::ListPosition(OperationRow::Divide);
constexpr int kMultiply = testing_support::ListPosition(OperationRow::Multiply);

RecordedMessage Oops(const char* text, MessageIcon icon = MessageIcon::Information) {
    return {QStringLiteral("oops"), QString::fromLatin1(text), icon};
}

class MainWindowTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override {
        // Counts are shown with the locale's digit grouping; these tests read English.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = std::make_unique<MainWindow>(state, Bundle(), source);
        window->show();
    }
    void TearDown() override {
        window.reset();
        QLocale::setDefault(previousLocale);
    }
    template <typename Widget = QWidget>
    Widget* Control(const char* name) const {
        return window->findChild<Widget*>(name);
    }
    void Enter(const QString& lowest, const QString& highest, const QString& count,
               int row = 0) const {
        Control<QLineEdit>("txtMinValue")->setText(lowest);
        Control<QLineEdit>("txtMaxValue")->setText(highest);
        Control<QLineEdit>("txtNoOfProblems")->setText(count);
        Control<QListWidget>("lbOperation")->setCurrentRow(row);
    }
    // The settings as a user sets them: the fields and choices, and the problem rules.
    void EnterSettings(const SheetSettings& settings) {
        state.problemRules = settings.rules;
        Enter(QString::number(settings.lowest), QString::number(settings.highest),
              QString::number(settings.count), testing_support::ListPosition(settings.operation));
        Control<QAbstractButton>("cbAllowNegResults")->setChecked(settings.allowNegative);
        Control<QAbstractButton>(settings.upsideDownSeven ? "optUpsidedownSeven" : "optLineAndDots")
            ->setChecked(true);
    }
    // What the fields and choices hold.
    [[nodiscard]] QStringList Fields() const {
        QStringList fields;
        for (const char* name : {"txtMinValue", "txtMaxValue", "txtNoOfProblems"}) {
            fields << Control<QLineEdit>(name)->text();
        }
        fields << QString::number(Control<QListWidget>("lbOperation")->currentRow());
        for (const char* name : {"cbAllowNegResults", "optUpsidedownSeven"}) {
            fields << (Control<QAbstractButton>(name)->isChecked() ? "on" : "off");
        }
        return fields;
    }
    void Click(const char* button) const { QTest::mouseClick(Control(button), Qt::LeftButton); }
    void View(const QString& lowest, const QString& highest, const QString& count,
              int row = 0) const {
        Enter(lowest, highest, count, row);
        Click("cmdView");
    }
    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }
    [[nodiscard]] const PageControls& Cells() const { return Page()->Controls(); }
    void Trigger(const char* name) const { Page()->findChild<QAction*>(name)->trigger(); }
    [[nodiscard]] QString CodeShown() const {
        return Page()->StatusLine().PartText(PageStatusLine::Part::SheetCode);
    }
    // Opens the rules dialog from the menu, as the user does.
    ProblemRulesDialog& OpenDialog() const {
        Control<QAction>("mnuProblemRules")->trigger();
        return *window->OpenRulesDialog();
    }

    QLocale previousLocale;
    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

// The fonts the desktop offers can differ; each caption must still show whole.
TEST_F(MainWindowTest, ShowsEveryWholeCaptionInsideItsControl) {
    for (const QWidget* control : testing_support::CaptionedControls(*window)) {
        testing_support::ExpectCaptionFits(*control);
    }
}

// The extra choices show for their operation only; a tick is kept while its box is hidden.
TEST_F(MainWindowTest, ShowsExtraChoicesOnlyForTheirOperation) {
    auto* list = Control<QListWidget>("lbOperation");
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        EXPECT_EQ(Control("cbAllowNegResults")->isVisible(), row == kSubtract) << row;
        EXPECT_EQ(Control("frameDivisionSymbol")->isVisible(), row == kDivide) << row;
        if (row == kSubtract) {
            QTest::mouseClick(Control("cbAllowNegResults"), Qt::LeftButton);
        }
    }
    list->setCurrentRow(kSubtract);
    EXPECT_TRUE(Control<QAbstractButton>("cbAllowNegResults")->isChecked());
}

// A failing check keeps the page and focuses the field its last message names, or View
// when that field cannot take the focus.
TEST_F(MainWindowTest, FailingSettingsKeepThePageAndFocusTheFieldNamed) {
    QTest::keyClick(Control("txtNoOfProblems"), Qt::Key_Return);  // Enter runs View
    ASSERT_NE(Page(), nullptr);
    const QString before = DumpVisibleControls(Cells());
    messages.shown.clear();
    View("", "abc", "10");
    EXPECT_EQ(messages.shown,
              std::vector{Oops("Please check your Highest Number.", MessageIcon::Stop)});
    EXPECT_EQ(window->focusWidget(), Control("txtMaxValue"));
    Control("txtMinValue")->setEnabled(false);
    View("5", "5", "10");
    EXPECT_EQ(messages.shown.back(), Oops("Please check your input.", MessageIcon::Stop));
    EXPECT_EQ(window->focusWidget(), Control("cmdView"));
    EXPECT_EQ(DumpVisibleControls(Cells()), before);
}

TEST_F(MainWindowTest, EachViewComposesAFreshWorksheetWithSolutionsHidden) {
    View("1", "9", "20");
    ASSERT_TRUE(Page()->isVisible());
    const QString first = DumpVisibleControls(Cells());
    Trigger("mnuShowSolutions");
    View("1", "9", "20");
    EXPECT_NE(DumpVisibleControls(Cells()), first);
    EXPECT_EQ(std::ranges::count_if(Cells().solutionLabels, &PageLabel::visible), 0);
    // Texts that no longer read as numbers leave an empty page, and still the bar goes.
    PrepareTest(state, Page()->Controls(), {"x", "9", "20"}, source, *window, *Page());
    EXPECT_TRUE(DumpVisibleControls(Cells()).trimmed().isEmpty());
    EXPECT_FALSE(Control("pbTest")->isVisible());
}

TEST_F(MainWindowTest, OnlyDivisionOfMoreThanFiftyHasASecondPageAndItTakesTheColour) {
    View("1", "9", "51", kDivide);
    colors.next = 0xFF0000;
    Trigger("mnuColorPicker");
    Trigger("mnuPage2");
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(Cells().line1[50].borderColor, 0xFF0000U);
    View("1", "9", "50", kDivide);
    Trigger("mnuPage2");
    Trigger("mnuPage1");
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_EQ(messages.shown,
              std::vector{Oops("Only the division test with more than 50 problems has two pages")});
}

// What a print that went through still says (a worksheet held in a paused queue) comes
// as information, from the Print button and from the page window's menu alike.
TEST_F(MainWindowTest, APrintsNoticeIsShownAsInformationAfterThePrint) {
    output.printNotice = QStringLiteral("The printer \"office\" is paused.");
    QTest::mouseClick(Control("cmdPrint"), Qt::LeftButton);
    Trigger("mnuPrint");
    const RecordedMessage notice{"Tallyworth", output.printNotice, MessageIcon::Information};
    EXPECT_EQ(messages.shown, (std::vector{notice, notice}));
}

// The menu's Close closes the window as the desktop's close button does.
TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithEveryWindow) {
    View("1", "9", "10");
    Control<QAction>("mnuAbout")->trigger();
    const QSignalSpy ending(window.get(), &MainWindow::ProgramEnding);
    Control<QAction>("mnuClose")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ending.count(), 1);
    EXPECT_FALSE(window->isVisible() || Page()->isVisible());
    EXPECT_EQ(window->OpenAboutBox(), nullptr);
}

SheetCode Parsed(const QString& typed) {
    return std::get<SheetCode>(ParseSheetCode(typed));
}

// The code View shows brings back its settings and problems; typed in any form, it takes
// the fields and shows that worksheet again, solutions hidden even when they were shown.
// A cancelled dialog says nothing; a code of settings that make no worksheet says why, and
// neither changes the fields, the page or its code.
TEST_F(MainWindowTest, ViewShowsACodeThatOpenSheetCodeBringsBackWhole) {
    const SheetSettings settings{
        OperationRow::Divide, 2, 12, 60, false, true, {false, 7, Regrouping::Any, true}};
    EnterSettings(settings);
    QTest::mouseClick(Control("cmdView"), Qt::LeftButton);
    const QString code = CodeShown();
    EXPECT_EQ(Parsed(code).seed, source.LastSeed());
    EXPECT_EQ(Page()->StatusLine().PartText(PageStatusLine::Part::Rules),
              RulesSummary(settings.rules));
    const QString viewed = DumpVisibleControls(Cells());
    const QStringList fields = Fields();
    // clang-format off
    const std::pair<std::optional<QString>, std::vector<RecordedMessage>> refusals[] = {
        {std::nullopt, {}},
        {"142J5-40000-QQDW", {Oops("The sheet code holds settings that cannot make a worksheet: Lowest Number must be less than Highest Number!")}}};
    // clang-format on
    for (const auto& [typed, said] : refusals) {
        messages.shown.clear();
        sheetCodes.next = typed;
        Control<QAction>("mnuOpenSheetCode")->trigger();
        EXPECT_EQ(messages.shown, said);
        EXPECT_EQ(Fields(), fields);
        EXPECT_EQ(DumpVisibleControls(Cells()), viewed);
        EXPECT_EQ(CodeShown(), code);
    }
    state.problemRules = {};
    View("1", "9", "10");
    Trigger("mnuShowSolutions");
    sheetCodes.next = code.toLower().replace(u'-', u' ');
    messages.shown.clear();
    Control<QAction>("mnuOpenSheetCode")->trigger();
    EXPECT_EQ(messages.shown, std::vector<RecordedMessage>());
    EXPECT_EQ(CodeShown(), code);
    EXPECT_EQ(DumpVisibleControls(Cells()), viewed);
    EXPECT_EQ(Fields(), fields);
    EXPECT_EQ(state.problemRules, settings.rules);
}

// Cell numbers are no drawn problems: no code brings them back, so none is shown or saved.
// A code with the bounds that ask for them still brings back the problems it was drawn as.
TEST_F(MainWindowTest, CellNumbersShowNoCodeButACodeOfTheirBoundsShowsItsDrawnProblems) {
    View("61.0", "62.0", "20");  // bounds are read as numbers, not matched as texts
    ASSERT_TRUE(state.showCellNumbers);
    EXPECT_TRUE(CodeShown().isEmpty());
    files.next = QStringLiteral("numbers.pdf");
    Trigger("mnuSaveAsPdf");
    const QString code = FormatSheetCode({{OperationRow::Add, 61, 62, 20, false, false}, 0x5EED});
    sheetCodes.next = code;
    Control<QAction>("mnuOpenSheetCode")->trigger();
    EXPECT_FALSE(state.showCellNumbers);
    EXPECT_EQ(CodeShown(), code);
    Trigger("mnuSaveAsPdf");
    EXPECT_EQ(output.saved, (std::vector<std::pair<QString, QString>>{{"numbers.pdf", ""},
                                                                      {"numbers.pdf", code}}));
}

enum class JobEnd { Succeeds, Fails, UserCancels };

struct ClassSetCase {
    const char* name;
    std::optional<ClassSetChoice> choice;  // nothing: the dialog is cancelled
    const char* fileName;                  // nullptr: the save dialog is cancelled
    JobEnd end;
    bool handedOver;  // the set reached the output
};

const ClassSetChoice kToPdf{30, AnswerKeys::AtEnd, false, ClassSetDestination::PdfFile,
                            QPageSize::A4};
const ClassSetChoice kToPrinter{2, AnswerKeys::AfterEach, true, ClassSetDestination::Printer,
                                QPageSize::Letter};
const RecordedMessage kDiskFull{"Tallyworth", "Could not save \"set.pdf\": disk full.",
                                MessageIcon::Stop};

// clang-format off
const std::array kClassSets{
    ClassSetCase{"ToAPdfFile", kToPdf, "set.pdf", JobEnd::Succeeds, true},
    ClassSetCase{"ToAPrinter", kToPrinter, nullptr, JobEnd::Succeeds, true},
    ClassSetCase{"CancelledInItsDialog", std::nullopt, "set.pdf", JobEnd::Succeeds, false},
    ClassSetCase{"CancelledInTheSaveDialog", kToPdf, nullptr, JobEnd::Succeeds, false},
    ClassSetCase{"OutputFails", kToPdf, "set.pdf", JobEnd::Fails, true},
    ClassSetCase{"CancelledWhileMade", kToPdf, "set.pdf", JobEnd::UserCancels, true},
};
// clang-format on

class ClassSetTest : public MainWindowTest, public ::testing::WithParamInterface<ClassSetCase> {};

// The set is made of the settings in the fields, checked first, from a seed of its own; the
// page shown stays as it was. Only a failure is told: a cancel is the user's own doing.
TEST_P(ClassSetTest, HandsTheChosenSetToTheOutputOrStopsWhereTheUserDid) {
    const ClassSetCase& classSet = GetParam();
    View("2", "12", "60", kDivide);
    const QString page = DumpVisibleControls(Cells());
    messages.shown.clear();
    const SheetSettings settings{OperationRow::Mix, 1, 9, 10, true, true};
    EnterSettings(settings);
    classSets.next = classSet.choice;
    files.next =
        classSet.fileName != nullptr ? std::optional<QString>(classSet.fileName) : std::nullopt;
    // Pages are made through the progress the page window hands over; its Cancel stops them.
    output.classSetJob = [this, &classSet](SetProgress& progress) {
        progress.Start(2);
        if (classSet.end == JobEnd::UserCancels) {
            Page()->findChild<ClassSetProgressDialog*>()->cancel();
        }
        if (!progress.Advance(1)) {
            return PrintOutcome::Cancelled();
        }
        return classSet.end == JobEnd::Fails ? PrintOutcome::Failed(kDiskFull.text)
                                             : PrintOutcome::Done();
    };
    Trigger("mnuClassSet");
    EXPECT_EQ(messages.shown, classSet.end == JobEnd::Fails ? std::vector{kDiskFull}
                                                            : std::vector<RecordedMessage>{});
    std::vector<testing_support::RecordedClassSet> handed;
    if (classSet.handedOver) {
        const ClassSetChoice& choice = *classSet.choice;
        const bool pdf = choice.destination == ClassSetDestination::PdfFile;
        handed.push_back(
            {{{settings, source.LastSeed(), 1}, choice.sheets, choice.answerKeys, choice.header},
             choice.destination,
             pdf ? choice.paper : QPageSize::Letter,
             pdf ? classSet.fileName : ""});
    }
    EXPECT_EQ(output.classSets, handed);
    EXPECT_EQ(DumpVisibleControls(Cells()), page);
}

INSTANTIATE_TEST_SUITE_P(Sets, ClassSetTest, ::testing::ValuesIn(kClassSets), kCaseName);

constexpr const char* kOnlyEleven = "Only 11 different problems: some will repeat";
constexpr const char* kCellNumbers =
    "View shows the page of cell numbers for these numbers, and the rules do not apply to it.";
constexpr ProblemRules kNoTrivial{true, 0, Regrouping::Any, false};
constexpr ProblemRules kSevensOnce{true, 7, Regrouping::Any, true};

class ProblemRulesWindowTest : public MainWindowTest {
  protected:
    template <typename Widget = QWidget>
    static Widget* In(const ProblemRulesDialog& dialog, const char* name) {
        return dialog.findChild<Widget*>(name);
    }
    static void Show(ProblemRulesDialog& dialog, const ProblemRules& rules) {
        In<QCheckBox>(dialog, "cbNoTrivial")->setChecked(rules.noTrivial);
        In<QCheckBox>(dialog, "cbFixedNumber")->setChecked(rules.fixedNumber != 0);
        if (rules.fixedNumber != 0) {
            In<QSpinBox>(dialog, "txtFixedNumber")->setValue(rules.fixedNumber);
        }
        In<QComboBox>(dialog, "cboRegrouping")->setCurrentIndex(static_cast<int>(rules.regrouping));
        In<QCheckBox>(dialog, "cbNoRepeats")->setChecked(rules.noRepeats);
    }
    static QString CountShown(const ProblemRulesDialog& dialog) {
        return In<QLabel>(dialog, "lblPossibleProblems")->text();
    }
};

// OK sets the rules and the dialog shows them again; Cancel keeps them. The count of the
// main window's settings follows each change of a rule, or says why there is none.
TEST_F(ProblemRulesWindowTest, OkSetsTheRulesAndCancelKeepsThem) {
    const ProblemRules every{true, 7, Regrouping::Always, true};
    Show(OpenDialog(), every);
    window->OpenRulesDialog()->accept();
    EXPECT_EQ(OpenDialog().Rules(), every);
    ProblemRulesDialog& dialog = OpenDialog();
    Show(dialog, {});
    dialog.reject();
    EXPECT_EQ(state.problemRules, every);
    Enter("1", "12", "20", kMultiply);
    ProblemRulesDialog& counting = OpenDialog();
    EXPECT_EQ(CountShown(counting), QString::fromUtf8(kOnlyEleven));
    Show(counting, {});
    EXPECT_EQ(CountShown(counting), QStringLiteral("144 different problems"));
    Enter("61", "62", "10", kDivide);
    EXPECT_EQ(CountShown(OpenDialog()), QString::fromUtf8(kCellNumbers));
    Enter("x", "9", "10");
    EXPECT_TRUE(CountShown(OpenDialog()).contains(QStringLiteral("nothing to count")));
}

// Tab from the first rule reaches the fixed number, space switches it on, Enter is OK.
TEST_F(ProblemRulesWindowTest, DialogWorksByKeyboardAlone) {
    ProblemRulesDialog& dialog = OpenDialog();
    dialog.activateWindow();
    In(dialog, "cbNoTrivial")->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(state.problemRules, (ProblemRules{false, 2, Regrouping::Any, false}));
}

struct VerdictCase {
    const char* name;
    const char* command;  // cmd...: a main window button; mnu...: a page window item
    const char *lowest, *highest, *count;
    int row;
    ProblemRules rules;
    bool answer;          // to the question about repeats, when it is asked
    bool refused, asked;  // said that nothing fits; asked about repeats
    bool made;            // the page composed anew, or the class set handed over
};

const RecordedMessage kNothingFits{QStringLiteral("oops"), NoProblemFitsMessage().text,
                                   MessageIcon::Information};
const RecordedQuestion kElevenRepeat{
    QStringLiteral("Tallyworth"),
    QStringLiteral("Only 11 different problems fit these settings and rules, so some will "
                   "repeat. Make the worksheet anyway?")};

// The cell-numbering mode of View ignores the rules, while a class set is held to them.
// clang-format off
const std::array kVerdicts{
    VerdictCase{"ViewNothingFits", "cmdView", "50", "99", "10", kDivide, kNoTrivial, true, true, false, false},
    VerdictCase{"ViewRepeatsNo", "cmdView", "1", "12", "20", kMultiply, kSevensOnce, false, false, true, false},
    VerdictCase{"PrintRepeatsYes", "cmdPrint", "1", "12", "20", kMultiply, kSevensOnce, true, false, true, true},
    VerdictCase{"ViewCellNumbersIgnoreTheRules", "cmdView", "61", "62", "10", kDivide, kNoTrivial, false, false, false, true},
    VerdictCase{"ClassSetEnough", "mnuClassSet", "1", "12", "11", kMultiply, kSevensOnce, true, false, false, true},
    VerdictCase{"ClassSetCellNumberBounds", "mnuClassSet", "61", "62", "10", kDivide, kNoTrivial, true, true, false, false},
};
// clang-format on

class VerdictTest : public MainWindowTest, public ::testing::WithParamInterface<VerdictCase> {};

// Like a failing settings check, nothing fitting is said in its own box and composes
// nothing; fewer problems than asked is the user's call. A class set is checked before
// anything about it is asked, and its first code carries the rules.
TEST_P(VerdictTest, ComposesAsksOrRefusesAsTheRulesAllow) {
    const VerdictCase& check = GetParam();
    Click("cmdView");
    const QString before = DumpVisibleControls(Cells());
    messages.shown.clear();
    Enter(check.lowest, check.highest, check.count, check.row);
    state.problemRules = check.rules;
    messages.answer = check.answer;
    classSets.next = kToPdf;
    files.next = QStringLiteral("set.pdf");
    const bool classSet = check.command == std::string("mnuClassSet");
    if (classSet) {
        Trigger(check.command);
    } else {
        Click(check.command);
    }
    EXPECT_EQ(messages.shown,
              check.refused ? std::vector{kNothingFits} : std::vector<RecordedMessage>{});
    EXPECT_EQ(messages.asked,
              check.asked ? std::vector{kElevenRepeat} : std::vector<RecordedQuestion>{});
    EXPECT_EQ(DumpVisibleControls(Cells()) != before, check.made && !classSet);
    EXPECT_EQ(output.prints, check.made && check.command == std::string("cmdPrint") ? 1 : 0);
    ASSERT_EQ(output.classSets.size(), check.made && classSet ? 1U : 0U);
    if (!output.classSets.empty()) {
        const SheetCode& first = output.classSets.front().request.first;
        EXPECT_EQ(std::make_pair(first.version, first.settings.rules),
                  std::make_pair(kPageSheetCodeVersion, check.rules));
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, VerdictTest, ::testing::ValuesIn(kVerdicts), kCaseName);

}  // namespace
}  // namespace tallyworth

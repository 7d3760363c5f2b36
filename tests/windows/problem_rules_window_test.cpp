#include "core/rule_words.h"
#include "page_model/page_dump.h"
#include "support/fake_user_interfaces.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"
#include "windows/main_window.h"
#include "windows/page_status_line.h"
#include "windows/page_window.h"
#include "windows/problem_rules_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QSpinBox>
#include <QTest>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::RecordedMessage;
using testing_support::RecordedQuestion;

constexpr OperationRow kAddRow = OperationRow::Add;
constexpr OperationRow kSubtractRow = OperationRow::Subtract;
constexpr OperationRow kMultiplyRow = OperationRow::Multiply;
constexpr OperationRow kDivideRow = OperationRow::Divide;
constexpr Regrouping kAny = Regrouping::Any;
constexpr Regrouping kAlways = Regrouping::Always;

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// What the main window holds when the rules are looked at or a sheet is asked for.
struct Settings {
    const char *lowest, *highest, *count;
    OperationRow row;
};

class ProblemRulesWindowTest : public ::testing::Test,
                               protected testing_support::FakeUserInterfaces {
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
    void Enter(const Settings& settings) const {
        Control<QLineEdit>("txtMinValue")->setText(QString::fromLatin1(settings.lowest));
        Control<QLineEdit>("txtMaxValue")->setText(QString::fromLatin1(settings.highest));
        Control<QLineEdit>("txtNoOfProblems")->setText(QString::fromLatin1(settings.count));
        Control<QListWidget>("lbOperation")
            ->setCurrentRow(testing_support::ListPosition(settings.row));
    }
    void Click(const char* button) const { QTest::mouseClick(Control(button), Qt::LeftButton); }
    // Opens the dialog from the menu, as the user does.
    ProblemRulesDialog& OpenDialog() const {
        Control<QAction>("mnuProblemRules")->trigger();
        return *window->OpenRulesDialog();
    }
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
    // Sets the rules through the dialog and its OK button.
    void SetRules(const ProblemRules& rules) const {
        ProblemRulesDialog& dialog = OpenDialog();
        Show(dialog, rules);
        dialog.accept();
    }
    [[nodiscard]] QString PageDump() const {
        return DumpVisibleControls(window->ExistingPageWindow()->Controls());
    }

    QLocale previousLocale;
    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

// OK sets the rules and the dialog shows them again; Cancel keeps them.
TEST_F(ProblemRulesWindowTest, OkSetsTheRulesAndCancelKeepsThem) {
    const ProblemRules every{true, 7, kAlways, true};
    SetRules(every);
    EXPECT_EQ(OpenDialog().Rules(), every);
    ProblemRulesDialog& dialog = OpenDialog();
    Show(dialog, {});
    dialog.reject();
    EXPECT_EQ(state.problemRules, every);
    Enter({"x", "9", "10", kAddRow});
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
    EXPECT_EQ(state.problemRules, (ProblemRules{false, 2, kAny, false}));
}

struct VerdictCase {
    const char* name;
    const char* command;  // cmd...: a main window button; mnu...: a page window item
    Settings settings;
    ProblemRules rules;
    bool answer;          // to the question about repeats, when it is asked
    bool refused, asked;  // said that nothing fits; asked about repeats
    bool made;            // the page composed anew, or the class set handed over
    const char* counted;  // the dialog's count of the settings under the rules
};

const RecordedMessage kNothingFits{QStringLiteral("oops"), NoProblemFitsMessage().text,
                                   MessageIcon::Information};
const RecordedQuestion kElevenRepeat{
    QStringLiteral("Tallyworth"),
    QStringLiteral("Only 11 different problems fit these settings and rules, so some will "
                   "repeat. Make the worksheet anyway?")};
constexpr const char* kOnlyEleven = "Only 11 different problems: some will repeat";
constexpr const char* kCellNumbers =
    "View shows the page of cell numbers for these numbers, and the rules do not apply to it.";
constexpr ProblemRules kNoTrivial{true, 0, kAny, false};
constexpr ProblemRules kSevensOnce{true, 7, kAny, true};

// Without rules nothing is asked, however few problems there are; the cell-numbering mode
// of View ignores the rules, while a class set is held to them.
// clang-format off
const std::array kVerdicts{
    VerdictCase{"ViewNothingFits", "cmdView", {"50", "99", "10", kDivideRow}, kNoTrivial, true, true, false, false, "No problem fits these settings and rules"},
    VerdictCase{"ViewRepeatsNo", "cmdView", {"1", "12", "20", kMultiplyRow}, kSevensOnce, false, false, true, false, kOnlyEleven},
    VerdictCase{"PrintRepeatsYes", "cmdPrint", {"1", "12", "20", kMultiplyRow}, kSevensOnce, true, false, true, true, kOnlyEleven},
    VerdictCase{"RulesOffNeverAsk", "cmdView", {"1", "2", "100", kAddRow}, {}, false, false, false, true, "Only 4 different problems: some will repeat"},
    VerdictCase{"ViewCellNumbersIgnoreTheRules", "cmdView", {"61", "62", "10", kDivideRow}, kNoTrivial, false, false, false, true, kCellNumbers},
    VerdictCase{"ClassSetEnough", "mnuClassSet", {"1", "12", "11", kMultiplyRow}, kSevensOnce, true, false, false, true, "11 different problems"},
    VerdictCase{"ClassSetCellNumberBounds", "mnuClassSet", {"61", "62", "10", kDivideRow}, kNoTrivial, true, true, false, false, kCellNumbers},
};
// clang-format on

class VerdictTest : public ProblemRulesWindowTest,
                    public ::testing::WithParamInterface<VerdictCase> {};

// Like a failing settings check, nothing fitting is said in its own box and composes
// nothing; fewer problems than asked is the user's call. A class set is checked before
// anything about it is asked, and its first code carries the rules.
TEST_P(VerdictTest, ComposesAsksOrRefusesAsTheRulesAllow) {
    const VerdictCase& check = GetParam();
    Click("cmdView");
    const QString before = PageDump();
    messages.shown.clear();
    Enter(check.settings);
    ProblemRulesDialog& dialog = OpenDialog();
    Show(dialog, check.rules);  // the count follows each change of a rule
    EXPECT_EQ(CountShown(dialog), QString::fromUtf8(check.counted));
    dialog.accept();
    messages.answer = check.answer;
    classSets.next = ClassSetChoice{3, AnswerKeys::AfterEach, true, ClassSetDestination::PdfFile,
                                    QPageSize::Letter};
    files.next = QStringLiteral("set.pdf");
    const bool classSet = check.command == std::string("mnuClassSet");
    if (classSet) {
        window->ExistingPageWindow()->findChild<QAction*>(check.command)->trigger();
    } else {
        Click(check.command);
    }
    EXPECT_EQ(messages.shown,
              check.refused ? std::vector{kNothingFits} : std::vector<RecordedMessage>{});
    EXPECT_EQ(messages.asked,
              check.asked ? std::vector{kElevenRepeat} : std::vector<RecordedQuestion>{});
    EXPECT_EQ(PageDump() != before, check.made && !classSet);
    EXPECT_EQ(output.prints, check.made && check.command == std::string("cmdPrint") ? 1 : 0);
    ASSERT_EQ(output.classSets.size(), check.made && classSet ? 1U : 0U);
    if (!output.classSets.empty()) {
        const SheetCode& first = output.classSets.front().request.first;
        EXPECT_EQ(std::make_pair(first.version, first.settings.rules),
                  std::make_pair(2, check.rules));
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, VerdictTest, ::testing::ValuesIn(kVerdicts), kCaseName);

// The status line names the rules the page was made under, beside its code.
TEST_F(ProblemRulesWindowTest, StatusLineNamesTheRulesOfThePage) {
    const ProblemRules rules{true, 9, kAlways, true};
    SetRules(rules);
    Enter({"1", "99", "81", kSubtractRow});
    Click("cmdView");
    ASSERT_NE(window->ExistingPageWindow(), nullptr);
    EXPECT_EQ(window->ExistingPageWindow()->StatusLine().PartText(PageStatusLine::Part::Rules),
              RulesSummary(rules));
}

}  // namespace
}  // namespace tallyworth

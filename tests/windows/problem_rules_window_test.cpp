#include "core/problem_rules.h"
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

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::RecordedMessage;
using testing_support::RecordedQuestion;

constexpr OperationRow kAddRow = OperationRow::Add;
constexpr OperationRow kSubtractRow = OperationRow::Subtract;
constexpr OperationRow kMultiplyRow = OperationRow::Multiply;
constexpr OperationRow kDivideRow = OperationRow::Divide;
constexpr OperationRow kMixRow = OperationRow::Mix;
constexpr Regrouping kAny = Regrouping::Any;
constexpr Regrouping kNever = Regrouping::Never;
constexpr Regrouping kAlways = Regrouping::Always;

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// What the main window holds when the rules are looked at or a sheet is asked for.
struct Settings {
    const char *lowest, *highest, *count;
    OperationRow row;
    bool negative = false;
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
        Control<QCheckBox>("cbAllowNegResults")->setChecked(settings.negative);
    }
    void Click(const char* button) const { QTest::mouseClick(Control(button), Qt::LeftButton); }
    // Opens the dialog from the menu, as the user does.
    ProblemRulesDialog& OpenDialog() const {
        Control<QAction>("mnuProblemRules")->trigger();
        ProblemRulesDialog* dialog = window->OpenRulesDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
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
        const PageWindow* page = window->ExistingPageWindow();
        return page == nullptr ? QString() : DumpVisibleControls(page->Controls());
    }

    QLocale previousLocale;
    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

struct DialogCase {
    const char* name;
    ProblemRules rules;
};

const std::array kDialogCases{
    DialogCase{"AllOff", {}},
    DialogCase{"NoTrivial", {true, 0, kAny, false}},
    DialogCase{"FixedOne", {false, 1, kAny, false}},
    DialogCase{"FixedNinetyNine", {false, 99, kAny, false}},
    DialogCase{"NeverRegroup", {false, 0, kNever, false}},
    DialogCase{"AlwaysRegroup", {false, 0, kAlways, false}},
    DialogCase{"NoRepeats", {false, 0, kAny, true}},
    DialogCase{"Every", {true, 7, kAlways, true}},
};

class RulesDialogTest : public ProblemRulesWindowTest,
                        public ::testing::WithParamInterface<DialogCase> {};

TEST_P(RulesDialogTest, OkSetsTheRulesInTheStateAndTheDialogShowsThemAgain) {
    SetRules(GetParam().rules);
    EXPECT_EQ(state.problemRules, GetParam().rules);
    EXPECT_EQ(OpenDialog().Rules(), GetParam().rules);
}

INSTANTIATE_TEST_SUITE_P(Rules, RulesDialogTest, ::testing::ValuesIn(kDialogCases), kCaseName);

TEST_F(ProblemRulesWindowTest, CancelKeepsTheRulesThereWere) {
    const ProblemRules before{false, 3, kNever, false};
    SetRules(before);
    ProblemRulesDialog& dialog = OpenDialog();
    Show(dialog, {true, 7, kAlways, true});
    dialog.reject();
    EXPECT_EQ(state.problemRules, before);
}

struct CountCase {
    const char* name;
    Settings settings;
    ProblemRules rules;
    const char* shown;
};

// 1..99 for "Mix": 99 * 99 sums and products, 99 * 100 / 2 differences without negative
// results, 473 divisions (99 / 1 + 99 / 2 + ... + 99 / 99, rounded down each).
// clang-format off
const std::array kCountCases{
    CountCase{"AdditionAllOff", {"1", "9", "10", kAddRow}, {}, "81 different problems"},
    CountCase{"MixWideGrouped", {"1", "99", "100", kMixRow}, {}, "25,025 different problems"},
    CountCase{"SubtractionWithoutNegatives", {"1", "9", "10", kSubtractRow}, {}, "45 different problems"},
    CountCase{"SubtractionWithNegatives", {"1", "9", "10", kSubtractRow, true}, {}, "81 different problems"},
    CountCase{"TimesTableOfSeven", {"1", "12", "10", kMultiplyRow}, {true, 7, kAny, false}, "11 different problems"},
    CountCase{"FewerThanAsked", {"1", "12", "20", kMultiplyRow}, {true, 7, kAny, false}, "Only 11 different problems: some will repeat"},
    CountCase{"NothingFits", {"50", "99", "10", kDivideRow}, {true, 0, kAny, false}, "No problem fits these settings and rules"},
    CountCase{"UnreadableLowest", {"x", "9", "10", kAddRow}, {}, "The numbers in the main window cannot make a worksheet, so there is nothing to count yet."},
    CountCase{"LowestAboveHighest", {"9", "1", "10", kAddRow}, {true, 0, kAny, false}, "The numbers in the main window cannot make a worksheet, so there is nothing to count yet."},
    // View ignores the rules here, as RulesOffOrCellNumberingNeverAskOrRefuse shows.
    CountCase{"CellNumberPage", {"61", "62", "10", kDivideRow}, {true, 0, kAny, false}, "View shows the page of cell numbers for these numbers, and the rules do not apply to it."},
};
// clang-format on

class LiveCountTest : public ProblemRulesWindowTest,
                      public ::testing::WithParamInterface<CountCase> {};

// The count follows each change of a rule, for the settings the main window holds.
TEST_P(LiveCountTest, ShowsTheCountOfTheMainWindowsSettingsAsTheRulesChange) {
    Enter(GetParam().settings);
    ProblemRulesDialog& dialog = OpenDialog();
    Show(dialog, GetParam().rules);
    EXPECT_EQ(CountShown(dialog), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Settings, LiveCountTest, ::testing::ValuesIn(kCountCases), kCaseName);

TEST_F(ProblemRulesWindowTest, CountChangesWithEveryRuleTheUserChanges) {
    Enter({"1", "12", "20", kMultiplyRow});
    ProblemRulesDialog& dialog = OpenDialog();
    QStringList shown{CountShown(dialog)};
    In<QCheckBox>(dialog, "cbFixedNumber")->setChecked(true);
    In<QSpinBox>(dialog, "txtFixedNumber")->setValue(7);
    shown << CountShown(dialog);
    In<QCheckBox>(dialog, "cbNoTrivial")->setChecked(true);
    shown << CountShown(dialog);
    EXPECT_EQ(shown,
              QStringList({"144 different problems", "Only 12 different problems: some will repeat",
                           "Only 11 different problems: some will repeat"}));
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

struct RefusedCase {
    const char* name;
    const char* button;
};

class NothingFitsTest : public ProblemRulesWindowTest,
                        public ::testing::WithParamInterface<RefusedCase> {};

// Like a failing settings check: its own message, and the page keeps what it had.
TEST_P(NothingFitsTest, SaysSoInItsOwnBoxAndComposesNothing) {
    Click("cmdView");
    const QString before = PageDump();
    messages.shown.clear();
    SetRules({true, 0, kAny, false});
    Enter({"50", "99", "10", kDivideRow});
    Click(GetParam().button);
    const SettingsMessage refusal = NoProblemFitsMessage();
    EXPECT_EQ(messages.shown, std::vector<RecordedMessage>({{QStringLiteral("oops"), refusal.text,
                                                             MessageIcon::Information}}));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(PageDump(), before);
    EXPECT_EQ(state.operation, 1);
    EXPECT_EQ(output.prints, 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, NothingFitsTest,
                         ::testing::Values(RefusedCase{"View", "cmdView"},
                                           RefusedCase{"Print", "cmdPrint"}),
                         kCaseName);

struct RepeatCase {
    const char* name;
    const char* button;
    bool answer;
};

class SomeRepeatTest : public ProblemRulesWindowTest,
                       public ::testing::WithParamInterface<RepeatCase> {};

// Fewer problems than asked is the user's call: Yes makes the sheet, No makes nothing.
TEST_P(SomeRepeatTest, AsksAndComposesOnlyOnYes) {
    const RepeatCase& repeat = GetParam();
    Click("cmdView");
    const QString before = PageDump();
    SetRules({true, 7, kAny, true});
    Enter({"1", "12", "20", kMultiplyRow});
    messages.answer = repeat.answer;
    Click(repeat.button);
    const QString question = QStringLiteral(
        "Only 11 different problems fit these settings and rules, so some will repeat. Make the "
        "worksheet anyway?");
    EXPECT_EQ(messages.asked, std::vector<RecordedQuestion>({{"Tallyworth", question}}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(PageDump() != before, repeat.answer);
    EXPECT_EQ(state.operation, RowNumber(repeat.answer ? kMultiplyRow : kAddRow));
    EXPECT_EQ(output.prints, repeat.answer && repeat.button == std::string("cmdPrint") ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, SomeRepeatTest,
                         ::testing::Values(RepeatCase{"ViewYes", "cmdView", true},
                                           RepeatCase{"ViewNo", "cmdView", false},
                                           RepeatCase{"PrintYes", "cmdPrint", true},
                                           RepeatCase{"PrintNo", "cmdPrint", false}),
                         kCaseName);

// Without rules nothing is asked, however few problems there are: the sheet is made as
// it always was. The cell-numbering mode ignores the rules, so it is not refused either.
TEST_F(ProblemRulesWindowTest, RulesOffOrCellNumberingNeverAskOrRefuse) {
    Enter({"1", "2", "100", kAddRow});
    Click("cmdView");
    SetRules({true, 0, kAny, false});
    Enter({"61", "62", "10", kDivideRow});
    Click("cmdView");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(state.showCellNumbers);
    EXPECT_FALSE(PageDump().isEmpty());
}

struct ClassSetRulesCase {
    const char* name;
    Settings settings;
    ProblemRules rules;
    bool answer;  // to the question about repeats, when it is asked
    std::vector<RecordedMessage> shown;
    std::vector<RecordedQuestion> asked;
    bool handedOver;  // the set reached the output
};

const RecordedMessage kNothingFits{QStringLiteral("oops"), NoProblemFitsMessage().text,
                                   MessageIcon::Information};
const RecordedQuestion kElevenRepeat{
    QStringLiteral("Tallyworth"),
    QStringLiteral("Only 11 different problems fit these settings and rules, so some will "
                   "repeat. Make the worksheet anyway?")};

// clang-format off
const std::array kClassSetRules{
    ClassSetRulesCase{"EnoughProblems", {"1", "12", "11", kMultiplyRow}, {true, 7, kAny, true}, true, {}, {}, true},
    ClassSetRulesCase{"NothingFits", {"50", "99", "10", kDivideRow}, {true, 0, kAny, false}, true, {kNothingFits}, {}, false},
    ClassSetRulesCase{"NothingFitsTheCellNumberBounds", {"61", "62", "10", kDivideRow}, {true, 0, kAny, false}, true, {kNothingFits}, {}, false},
    ClassSetRulesCase{"FewerYes", {"1", "12", "20", kMultiplyRow}, {true, 7, kAny, true}, true, {}, {kElevenRepeat}, true},
    ClassSetRulesCase{"FewerNo", {"1", "12", "20", kMultiplyRow}, {true, 7, kAny, true}, false, {}, {kElevenRepeat}, false},
};
// clang-format on

class ClassSetRulesTest : public ProblemRulesWindowTest,
                          public ::testing::WithParamInterface<ClassSetRulesCase> {};

// Class Set... checks the rules as View does before it asks anything about the set; the
// set it makes starts from a code that carries the rules.
TEST_P(ClassSetRulesTest, ChecksTheRulesFirstAndCarriesThemInTheFirstCode) {
    const ClassSetRulesCase& check = GetParam();
    Click("cmdView");
    const QString before = PageDump();
    messages.shown.clear();
    SetRules(check.rules);
    Enter(check.settings);
    messages.answer = check.answer;
    classSets.next = ClassSetChoice{3, AnswerKeys::AfterEach, true, ClassSetDestination::PdfFile,
                                    QPageSize::Letter};
    files.next = QStringLiteral("set.pdf");
    window->ExistingPageWindow()->findChild<QAction*>("mnuClassSet")->trigger();
    EXPECT_EQ(messages.shown, check.shown);
    EXPECT_EQ(messages.asked, check.asked);
    EXPECT_EQ(classSets.asked, check.handedOver ? 1 : 0);
    ASSERT_EQ(output.classSets.size(), check.handedOver ? 1U : 0U);
    if (check.handedOver) {
        const SheetCode& first = output.classSets.front().request.first;
        EXPECT_EQ(first.version, 2);
        EXPECT_EQ(first.settings.rules, check.rules);
        EXPECT_FALSE(FormatSheetCode(first).isEmpty());
    }
    EXPECT_EQ(PageDump(), before);
}

INSTANTIATE_TEST_SUITE_P(Checks, ClassSetRulesTest, ::testing::ValuesIn(kClassSetRules), kCaseName);

using Problem = std::tuple<OperationRow, int, int>;

// The problems on the page, read from its cells: operator, first and second number.
std::vector<Problem> ProblemsOnPage(const PageControls& page, int count) {
    const std::map<QString, OperationRow> rows{{QStringLiteral("+"), OperationRow::Add},
                                               {QStringLiteral("-"), OperationRow::Subtract},
                                               {QStringLiteral("*"), OperationRow::Multiply},
                                               {DivideSignText(), OperationRow::Divide}};
    std::vector<Problem> problems;
    for (std::size_t cell = 0; cell < static_cast<std::size_t>(count); ++cell) {
        problems.emplace_back(rows.at(page.plusLabels[cell].caption),
                              page.valueLabels[2 * cell].caption.toInt(),
                              page.valueLabels[2 * cell + 1].caption.toInt());
    }
    return problems;
}

struct ViewCase {
    const char* name;
    Settings settings;
    ProblemRules rules;
};

// clang-format off
const std::array kViewCases{
    ViewCase{"MixNoTrivial", {"1", "20", "100", kMixRow}, {true, 0, kAny, false}},
    ViewCase{"MixFixedSeven", {"1", "20", "100", kMixRow}, {false, 7, kAny, false}},
    ViewCase{"MixNeverRegroup", {"1", "40", "100", kMixRow, true}, {false, 0, kNever, false}},
    ViewCase{"MixAlwaysRegroup", {"5", "60", "100", kMixRow}, {false, 0, kAlways, false}},
    ViewCase{"AdditionNoRepeats", {"1", "12", "100", kAddRow}, {false, 0, kAny, true}},
    ViewCase{"SubtractionEveryRule", {"1", "99", "81", kSubtractRow}, {true, 9, kAlways, true}},
};
// clang-format on

class RuledViewTest : public ProblemRulesWindowTest,
                      public ::testing::WithParamInterface<ViewCase> {};

// Every problem on the page is one the rules allow; without repeats, none comes twice.
TEST_P(RuledViewTest, PageHoldsOnlyProblemsTheRulesAllow) {
    const ViewCase& view = GetParam();
    SetRules(view.rules);
    Enter(view.settings);
    Click("cmdView");
    ASSERT_NE(window->ExistingPageWindow(), nullptr);
    const ProblemSettings settings{
        view.settings.row, QString::fromLatin1(view.settings.lowest).toInt(),
        QString::fromLatin1(view.settings.highest).toInt(), view.settings.negative};
    const std::vector<Problem> problems = ProblemsOnPage(
        window->ExistingPageWindow()->Controls(), QString::fromLatin1(view.settings.count).toInt());
    for (const Problem& problem : problems) {
        const auto& [operation, first, second] = problem;
        const std::vector<WeightedPair> allowed = AllowedPairs(operation, settings, view.rules);
        EXPECT_TRUE(std::ranges::any_of(allowed,
                                        [&problem](const WeightedPair& pair) {
                                            return pair.first == std::get<1>(problem) &&
                                                   pair.second == std::get<2>(problem);
                                        }))
            << RowNumber(operation) << ": " << first << ", " << second;
    }
    if (view.rules.noRepeats) {
        EXPECT_EQ(std::set<Problem>(problems.begin(), problems.end()).size(), problems.size());
    }
}

// The status line names the rules the page was made under, beside its code.
TEST_P(RuledViewTest, StatusLineNamesTheRules) {
    SetRules(GetParam().rules);
    Enter(GetParam().settings);
    Click("cmdView");
    ASSERT_NE(window->ExistingPageWindow(), nullptr);
    EXPECT_EQ(window->ExistingPageWindow()->StatusLine().PartText(PageStatusLine::Part::Rules),
              RulesSummary(GetParam().rules));
}

INSTANTIATE_TEST_SUITE_P(Rules, RuledViewTest, ::testing::ValuesIn(kViewCases), kCaseName);

}  // namespace
}  // namespace tallyworth

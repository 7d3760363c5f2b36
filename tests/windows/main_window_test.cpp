#include "windows/main_window.h"
#include "core/sheet_composer.h"
#include "page_model/page_dump.h"
#include "support/caption_checks.h"
#include "support/fake_user_interfaces.h"
#include "support/test_doubles.h"
#include "windows/class_set_dialog.h"
#include "windows/page_status_line.h"
#include "windows/page_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <tuple>

namespace tallyworth {
namespace {

using testing_support::RecordedMessage;
constexpr int kSubtract = testing_support::ListPosition(OperationRow::Subtract);
constexpr int kDivide = testing_support::ListPosition(OperationRow::Divide);

RecordedMessage Oops(const char* text, MessageIcon icon = MessageIcon::Information) {
    return {QStringLiteral("oops"), QString::fromLatin1(text), icon};
}

class MainWindowTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override { Open(); }
    void Open() {
        window = std::make_unique<MainWindow>(state, Bundle(), source);
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
    [[nodiscard]] QString CodeShown() const {
        return Page()->StatusLine().PartText(PageStatusLine::Part::SheetCode);
    }

    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ShowsEveryWholeCaptionInsideItsControl) {
    for (const QWidget* control : testing_support::CaptionedControls(*window)) {
        testing_support::ExpectCaptionFits(*control);
    }
}

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

struct FailingCase {
    const char* name;
    const char *lowest, *highest, *count;
    int row;
    bool lowestDisabled;  // the focus cannot move to Lowest
    std::vector<RecordedMessage> messages;
    const char* focus;  // where the focus ends: the field the last check names, else View
};

// clang-format off
const std::array kFailingCases{
    FailingCase{"ZerosForADivision", "0", "0", "10", kDivide, false, {Oops("Highest Number must be between 1 and 99."), Oops("Lowest Number must be between 1 and 99."), Oops("Lowest Number cannot equal Highest Number."), Oops("You can't divide by zero.")}, "txtMinValue"},
    FailingCase{"UnreadableHighest", "", "abc", "10", 0, false, {Oops("Please check your Highest Number.", MessageIcon::Stop)}, "txtMaxValue"},
    FailingCase{"EqualWithLowestDisabled", "5", "5", "10", 0, true, {Oops("Lowest Number cannot equal Highest Number."), Oops("Please check your input.", MessageIcon::Stop)}, "cmdView"},
};
// clang-format on

void PrintTo(const FailingCase& failing, std::ostream* out) {
    *out << failing.name;
}

class FailingSettingsTest : public MainWindowTest,
                            public ::testing::WithParamInterface<FailingCase> {};

TEST_P(FailingSettingsTest, ShowOnlyTheirMessagesKeepThePageAndFocusTheFieldNamed) {
    const FailingCase& failing = GetParam();
    QTest::keyClick(Control("txtNoOfProblems"), Qt::Key_Return);  // Enter runs View
    ASSERT_NE(Page(), nullptr);
    const QString before = DumpVisibleControls(Cells());
    messages.shown.clear();
    Control("txtMinValue")->setEnabled(!failing.lowestDisabled);
    View(failing.lowest, failing.highest, failing.count, failing.row);
    EXPECT_EQ(messages.shown, failing.messages);
    EXPECT_EQ(DumpVisibleControls(Cells()), before);
    ASSERT_NE(window->focusWidget(), nullptr);
    EXPECT_EQ(window->focusWidget()->objectName(), QString::fromLatin1(failing.focus));
}

INSTANTIATE_TEST_SUITE_P(Settings, FailingSettingsTest, ::testing::ValuesIn(kFailingCases),
                         [](const auto& param) { return std::string(param.param.name); });

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
              std::vector{Oops("Only the division test with more than 50 problems has two pages")});
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

// Types the settings into a main window's fields and choices, as a user would.
// The settings as a user sets them: the fields and choices, and the problem rules.
void EnterSettings(const QWidget& window, WorksheetState& state, const SheetSettings& settings) {
    state.problemRules = settings.rules;
    window.findChild<QLineEdit*>("txtMinValue")->setText(QString::number(settings.lowest));
    window.findChild<QLineEdit*>("txtMaxValue")->setText(QString::number(settings.highest));
    window.findChild<QLineEdit*>("txtNoOfProblems")->setText(QString::number(settings.count));
    window.findChild<QListWidget*>("lbOperation")
        ->setCurrentRow(testing_support::ListPosition(settings.operation));
    window.findChild<QAbstractButton*>("cbAllowNegResults")->setChecked(settings.allowNegative);
    window
        .findChild<QAbstractButton*>(settings.upsideDownSeven ? "optUpsidedownSeven"
                                                              : "optLineAndDots")
        ->setChecked(true);
}

// What the fields and choices of a main window hold.
QStringList FieldsOf(const QWidget& window) {
    QStringList fields;
    for (const char* name : {"txtMinValue", "txtMaxValue", "txtNoOfProblems"}) {
        fields << window.findChild<QLineEdit*>(name)->text();
    }
    fields << QString::number(window.findChild<QListWidget*>("lbOperation")->currentRow());
    for (const char* name : {"cbAllowNegResults", "optUpsidedownSeven"}) {
        fields << (window.findChild<QAbstractButton*>(name)->isChecked() ? "on" : "off");
    }
    return fields;
}

// Every problem of the set stands in its cell: both numbers, the operator, the solution.
void ExpectCellsHold(const PageControls& page, const ProblemSet& set) {
    ASSERT_FALSE(set.problems.empty());
    for (std::size_t cell = 0; cell < set.problems.size(); ++cell) {
        const ProblemEntry& problem = set.problems[cell];
        EXPECT_EQ(page.valueLabels[2 * cell].caption, problem.firstNumberText) << cell;
        EXPECT_EQ(page.valueLabels[2 * cell + 1].caption, problem.secondNumberText) << cell;
        EXPECT_EQ(page.plusLabels[cell].caption, problem.operatorSign) << cell;
        EXPECT_EQ(page.solutionLabels[cell].caption, problem.solutionText) << cell;
    }
}

SheetCode Parsed(const QString& typed) {
    const SheetCodeParse parsed = ParseSheetCode(typed);
    if (const auto* error = std::get_if<SheetCodeError>(&parsed)) {
        ADD_FAILURE() << typed.toStdString() << ": " << error->message.toStdString();
        return {};
    }
    return std::get<SheetCode>(parsed);
}

struct SheetCase {
    const char* name;
    SheetSettings settings;  // operation 1 "+", 2 "-", 3 "*", 4 division, 5 "Mix"
};

const std::array kSheets{
    SheetCase{"Addition", {OperationRow::Add, 1, 9, 10, false, false}},
    SheetCase{"DivisionBracketTwoPages", {OperationRow::Divide, 2, 12, 60, false, true}},
    SheetCase{"TimesTableOfSevenWithoutRepeats",
              {OperationRow::Multiply, 1, 12, 12, false, false, {false, 7, Regrouping::Any, true}}},
};

void PrintTo(const SheetCase& sheet, std::ostream* out) {
    *out << sheet.name;
}

class SheetCodeTest : public MainWindowTest, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SheetCodeTest, ViewShowsACodeThatBringsBackItsSettingsAndItsProblems) {
    EnterSettings(*window, state, GetParam().settings);
    QTest::mouseClick(Control("cmdView"), Qt::LeftButton);
    const SheetCode code = Parsed(CodeShown());
    EXPECT_EQ(code.settings, GetParam().settings);
    EXPECT_EQ(code.seed, source.LastSeed());
    ExpectCellsHold(Cells(), ComposeSheet(code));
    EXPECT_EQ(Page()->ShownSheetCode(), CodeShown());
}

// A code typed in any form takes the fields and shows its worksheet exactly as View shows
// the same settings from the same seed: solutions hidden even when they were shown.
TEST_P(SheetCodeTest, OpenSheetCodeTakesTheFieldsAndShowsTheSheetViewWouldShow) {
    const SheetCode code = SheetCodeOf(
        GetParam().settings, 0x5EED00U + static_cast<std::uint64_t>(GetParam().settings.count));
    View("1", "9", "10");
    Trigger("mnuShowSolutions");
    sheetCodes.next = FormatSheetCode(code).toLower().replace(u'-', u' ');
    Control<QAction>("mnuOpenSheetCode")->trigger();
    EXPECT_EQ(messages.shown, std::vector<RecordedMessage>());
    EXPECT_EQ(CodeShown(), FormatSheetCode(code));
    const QString opened = DumpVisibleControls(Cells());

    WorksheetState viewedState;
    SeededRandomSource seeded(code.seed);
    MainWindow viewing(viewedState, Bundle(), seeded);
    viewing.show();
    EnterSettings(viewing, viewedState, code.settings);
    viewing.View();
    EXPECT_EQ(opened, DumpVisibleControls(viewing.ExistingPageWindow()->Controls()));
    EXPECT_EQ(FieldsOf(*window), FieldsOf(viewing));
    EXPECT_EQ(state.problemRules, code.settings.rules);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetCodeTest, ::testing::ValuesIn(kSheets),
                         [](const auto& param) { return std::string(param.param.name); });

struct RefusedCodeCase {
    const char* name;
    const char* typed;  // nullptr: the dialog is cancelled
    std::vector<RecordedMessage> messages;
};

// The codes of the refusals are those of the sheet code's own tests: 10035-40000-QQD3 is
// addition 1 to 9, 10 problems, seed 0x5EED.
// clang-format off
const std::array kRefusedCodes{
    RefusedCodeCase{"Cancelled", nullptr, {}},
    RefusedCodeCase{"WrongCheck", "10035-40000-QQD4", {Oops("The sheet code's check character does not match: please check what you typed.", MessageIcon::Stop)}},
    RefusedCodeCase{"LowestAboveHighest", "142J5-40000-QQDW", {Oops("The sheet code holds settings that cannot make a worksheet: Lowest Number must be less than Highest Number!")}},
};
// clang-format on

void PrintTo(const RefusedCodeCase& refused, std::ostream* out) {
    *out << refused.name;
}

class RefusedCodeTest : public MainWindowTest,
                        public ::testing::WithParamInterface<RefusedCodeCase> {};

TEST_P(RefusedCodeTest, SaysWhatIsWrongAndChangesNothing) {
    View("3", "40", "30", kSubtract);
    const QStringList fields = FieldsOf(*window);
    const QString page = DumpVisibleControls(Cells());
    const QString code = CodeShown();
    if (GetParam().typed != nullptr) {
        sheetCodes.next = QString::fromUtf8(GetParam().typed);
    }
    auto* openCode = Control<QAction>("mnuOpenSheetCode");
    EXPECT_EQ(openCode->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    openCode->trigger();
    EXPECT_EQ(sheetCodes.asked, 1);
    EXPECT_EQ(messages.shown, GetParam().messages);
    EXPECT_EQ(FieldsOf(*window), fields);
    EXPECT_EQ(DumpVisibleControls(Cells()), page);
    EXPECT_EQ(CodeShown(), code);
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedCodeTest, ::testing::ValuesIn(kRefusedCodes),
                         [](const auto& param) { return std::string(param.param.name); });

// Cell numbers are no drawn problems: no code brings them back, so none is shown or saved.
// A code with the bounds that ask for them still brings back the problems it was drawn as.
TEST_F(MainWindowTest, CellNumbersShowNoCodeButACodeOfTheirBoundsShowsItsDrawnProblems) {
    View("61", "62", "20");
    ASSERT_TRUE(state.showCellNumbers);
    EXPECT_TRUE(CodeShown().isEmpty());
    EXPECT_FALSE(Page()->findChild<QWidget*>("txtSheetCode")->isVisible());
    files.next = QStringLiteral("numbers.pdf");
    Trigger("mnuSaveAsPdf");
    const QString code = FormatSheetCode({{OperationRow::Add, 61, 62, 20, false, false}, 0x5EED});
    sheetCodes.next = code;
    Control<QAction>("mnuOpenSheetCode")->trigger();
    EXPECT_FALSE(state.showCellNumbers);
    ExpectCellsHold(Cells(), ComposeSheet(Parsed(code)));
    EXPECT_EQ(CodeShown(), code);
    EXPECT_TRUE(Page()->findChild<QWidget*>("txtSheetCode")->isVisible());
    Trigger("mnuSaveAsPdf");
    EXPECT_EQ(output.saved, (std::vector<std::pair<QString, QString>>{{"numbers.pdf", ""},
                                                                      {"numbers.pdf", code}}));
}

enum class JobEnd { Succeeds, Fails, UserCancels };

struct ClassSetCase {
    const char* name;
    const char *lowest, *highest;          // 10 additions
    std::optional<ClassSetChoice> choice;  // nothing: the dialog is cancelled
    const char* fileName;                  // nullptr: the save dialog is cancelled
    bool printerChosen;
    JobEnd end;
    bool handedOver;  // the set reached the output
    std::vector<RecordedMessage> messages;
    ProblemRules rules{};  // the run's
};

const ClassSetChoice kToPdf{30, AnswerKeys::AtEnd, false, ClassSetDestination::PdfFile,
                            QPageSize::A4};
const ClassSetChoice kToPrinter{2, AnswerKeys::AfterEach, true, ClassSetDestination::Printer,
                                QPageSize::Letter};
const RecordedMessage kDiskFull{"Tallyworth", "Could not save \"set.pdf\": disk full.",
                                MessageIcon::Stop};

// clang-format off
const std::array kClassSets{
    ClassSetCase{"ToAPdfFile", "1", "9", kToPdf, "set.pdf", true, JobEnd::Succeeds, true, {}},
    ClassSetCase{"ToAPrinter", "1", "9", kToPrinter, nullptr, true, JobEnd::Succeeds, true, {}},
    ClassSetCase{"CancelledInItsDialog", "1", "9", std::nullopt, "set.pdf", true, JobEnd::Succeeds, false, {}},
    ClassSetCase{"CancelledInTheSaveDialog", "1", "9", kToPdf, nullptr, true, JobEnd::Succeeds, false, {}},
    ClassSetCase{"FailingSettings", "5", "5", kToPdf, "set.pdf", true, JobEnd::Succeeds, false, {Oops("Lowest Number cannot equal Highest Number.")}},
    ClassSetCase{"OutputFails", "1", "9", kToPdf, "set.pdf", true, JobEnd::Fails, true, {kDiskFull}},
    ClassSetCase{"CancelledWhileMade", "1", "9", kToPdf, "set.pdf", true, JobEnd::UserCancels, true, {}},
    ClassSetCase{"UnderRulesToAPdfFile", "1", "9", kToPdf, "set.pdf", true, JobEnd::Succeeds, true, {}, {true, 7, Regrouping::Never, true}},
};
// clang-format on

void PrintTo(const ClassSetCase& classSet, std::ostream* out) {
    *out << classSet.name;
}

class ClassSetTest : public MainWindowTest, public ::testing::WithParamInterface<ClassSetCase> {
  protected:
    // Makes four pages through the progress the page window hands over, cancelling after
    // the first as the Cancel button does.
    PrintOutcome MakeSet(SetProgress& progress) const {
        progress.Start(4);
        bool going = progress.Advance(1);
        if (GetParam().end == JobEnd::UserCancels) {
            Page()->findChild<ClassSetProgressDialog*>()->cancel();
        }
        for (int page = 2; going && page <= 4; ++page) {
            going = progress.Advance(page);
        }
        if (!going) {
            return PrintOutcome::Cancelled();
        }
        return GetParam().end == JobEnd::Fails ? PrintOutcome::Failed(kDiskFull.text)
                                               : PrintOutcome::Done();
    }
};

// The set is made of the settings in the fields and the run's rules, checked first, from a
// seed of its own, its first code in the version the rules need; the page shown stays as it
// was.
TEST_P(ClassSetTest, HandsTheChosenSetToTheOutputOrStopsWhereTheUserDid) {
    const ClassSetCase& classSet = GetParam();
    View("2", "12", "60", kDivide);
    const QString page = DumpVisibleControls(Cells());
    const QString code = CodeShown();
    messages.shown.clear();
    state.problemRules = classSet.rules;
    const SheetSettings settings{OperationRow::Mix, 1, 9, 10, true, true, classSet.rules};
    EnterSettings(*window, state, settings);
    Control<QLineEdit>("txtMinValue")->setText(classSet.lowest);
    Control<QLineEdit>("txtMaxValue")->setText(classSet.highest);
    classSets.next = classSet.choice;
    files.next =
        classSet.fileName != nullptr ? std::optional<QString>(classSet.fileName) : std::nullopt;
    printers.chooses = classSet.printerChosen;
    output.classSetJob = [this](SetProgress& progress) { return MakeSet(progress); };
    Trigger("mnuClassSet");
    EXPECT_EQ(messages.shown, classSet.messages);
    if (classSet.handedOver) {
        const ClassSetChoice& choice = *classSet.choice;
        const bool pdf = choice.destination == ClassSetDestination::PdfFile;
        const SheetCode first{settings, source.LastSeed(), classSet.rules.AnyOn() ? 2 : 1};
        const testing_support::RecordedClassSet expected{
            {first, choice.sheets, choice.answerKeys, choice.header},
            choice.destination,
            pdf ? choice.paper : QPageSize::Letter,
            pdf ? classSet.fileName : ""};
        EXPECT_EQ(output.classSets, std::vector{expected});
        EXPECT_FALSE(FormatSheetCode(first).isEmpty());
    } else {
        EXPECT_TRUE(output.classSets.empty());
    }
    EXPECT_EQ(DumpVisibleControls(Cells()), page);
    EXPECT_EQ(CodeShown(), code);
}

INSTANTIATE_TEST_SUITE_P(Sets, ClassSetTest, ::testing::ValuesIn(kClassSets),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth

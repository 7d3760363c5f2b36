#include "windows/sections_dialog.h"
#include "page_model/sheet_page.h"
#include "support/fake_user_interfaces.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"
#include "support/test_doubles.h"
#include "windows/main_window.h"
#include "windows/page_status_line.h"
#include "windows/page_window.h"
#include "windows/qt_user_interfaces.h"
#include "windows/section_list.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// Sections told apart by their counts.
std::vector<SheetSection> Counted(std::initializer_list<int> counts) {
    std::vector<SheetSection> sections;
    for (const int count : counts) {
        SheetSection section;
        section.count = count;
        sections.push_back(section);
    }
    return sections;
}

std::vector<int> CountsOf(const std::vector<SheetSection>& sections) {
    std::vector<int> counts(sections.size());
    std::transform(sections.begin(), sections.end(), counts.begin(),
                   [](const SheetSection& section) { return section.count; });
    return counts;
}

struct KeysCase {
    const char* name;
    std::vector<QKeyCombination> keys;  // typed in the list, reached by its access key
    std::vector<int> counts;            // of the sections after them, in order
    int current;                        // the list's row then
};

const QKeyCombination kInsert(Qt::Key_Insert);
const QKeyCombination kDelete(Qt::Key_Delete);
const QKeyCombination kUp(Qt::ControlModifier, Qt::Key_Up);
const QKeyCombination kDown(Qt::ControlModifier, Qt::Key_Down);

const KeysCase kKeyCases[] = {
    {"InsertAddsACopyAfterTheCurrent", {kInsert}, {11, 11, 12}, 1},
    {"DeleteRemovesTheCurrent", {kDelete}, {12}, 0},
    {"TheLastSectionStays", {kDelete, kDelete}, {12}, 0},
    {"CtrlDownAndUpMoveIt", {kDown, kInsert, kUp}, {12, 11, 11}, 1},
    {"TheFirstMovesNoHigher", {kUp}, {11, 12}, 0},
    {"NoSeventhSection",
     {kInsert, kInsert, kInsert, kInsert, kInsert},
     {11, 11, 11, 11, 11, 12},
     4},
};

class SectionKeysTest : public ::testing::TestWithParam<KeysCase> {};

TEST_P(SectionKeysTest, EditsTheListByKeyboard) {
    SectionsDialog dialog(Counted({11, 12}));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.findChild<QWidget*>("txtSectionTitle")->setFocus();
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    for (const QKeyCombination key : GetParam().keys) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    EXPECT_EQ(CountsOf(dialog.Sections()), GetParam().counts);
    const auto* list = dialog.findChild<QListWidget*>("lbSections");
    EXPECT_EQ(list->currentRow(), GetParam().current);
    EXPECT_EQ(list->count(), static_cast<int>(GetParam().counts.size()));
}

INSTANTIATE_TEST_SUITE_P(Keys, SectionKeysTest, ::testing::ValuesIn(kKeyCases), kCaseName);

struct FaultCase {
    const char* name;
    std::vector<SheetSection> sections;
    const char* message;
    const char* field;  // that takes the focus, with the message under it
    int row;            // of the section shown
};

std::vector<SheetSection> WithFirstRange(NumberRange range) {
    std::vector<SheetSection> sections = Counted({10, 10});
    sections[1].first = range;
    return sections;
}

SheetSection Written(OperationSet operations, NumberRange first, NumberRange second) {
    SheetSection section;
    section.kind = SectionKind::Written;
    section.operations = operations;
    section.first = first;
    section.second = second;
    return section;
}

const OperationSet kAddBit = OperationBit(OperationRow::Add);
const OperationSet kSubtractBit = OperationBit(OperationRow::Subtract);
const OperationSet kDivideBit = OperationBit(OperationRow::Divide);

const FaultCase kFaultCases[] = {
    {"WrittenWithTwoOperations",
     {Written(kAddBit | kSubtractBit, {10, 99}, {10, 99})},
     "Section 1, operation: a written section takes one of +, -, * and /.",
     "cbSectionAdd",
     0},
    {"ARangeBackwards", WithFirstRange({9, 3}),
     "Section 2, first: Lowest Number must be less than Highest Number!", "txtFirstLowest", 1},
    {"TooManyProblemsInAll", Counted({60, 50}),
     "The sections hold 110 problems in all, but a sheet holds at most 100.", "txtSectionCount", 1},
};

class SectionFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SectionFaultTest, OkIsRefusedWithTheMessageAtTheField) {
    SectionsDialog dialog(GetParam().sections);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    const auto* fault = dialog.findChild<QLabel*>("lblSectionFault");
    EXPECT_TRUE(fault->isVisible());
    EXPECT_EQ(fault->text(), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QWidget*>(GetParam().field));
    EXPECT_EQ(dialog.findChild<QListWidget*>("lbSections")->currentRow(), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Faults, SectionFaultTest, ::testing::ValuesIn(kFaultCases), kCaseName);

struct WrittenCase {
    const char* name;
    SheetSection section;
    const char* offered;  // the fields of the written methods offered for it, by name
};

SheetSection With(SheetSection section, const std::function<void(SheetSection&)>& change) {
    change(section);
    return section;
}

const WrittenCase kWrittenCases[] = {
    {"SumOfThreeCarryingOnce",
     With(Written(kAddBit, {1000, 999999}, {10, 99}),
          [](SheetSection& s) {
              s.addends = 3;
              s.carrying = Carrying::Once;
              s.rules.noRepeats = true;
          }),
     "txtAddends cboCarrying"},
    {"DifferenceNeverBorrowing",
     With(Written(kSubtractBit, {500, 999999}, {1, 499}),
          [](SheetSection& s) { s.carrying = Carrying::Never; }),
     "cboCarrying"},
    {"DivisionLeavingRemainders",
     With(Written(kDivideBit, {100, 99999}, {2, 99}),
          [](SheetSection& s) { s.remainderPercent = 40; }),
     "txtRemainderShare"},
};

class WrittenSectionTest : public ::testing::TestWithParam<WrittenCase> {};

// A written section is shown whole, six digits and all, with its operation's own fields and
// no rule it cannot take, and comes back as it was, an edit taken with it.
TEST_P(WrittenSectionTest, ComesBackAsShownWithItsOperationsFieldsOnly) {
    SectionsDialog dialog({GetParam().section});
    const QStringList offered = QString::fromLatin1(GetParam().offered).split(u' ');
    for (const char* name : {"txtAddends", "cboCarrying", "txtRemainderShare", "cbSectionNoTrivial",
                             "cboSectionRegrouping", "cbSectionNegative"}) {
        EXPECT_EQ(dialog.findChild<QWidget*>(name)->isEnabled(),
                  offered.contains(QLatin1String(name)))
            << name;
    }
    dialog.findChild<QLineEdit*>("txtSectionTitle")->setText(QStringLiteral("Written"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    SheetSection expected = GetParam().section;
    expected.title = QStringLiteral("Written");
    EXPECT_EQ(dialog.Sections(), std::vector{expected});
}

INSTANTIATE_TEST_SUITE_P(Operations, WrittenSectionTest, ::testing::ValuesIn(kWrittenCases),
                         kCaseName);

// The count and verdict follow each field at once, in the problem rules dialog's words, under
// the fields and in the section's entry.
TEST(SectionFitTest, FollowsTheFieldsAsTheyChange) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SectionsDialog dialog(Counted({10}));
    const auto* fit = dialog.findChild<QLabel*>("lblSectionFit");
    EXPECT_EQ(fit->text(), QStringLiteral("81 different problems"));
    dialog.findChild<QSpinBox*>("txtSectionCount")->setValue(100);
    EXPECT_EQ(fit->text(), QStringLiteral("Only 81 different problems: some will repeat"));
    dialog.findChild<QComboBox*>("cboSectionKind")->setCurrentIndex(1);  // missing numbers
    EXPECT_EQ(fit->text(), QStringLiteral("162 different problems"));
    EXPECT_EQ(dialog.findChild<QListWidget*>("lbSections")->item(0)->text(),
              QStringLiteral("1. Missing numbers: 162 different problems"));
}

// The main window with the real PDF output.
class SectionsWindowTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window.show();
    }
    SectionsDialog& OpenDialog() {
        window.findChild<QAction*>("mnuSections")->trigger();
        return *window.OpenSectionsDialog();
    }
    [[nodiscard]] const QLabel& Line() const {
        return *window.findChild<QLabel*>("lblSectionsInUse");
    }

    WorksheetState state;
    SystemPageOutput realOutput;
    ClockSeededRandomSource source;
    MainWindow window{state, Bundle(realOutput), source};
};

// One section of facts the fields can say goes back into them: the window stays as it was.
TEST_F(SectionsWindowTest, OneSectionTheFieldsSayIsTakenByThem) {
    SectionsDialog& dialog = OpenDialog();
    dialog.findChild<QSpinBox*>("txtSectionCount")->setValue(25);
    dialog.findChild<QCheckBox*>("cbSectionAdd")->setChecked(false);
    dialog.findChild<QCheckBox*>("cbSectionMultiply")->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(window.Sections().empty());
    EXPECT_FALSE(Line().isVisible());
    EXPECT_EQ(window.findChild<QLineEdit*>("txtNoOfProblems")->text(), QStringLiteral("25"));
    EXPECT_EQ(window.findChild<QListWidget*>("lbOperation")->currentRow(),
              testing_support::ListPosition(OperationRow::Multiply));
}

// Two sections are told under the operation list, and View and Save as PDF make the sheet
// of the code shown, as the code alone makes it.
TEST_F(SectionsWindowTest, SavesTheSheetOfTheCodeItShows) {
    SectionsDialog& dialog = OpenDialog();
    dialog.findChild<QPushButton*>("cmdAddSection")->click();
    dialog.findChild<QComboBox*>("cboSectionKind")->setCurrentIndex(1);  // missing numbers
    dialog.findChild<QLineEdit*>("txtSectionTitle")->setText(QStringLiteral("Find it"));
    dialog.accept();
    ASSERT_EQ(window.Sections().size(), 2U);
    EXPECT_TRUE(Line().isVisible());
    EXPECT_EQ(Line().accessibleName(), SectionsInUseText(2));
    window.View();
    PageWindow* page = window.ExistingPageWindow();
    const QString shown = page->StatusLine().PartText(PageStatusLine::Part::SheetCode);
    const SheetCodeParse parsed = ParseSheetCode(shown);
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << shown.toStdString();
    const SheetCode& code = std::get<SheetCode>(parsed);
    EXPECT_EQ(code.settings.sections, window.Sections());
    QTemporaryDir folder;
    files.next = folder.filePath(QStringLiteral("window.pdf"));
    page->findChild<QAction*>("mnuSaveAsPdf")->trigger();
    const QString alone = folder.filePath(QStringLiteral("alone.pdf"));
    const PageMaker pages = [&code](const QRectF& area) {
        return MakeSheetPrint(code, false, QLocale::English, area).pages;
    };
    EXPECT_EQ(realOutput.SaveAsPdf(pages, alone, shown).kind, OutcomeKind::Done);
    const QString text = print_test::ReadPdfText(alone);
    EXPECT_FALSE(text.trimmed().isEmpty());
    EXPECT_EQ(print_test::ReadPdfText(*files.next), text);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace tallyworth

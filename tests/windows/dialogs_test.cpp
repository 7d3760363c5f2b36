#include "render/class_set_output.h"
#include "windows/class_set_dialog.h"
#include "windows/page_options_dialog.h"
#include "windows/sheet_code_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tallyworth {
namespace {

// The dialogs are shown without their modal loop: keys go to the control with the focus,
// as they would in the running program.
template <typename Dialog>
class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog, key,
            modifiers);
    }
    void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    template <typename Widget = QWidget>
    Widget* Control(const char* name) {
        return dialog.template findChild<Widget*>(name);
    }

    Dialog dialog;
};

using SheetCodeDialogTest = DialogTest<SheetCodeDialog>;

// The written methods' options are shown and given back with the others; the usual method
// named is that of the locale's country, not only of its language.
TEST(PageOptionsDialogTest, GivesBackTheWrittenMethodsOptionsItShows) {
    PageOptions options;
    options.timesSign = TimesSign::Dot;
    options.method = WrittenMethod::Mexican;
    options.squares = SquaredPaper::Off;
    options.keyWorking = true;
    const PageOptionsDialog dialog(options, QLocale(QLocale::Dutch, QLocale::Belgium));
    EXPECT_EQ(dialog.Options(), options);
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboWrittenMethod")->itemText(0),
              QStringLiteral("As usually taught (France)"));
}

TEST_F(SheetCodeDialogTest, TakesATypedCodeWithEnterAndOffersNothingToAcceptWhileEmpty) {
    Type(Qt::Key_Return);  // nothing typed yet: OK is off
    EXPECT_TRUE(dialog.isVisible());
    Type("10035 40000 qqd3");
    Type(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Typed(), QStringLiteral("10035 40000 qqd3"));
}

using ClassSetDialogTest = DialogTest<ClassSetDialog>;

// Every choice can be made by keyboard alone: the prompts' access keys, Tab from one
// choice to the next, the arrows between the destinations, Enter for OK.
TEST_F(ClassSetDialogTest, EveryChoiceIsMadeByKeyboardAlone) {
    Type(Qt::Key_A, Qt::ControlModifier);
    Type("30");
    Type(Qt::Key_A, Qt::AltModifier);
    Type(Qt::Key_End);  // all at the end
    Type(Qt::Key_Tab);
    Type(Qt::Key_Space);  // no header
    Type(Qt::Key_Tab);
    Type(Qt::Key_Down);
    EXPECT_FALSE(Control("cboPaper")->isEnabled());  // the printer has its own paper
    Type(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice(), (ClassSetChoice{30, AnswerKeys::AtEnd, false,
                                               ClassSetDestination::Printer, SystemPaper().id()}));
}

}  // namespace
}  // namespace tallyworth

#include "windows/page_window.h"
#include "core/sheet_composer.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_controls.h"
#include "support/fake_user_interfaces.h"
#include "support/test_doubles.h"
#include "windows/page_status_line.h"
#include "windows/page_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

namespace tallyworth {
namespace {

class PageWindowTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    PageWindowTest() { Show(); }
    // Scroll bars come and go once the events the window posted to itself are handled.
    void Show() {
        window.show();
        QCoreApplication::sendPostedEvents();
    }

    [[nodiscard]] QScrollArea& Scrolling() const { return *window.findChild<QScrollArea*>(); }
    [[nodiscard]] QWidget& Picture() const { return *window.findChild<QWidget*>("Picture1"); }
    // A full page of additions, 100 problems, shown.
    void ShowFullPage() {
        WriteProblems(window.Controls(),
                      ComposeSheet({{OperationRow::Add, 1, 99, 100, false, false}, 7}));
        state.numberOfProblems = 100;
        window.ArrangeFields();
        window.ShowPage1();
    }

    WorksheetState state = testing_support::MakeState(OperationRow::Add);
    PageWindow window{state, Bundle()};
};

// On a small screen, or at a large scale, the window fits the screen's free area, and
// the page's lowest row and the sheet code below it can still be reached.
TEST_F(PageWindowTest, FitsTheScreenItOpensOn) {
    window.ViewTest();
    QCoreApplication::sendPostedEvents();
    const QRect free = window.screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window.frameGeometry()))
        << window.frameGeometry().top() << " " << window.frameGeometry().height();
    EXPECT_TRUE(window.rect().contains(window.statusBar()->geometry()));
    Scrolling().verticalScrollBar()->setValue(Scrolling().verticalScrollBar()->maximum());
    const QPoint bottom = Picture().mapTo(Scrolling().viewport(), Picture().rect().bottomLeft());
    EXPECT_LT(bottom.y(), Scrolling().viewport()->height());
}

// The code reads whole and can be selected and copied, by its caption's access key too;
// the page above keeps its place when the code comes or goes.
TEST_F(PageWindowTest, ShowsTheSheetCodeWholeAndCopyableOnlyWhenThereIsOne) {
    const auto& caption = *window.findChild<QLabel*>("lblSheetCode");
    const auto& field = *window.findChild<QLineEdit*>("txtSheetCode");
    const QSize page = window.centralWidget()->size();
    EXPECT_FALSE(caption.isVisible() || field.isVisible());
    window.StatusLine().SetPart(PageStatusLine::Part::SheetCode,
                                QStringLiteral("1ABCD-EFGHJ-KMNP"));
    Show();
    EXPECT_TRUE(caption.isVisible() && field.isVisible());
    EXPECT_EQ(caption.buddy(), &field);
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_EQ(field.text(), QStringLiteral("1ABCD-EFGHJ-KMNP"));
    EXPECT_GT(field.width(), field.fontMetrics().horizontalAdvance(field.text()));
    EXPECT_EQ(window.centralWidget()->size(), page);
}

// Extra large print flows onto more pages, which the Pages menu walks through; a page past
// the last is told, not shown.
TEST_F(PageWindowTest, WalksThroughThePagesOfLargePrint) {
    const ProblemSet set = ComposeSheet({{OperationRow::Add, 1, 9, 100, false, false}, 7});
    WriteProblems(window.Controls(), set);
    state.numberOfProblems = 100;
    state.pageOptions.size = PrintSize::ExtraLarge;
    window.RefreshPage();
    const QString first = Picture().accessibleName();
    EXPECT_TRUE(first.contains(QStringLiteral("page 1 of ")) && !first.endsWith(u'1'))
        << first.toStdString();
    window.findChild<QAction*>("mnuNextPage")->trigger();
    EXPECT_TRUE(Picture().accessibleName().contains(QStringLiteral("page 2 of ")));
    window.findChild<QAction*>("mnuPage1")->trigger();
    window.findChild<QAction*>("mnuPreviousPage")->trigger();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(Picture().accessibleName().contains(QStringLiteral("page 1 of ")));
    EXPECT_EQ(Picture().accessibleDescription().count(u'\n') + 1, 42)  // six rows of seven
        << Picture().accessibleDescription().toStdString();
}

// The picture reaches below the sheet; the strip under the sheet is painted too, or the
// rows scrolled past show through it.
TEST_F(PageWindowTest, PaintsThePictureBelowTheSheet) {
    ShowFullPage();
    const QImage picture = Picture().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto sheetBottom = static_cast<int>(kPageHeightInches * PageView::kDotsPerInch);
    ASSERT_GT(picture.height(), sheetBottom);
    const QImage strip =
        picture.copy(0, sheetBottom, picture.width(), picture.height() - sheetBottom);
    QImage white(strip.size(), strip.format());
    white.fill(Qt::white);
    EXPECT_TRUE(strip == white);
}

// Right to left, the figures keep their order and place value: the page is drawn as it
// prints.
TEST_F(PageWindowTest, DrawsThePageAlikeRightToLeft) {
    ShowFullPage();
    const QImage leftToRight = Picture().grab().toImage();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const QImage rightToLeft = Picture().grab().toImage();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_TRUE(rightToLeft == leftToRight);
}

}  // namespace
}  // namespace tallyworth

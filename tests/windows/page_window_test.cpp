#include "windows/page_window.h"
#include "support/fake_user_interfaces.h"
#include "support/test_doubles.h"
#include "windows/page_status_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
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

    WorksheetState state = testing_support::MakeState(OperationRow::Add);
    PageWindow window{state, Bundle()};
};

// The window's design width shows the page across: only the blank right edge of the
// page passes under the vertical bar, so no horizontal bar takes the view's height.
TEST_F(PageWindowTest, TheDesignSizeShowsThePageAcrossAndScrollsToItsLowestRow) {
    ASSERT_EQ(window.centralWidget()->size(),
              QSize(PageWindow::kClientWidth, PageWindow::kClientHeight));
    EXPECT_FALSE(Scrolling().horizontalScrollBar()->isVisible());
    ASSERT_TRUE(Scrolling().verticalScrollBar()->isVisible());
    Scrolling().verticalScrollBar()->setValue(Scrolling().verticalScrollBar()->maximum());
    const QPoint bottom = Picture().mapTo(Scrolling().viewport(), Picture().rect().bottomLeft());
    EXPECT_EQ(bottom.y(), Scrolling().viewport()->height() - 1);
}

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

// A window narrowed below its design width can still scroll to the right-hand cells.
TEST_F(PageWindowTest, ANarrowerWindowScrollsAcross) {
    window.resize(PageWindow::kClientWidth / 2, window.height());
    Show();
    EXPECT_TRUE(Scrolling().horizontalScrollBar()->isVisible());
}

// Printing gives the page the whole sheet, as before the page had its design place.
TEST_F(PageWindowTest, PrintingGivesThePageTheWholeSheet) {
    window.PrintTest();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Picture().geometry(), QRect(0, 0, 816, 1056));
    EXPECT_EQ(window.centralWidget()->size(), QSize(816, 1056));
    EXPECT_FALSE(Scrolling().horizontalScrollBar()->isVisible());
}

struct StatusPartCase {
    const char* name;
    PageStatusLine::Part part;
    const char *caption, *field;  // the controls' names
    const char* captionText;
    const char* text;
};

const std::array kStatusParts{
    StatusPartCase{"SheetCode", PageStatusLine::Part::SheetCode, "lblSheetCode", "txtSheetCode",
                   "Sheet c&ode:", "1ABCD-EFGHJ-KMNP"},
    StatusPartCase{"Rules", PageStatusLine::Part::Rules, "lblRules", "txtRules",
                   "&Rules:", "No trivial facts, with carrying"},
};

void PrintTo(const StatusPartCase& part, std::ostream* out) {
    *out << part.name;
}

class StatusPartTest : public PageWindowTest, public ::testing::WithParamInterface<StatusPartCase> {
  protected:
    template <typename Widget>
    Widget& Control(const char* name) const {
        return *window.findChild<Widget*>(name);
    }
};

// The text reads whole and can be selected and copied, by its caption's access key too;
// the page above keeps its place when a part comes or goes.
TEST_P(StatusPartTest, ShowsItsCaptionAndItsWholeCopyableTextOnlyWhenItHasOne) {
    const StatusPartCase& part = GetParam();
    const auto& caption = Control<QLabel>(part.caption);
    const auto& field = Control<QLineEdit>(part.field);
    const QSize page = window.centralWidget()->size();
    EXPECT_FALSE(caption.isVisible() || field.isVisible());
    window.StatusLine().SetPart(part.part, QString::fromUtf8(part.text));
    Show();
    EXPECT_TRUE(caption.isVisible() && field.isVisible());
    EXPECT_EQ(caption.text(), QString::fromUtf8(part.captionText));
    EXPECT_EQ(caption.buddy(), &field);
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_EQ(field.text(), QString::fromUtf8(part.text));
    EXPECT_EQ(window.StatusLine().PartText(part.part), field.text());
    EXPECT_GT(field.width(), field.fontMetrics().horizontalAdvance(field.text()));
    EXPECT_EQ(window.centralWidget()->size(), page);
    window.StatusLine().SetPart(part.part, {});
    Show();
    EXPECT_FALSE(caption.isVisible() || field.isVisible());
    EXPECT_EQ(window.centralWidget()->size(), page);
}

INSTANTIATE_TEST_SUITE_P(Parts, StatusPartTest, ::testing::ValuesIn(kStatusParts),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth

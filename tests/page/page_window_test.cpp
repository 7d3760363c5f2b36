#include "page/page_window.h"
#include "page/build_test.h"
#include "page/fake_user_interfaces.h"
#include "page/page_layout.h"
#include "page/page_test_support.h"
#include "page/page_view.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>

#include <memory>

namespace tallyworth {
namespace {

using page_test::kAdd;
using page_test::kDivide;
using page_test::kMix;
using testing_support::FakeUserInterfaces;
using testing_support::RecordedMessage;

class PageWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { window = std::make_unique<PageWindow>(state, fakes.Bundle()); }

    // Lays out and fills a worksheet as the main window's preparation would.
    void Build(int operationRow, std::int16_t count) {
        state = page_test::MakeState(operationRow);
        window->ArrangeFields();
        page_test::SeededRandomSource source;
        page_test::QuietComposerHost host;
        BuildTest(state, window->Controls(), source, host, *window, 1, 9, count);
    }

    QAction* Action(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    void Trigger(const char* name) const {
        QAction* action = Action(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    static int VisibleSolutions(const PageControls& page) {
        int visible = 0;
        for (const PageLabel& label : page.lblSolution) {
            visible += label.Visible ? 1 : 0;
        }
        return visible;
    }

    WorksheetState state = page_test::MakeState(kAdd);
    FakeUserInterfaces fakes;
    std::unique_ptr<PageWindow> window;
};

TEST_F(PageWindowTest, OpensWithItsCaptionNameAndSize) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmTest"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallyworth"));
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(window->centralWidget()->size(), QSize(779, 772));
    EXPECT_EQ(window->pos(), QPoint(135, 63));
}

struct MenuItemCase {
    const char* menu;
    const char* menuCaption;
    const char* item;
    const char* itemCaption;
};

// Readable test names.
void PrintTo(const MenuItemCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.item;
}

class PageWindowMenuTest : public PageWindowTest,
                           public ::testing::WithParamInterface<MenuItemCase> {};

TEST_P(PageWindowMenuTest, ItemStandsInItsMenuWithItsCaption) {
    const MenuItemCase& c = GetParam();
    const auto* menu = window->findChild<QMenu*>(QString::fromLatin1(c.menu));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QString::fromUtf8(c.menuCaption));
    QAction* item = Action(c.item);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8(c.itemCaption));
    EXPECT_TRUE(menu->actions().contains(item));
}

INSTANTIATE_TEST_SUITE_P(
    Items, PageWindowMenuTest,
    ::testing::Values(MenuItemCase{"mnuFile", "&File", "mnuPrint", "&Print"},
                      MenuItemCase{"mnuFile", "&File", "mnuSaveAsPdf", "Save as &PDF..."},
                      MenuItemCase{"mnuFile", "&File", "mnuClose", "&Close"},
                      MenuItemCase{"mnuSolutions", "&Solutions", "mnuShowSolutions", "&Show"},
                      MenuItemCase{"mnuPages", "&Pages", "mnuPage1", "Page &1"},
                      MenuItemCase{"mnuPages", "&Pages", "mnuPage2", "Page &2"},
                      MenuItemCase{"mnuConfig", "&Config", "mnuColorPicker", "C&olor Picker..."}));

TEST_F(PageWindowTest, PrintAndExportHaveTheirShortcuts) {
    EXPECT_EQ(Action("mnuPrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Action("mnuSaveAsPdf")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

TEST_F(PageWindowTest, WholePageCanBeScrolledIntoView) {
    const auto* view = window->findChild<PageView*>(QStringLiteral("Picture1"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(816, 1056));
    window->show();
    const auto* area = window->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    const int viewportHeight = area->viewport()->height();
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 1056 - viewportHeight);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 816 - area->viewport()->width());
}

TEST_F(PageWindowTest, PageStaysWhiteUnderADarkTheme) {
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::Base, Qt::black);
    window->setPalette(dark);
    auto* view = window->findChild<PageView*>(QStringLiteral("Picture1"));
    const QImage image = view->grab().toImage();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(800, 1040), qRgb(255, 255, 255));
}

TEST_F(PageWindowTest, ViewTestShowsTheWindowOfferingShow) {
    Action("mnuShowSolutions")->setText(QStringLiteral("&Hide"));
    window->ViewTest();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Action("mnuShowSolutions")->text(), QStringLiteral("&Show"));
}

TEST_F(PageWindowTest, CloseOnlyHidesTheWindow) {
    Build(kAdd, 10);
    window->ViewTest();
    Trigger("mnuClose");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->Controls().lblValue[0].Visible);
}

TEST_F(PageWindowTest, SolutionsToggledTwiceAreHiddenAgain) {
    Build(kAdd, 10);
    Trigger("mnuShowSolutions");
    EXPECT_EQ(Action("mnuShowSolutions")->text(), QStringLiteral("&Hide"));
    EXPECT_TRUE(state.gShowSolutions);
    EXPECT_EQ(VisibleSolutions(window->Controls()), 10);
    Trigger("mnuShowSolutions");
    EXPECT_EQ(Action("mnuShowSolutions")->text(), QStringLiteral("&Show"));
    EXPECT_FALSE(state.gShowSolutions);
    EXPECT_EQ(VisibleSolutions(window->Controls()), 0);
}

struct PageTwoCase {
    int operationRow;
    std::int16_t count;
    bool allowed;
};

// Readable test names.
void PrintTo(const PageTwoCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "row " << c.operationRow << " count " << c.count;
}

class PageTwoTest : public PageWindowTest, public ::testing::WithParamInterface<PageTwoCase> {};

TEST_P(PageTwoTest, OnlyALongDivisionWorksheetHasASecondPage) {
    const PageTwoCase& c = GetParam();
    Build(c.operationRow, c.count);
    const bool firstShownBefore = window->Controls().lblValue[0].Visible;
    Trigger("mnuPage2");
    if (c.allowed) {
        EXPECT_TRUE(fakes.messages.shown.empty());
        EXPECT_EQ(state.gCurrentPage, 2);
        EXPECT_TRUE(window->Controls().lblValue[100].Visible);
        EXPECT_FALSE(window->Controls().lblValue[0].Visible);
    } else {
        const RecordedMessage refusal{
            QStringLiteral("oops"),
            QStringLiteral("Only the division test with 50 or more problems has two pages"),
            MessageIcon::Information};
        ASSERT_EQ(fakes.messages.shown.size(), 1U);
        EXPECT_EQ(fakes.messages.shown[0], refusal);
        EXPECT_EQ(state.gCurrentPage, 1);
        EXPECT_EQ(window->Controls().lblValue[0].Visible, firstShownBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Worksheets, PageTwoTest,
                         ::testing::Values(PageTwoCase{kDivide, 51, true},
                                           PageTwoCase{kDivide, 100, true},
                                           PageTwoCase{kDivide, 50, false},
                                           PageTwoCase{kMix, 100, false},
                                           PageTwoCase{kAdd, 100, false}));

TEST_F(PageWindowTest, PageOneIsAlwaysAllowed) {
    Build(kDivide, 60);
    Trigger("mnuPage2");
    Trigger("mnuPage1");
    Trigger("mnuPage1");
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(state.gCurrentPage, 1);
    EXPECT_TRUE(window->Controls().lblValue[0].Visible);
    EXPECT_FALSE(window->Controls().lblValue[100].Visible);
}

TEST_F(PageWindowTest, ChosenColourReachesTheHiddenSecondPage) {
    Build(kDivide, 60);
    fakes.colors.next = 0x0000FF;
    Trigger("mnuColorPicker");
    ASSERT_EQ(fakes.colors.offered.size(), 1U);
    EXPECT_EQ(fakes.colors.offered[0], kBlack);
    EXPECT_EQ(window->Controls().lblValue[119].ForeColor, 0x0000FFU);
    EXPECT_EQ(window->Controls().Line1[59].BorderColor, 0x0000FFU);
    Trigger("mnuPage2");
    EXPECT_EQ(window->Controls().lblSolution[55].ForeColor, 0x0000FFU);
}

TEST_F(PageWindowTest, CancelledColourDialogAppliesTheColourItHeld) {
    Build(kAdd, 10);
    fakes.colors.next = 0x00FF00;
    Trigger("mnuColorPicker");
    ColorEverything(window->Controls(), 0xFF0000);
    fakes.colors.next.reset();
    Trigger("mnuColorPicker");
    EXPECT_EQ(fakes.colors.offered.back(), 0x00FF00U);
    EXPECT_EQ(window->Controls().lblValue[0].ForeColor, 0x00FF00U);
}

TEST_F(PageWindowTest, PrintRestoresAMaximisedWindowAndShowsTheWholePage) {
    Build(kAdd, 100);
    window->showMaximized();
    bool visibleWhilePrinting = false;
    QSize clientWhilePrinting;
    fakes.output.probe = [&](const PageControls&) {
        visibleWhilePrinting = window->isVisible() && !window->isMaximized();
        clientWhilePrinting = window->centralWidget()->size();
    };
    Trigger("mnuPrint");
    EXPECT_EQ(fakes.output.prints, 1);
    EXPECT_TRUE(visibleWhilePrinting);
    EXPECT_GE(clientWhilePrinting.width(), 816);
    EXPECT_GE(clientWhilePrinting.height(), 1056);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(PageWindowTest, PrintShowsAHiddenWindow) {
    Build(kAdd, 10);
    window->PrintTest();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PageWindowTest, FailedPrintIsReportedAndTheProgramGoesOn) {
    Build(kAdd, 10);
    fakes.output.outcome = {false, QStringLiteral("No default printer is set up.")};
    window->PrintTest();
    const RecordedMessage expected{QStringLiteral("Tallyworth"),
                                   QStringLiteral("No default printer is set up."),
                                   MessageIcon::Stop};
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], expected);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PageWindowTest, SaveAsPdfWritesTheChosenFile) {
    Build(kAdd, 10);
    fakes.files.next = QStringLiteral("/tmp/sheet.pdf");
    Trigger("mnuSaveAsPdf");
    EXPECT_EQ(fakes.output.savedFiles, QStringList{QStringLiteral("/tmp/sheet.pdf")});
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(PageWindowTest, CancelledSaveWritesNothing) {
    Trigger("mnuSaveAsPdf");
    EXPECT_EQ(fakes.files.asked, 1);
    EXPECT_TRUE(fakes.output.savedFiles.isEmpty());
}

TEST_F(PageWindowTest, FailedSaveIsReported) {
    fakes.files.next = QStringLiteral("/no/such/folder/sheet.pdf");
    fakes.output.outcome = {false, QStringLiteral("The file could not be written.")};
    Trigger("mnuSaveAsPdf");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, QStringLiteral("Tallyworth"));
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Stop);
}

TEST_F(PageWindowTest, ReportedFailureShowsTheMessageThenTheWindow) {
    window->ReportFailure(QStringLiteral("ComposeProblems(): Overflow"));
    const RecordedMessage expected{QStringLiteral("An Error has been detected."),
                                   QStringLiteral("ComposeProblems(): Overflow"),
                                   MessageIcon::Stop};
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], expected);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PageWindowTest, HideEverythingHidesEveryCell) {
    Build(kDivide, 60);
    window->HideEverything();
    const QString dump = DumpVisibleControls(window->Controls());
    EXPECT_TRUE(dump.trimmed().isEmpty()) << dump.toStdString();
}

}  // namespace
}  // namespace tallyworth

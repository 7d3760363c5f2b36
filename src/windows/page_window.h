#pragma once

#include "core/sheet_code.h"
#include "core/worksheet_state.h"
#include "page_model/flowing_layout.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"
#include "page_model/printed_page.h"
#include "windows/user_interfaces.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QScrollArea;

namespace tallyworth {

class PageStatusLine;
class PageView;

// The page window: shows one page of the current worksheet and carries its commands
// (print, export, solutions, pages, colour). It owns the page's cells as plain data;
// the worksheet state belongs to the run and is only borrowed.
class PageWindow final : public QMainWindow, public FailureReporter {
    Q_OBJECT
  public:
    // Client area and place the window opens with, in logical pixels.
    static constexpr int kClientWidth = 779;
    static constexpr int kClientHeight = 772;
    static constexpr int kLeft = 135;
    static constexpr int kTop = 63;

    PageWindow(WorksheetState& state, UserInterfaces interfaces, QWidget* parent = nullptr);

    void ViewTest();
    void PrintTest();
    void ArrangeFields();
    void HideEverything();
    void ColorEverything(ColorValue color);

    void ReportFailure(const QString& text) override;

    [[nodiscard]] PageControls& Controls() { return page_; }
    [[nodiscard]] const PageControls& Controls() const { return page_; }
    // Redraws the page after its cells were changed from outside.
    void RefreshPage();

    // The code of the worksheet the page shows, under the page and in a saved PDF; empty
    // when the page shows something no code brings back.
    void ShowSheetCode(const QString& code);
    [[nodiscard]] const QString& ShownSheetCode() const { return sheetCode_; }
    // Shows the sheet of the code, composed and laid out from the code alone, as the
    // command line makes it, until the main window's own sheet is shown again; tells why
    // and shows nothing new when the sheet cannot be made.
    [[nodiscard]] bool ShowCodedSheet(const SheetCode& code);
    [[nodiscard]] PageStatusLine& StatusLine() { return *statusLine_; }

    // Asks how to make a class set of the worksheets first stands for, makes it, and says
    // what went wrong unless the user cancelled.
    void MakeClassSet(const SheetCode& first);

    // Menu commands.
    void CloseWindow();
    void ToggleSolutions();
    void ShowPage1();
    void ShowPage2();
    // Page pageNo of the worksheet; a page it does not have is told.
    void ShowPage(int pageNo);
    void PickColor();
    void SaveAsPdf();

  Q_SIGNALS:
    // "Class Set..." was chosen: the settings it needs belong to the main window.
    void ClassSetWanted();

  private:
    void BuildMenus();
    void ResizeToPage();
    // A window larger than its screen's free area (a small screen, or a large scale) is
    // made to fit it, so every part of the page can be scrolled into view.
    void KeepOnScreen();
    void PlaceView(const QRect& place);
    void ReportOutcome(const PrintOutcome& outcome);
    [[nodiscard]] int MenuAndStatusHeight() const;
    void RunClassSet(const std::function<PrintOutcome(SetProgress&)>& job);
    // Whether the page is laid out anew (larger print, problems on a line) rather than
    // drawn from its cells.
    [[nodiscard]] bool Flows() const;
    [[nodiscard]] std::vector<PrintedPage> FlowingPages(const QRectF& area = kFlowingArea) const;
    [[nodiscard]] int PageCount() const;
    // The original page's page shown, as drawn.
    [[nodiscard]] PrintedPage OriginalPage() const;
    [[nodiscard]] PageMaker PagesToPrint() const;
    [[nodiscard]] std::vector<PrintedPage> CodedPages(const QRectF& area) const;

    WorksheetState& state_;
    UserInterfaces interfaces_;
    PageControls page_;
    ColorValue pickerColor_ = kBlack;
    ColorValue pageColor_ = kBlack;  // of every caption and stroke, pages laid out anew too
    QScrollArea* scrollArea_ = nullptr;
    QWidget* sheet_ = nullptr;  // the scrolled surface the page stands on
    PageView* view_ = nullptr;
    QAction* showSolutions_ = nullptr;
    PageStatusLine* statusLine_ = nullptr;
    QString sheetCode_;
    std::optional<SheetCode> codedSheet_;  // the sheet shown, when it is no window's own
};

// Where a window that wants the place `wanted` stands on a screen whose free area is
// `free`: no larger than that area, and moved inside it.
[[nodiscard]] QRect PlaceOnScreen(const QRect& wanted, const QRect& free);

}  // namespace tallyworth

#pragma once

#include "core/worksheet_state.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"
#include "windows/user_interfaces.h"

#include <QMainWindow>

class QAction;
class QScrollArea;

namespace tallyworth {

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

    // Menu commands.
    void CloseWindow();
    void ToggleSolutions();
    void ShowPage1();
    void ShowPage2();
    void PickColor();
    void SaveAsPdf();

  private:
    void BuildMenus();
    void ResizeToPage();
    void PlaceView(const QRect& place);
    void ReportOutcome(const PrintOutcome& outcome);

    WorksheetState& state_;
    UserInterfaces interfaces_;
    PageControls page_;
    ColorValue pickerColor_ = kBlack;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* sheet_ = nullptr;  // the scrolled surface the page stands on
    PageView* view_ = nullptr;
    QAction* showSolutions_ = nullptr;
};

}  // namespace tallyworth

#include "windows/page_window.h"

#include "core/sheet_composer.h"
#include "core/translations.h"
#include "page_model/build_worksheet.h"
#include "page_model/flowing_layout.h"
#include "page_model/page_layout.h"
#include "page_model/sheet_page.h"
#include "windows/class_set_dialog.h"
#include "windows/design_geometry.h"
#include "windows/named_menus.h"
#include "windows/page_status_line.h"
#include "windows/page_view.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace tallyworth {

namespace {

constexpr const char* kProgramTitle = "Tallyworth";
constexpr int kLastSinglePageDivision = 50;

// Only a division sheet of more than 50 problems has a second page.
bool HasSecondPage(const WorksheetState& state) {
    return state.IsDivisionWorksheet() && state.numberOfProblems > kLastSinglePageDivision;
}
// Picture1's design place and width in the window; its height reaches below the
// window, to the lowest row of a full grid.
constexpr QRect kPictureDesign = Twips(120, 60, 11401, 16695);

QRect PageAtOrigin() {
    return {0, 0, static_cast<int>(std::lround(kPageWidthInches * PageView::kDotsPerInch)),
            static_cast<int>(std::lround(kPageHeightInches * PageView::kDotsPerInch))};
}

}  // namespace

QRect PlaceOnScreen(const QRect& wanted, const QRect& free) {
    const QSize size = wanted.size().boundedTo(free.size());
    const int left = std::clamp(wanted.left(), free.left(), free.right() + 1 - size.width());
    const int top = std::clamp(wanted.top(), free.top(), free.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

PageWindow::PageWindow(WorksheetState& state, UserInterfaces interfaces, QWidget* parent)
    : QMainWindow(parent), state_(state), interfaces_(interfaces), page_(MakeDesignPageControls()) {
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    sheet_ = new QWidget;
    sheet_->setObjectName(QStringLiteral("pageSheet"));
    view_ = new PageView(sheet_);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    // The page itself takes the focus, with its name and problems; keys it leaves scroll.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setBackgroundRole(QPalette::Base);
    QPalette white = scrollArea_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    scrollArea_->setPalette(white);
    // The whole page scrolls into view: every row of a full grid can be reached.
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setWidget(sheet_);
    // A screen reader names a scroll bar by what it scrolls.
    for (QScrollBar* bar : {scrollArea_->horizontalScrollBar(), scrollArea_->verticalScrollBar()}) {
        bar->setAccessibleName(tr("Worksheet"));
    }
    setCentralWidget(scrollArea_);
    statusLine_ = new PageStatusLine(this);
    setStatusBar(statusLine_);
    PlaceView(kPictureDesign);
    BuildMenus();
    resize(kClientWidth, kClientHeight + MenuAndStatusHeight());
    move(kLeft, kTop);
    KeepOnScreen();
}

void PageWindow::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    // The frame is known once the window is shown; until then the title bar is taken to be
    // as high as the menu bar.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame =
        isVisible() ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom())
                    : QMargins(0, menuBar()->sizeHint().height(), 0, 0);
    setGeometry(PlaceOnScreen(inner, screen->availableGeometry().marginsRemoved(frame)));
}

void PageWindow::BuildMenus() {
    QMenu* file = AddMenu(menuBar(), "mnuFile", tr("&File"));
    QAction* print = AddItem(file, "mnuPrint", tr("&Print"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &PageWindow::PrintTest);
    // "&Print" has the P: one key per item, or Alt+F, P would only move between them.
    QAction* pdf = AddItem(file, "mnuSaveAsPdf", tr("Save as P&DF..."));
    pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(pdf, &QAction::triggered, this, &PageWindow::SaveAsPdf);
    connect(AddItem(file, "mnuClassSet", tr("Class &Set...")), &QAction::triggered, this,
            &PageWindow::ClassSetWanted);
    file->addSeparator();
    connect(AddItem(file, "mnuClose", tr("&Close")), &QAction::triggered, this,
            &PageWindow::CloseWindow);

    QMenu* solutions = AddMenu(menuBar(), "mnuSolutions", tr("&Solutions"));
    showSolutions_ = AddItem(solutions, "mnuShowSolutions", tr("&Show"));
    connect(showSolutions_, &QAction::triggered, this, &PageWindow::ToggleSolutions);

    QMenu* pages = AddMenu(menuBar(), "mnuPages", tr("&Pages"));
    connect(AddItem(pages, "mnuPage1", tr("Page &1")), &QAction::triggered, this,
            &PageWindow::ShowPage1);
    connect(AddItem(pages, "mnuPage2", tr("Page &2")), &QAction::triggered, this,
            &PageWindow::ShowPage2);
    // Large print flows onto as many pages as it needs.
    QAction* next = AddItem(pages, "mnuNextPage", tr("&Next Page"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(next, &QAction::triggered, this, [this] { ShowPage(state_.currentPage + 1); });
    QAction* previous = AddItem(pages, "mnuPreviousPage", tr("P&revious Page"));
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(previous, &QAction::triggered, this, [this] { ShowPage(state_.currentPage - 1); });

    QMenu* config = AddMenu(menuBar(), "mnuConfig", tr("&Config"));
    connect(AddItem(config, "mnuColorPicker", tr("C&olor Picker...")), &QAction::triggered, this,
            &PageWindow::PickColor);
}

void PageWindow::ViewTest() {
    showSolutions_->setText(tr("&Show"));
    RefreshPage();
    if (isMinimized()) {
        showNormal();
    }
    // A page window already open is brought to the front; a new one opens there anyway.
    if (isVisible()) {
        raise();
    } else {
        show();
    }
    KeepOnScreen();
    activateWindow();
}

void PageWindow::PrintTest() {
    // A maximised or minimised window cannot take the page size.
    if (isMaximized() || isMinimized() || isFullScreen()) {
        showNormal();
    }
    ResizeToPage();
    show();
    view_->update();
    // No event processing here: a command the user queued meanwhile must not change
    // the page while it is being printed.
    ReportOutcome(interfaces_.output.Print(PagesToPrint()));
}

void PageWindow::ResizeToPage() {
    PlaceView(PageAtOrigin());
    scrollArea_->ensureVisible(0, 0);
    resize(view_->width(), view_->height() + MenuAndStatusHeight());
    KeepOnScreen();
}

int PageWindow::MenuAndStatusHeight() const {
    return menuBar()->sizeHint().height() + statusLine_->sizeHint().height();
}

void PageWindow::PlaceView(const QRect& place) {
    view_->setGeometry(place);
    // The vertical scroll bar may cover the page's blank right edge: a horizontal bar
    // only appears once the window is too narrow for the rest.
    const int barWidth = scrollArea_->verticalScrollBar()->sizeHint().width();
    sheet_->setMinimumSize(place.left() + place.width() - barWidth, place.top() + place.height());
}

void PageWindow::ArrangeFields() {
    tallyworth::ArrangeFields(page_, state_);
    RefreshPage();
}

void PageWindow::HideEverything() {
    tallyworth::HideEverything(page_);
    RefreshPage();
}

void PageWindow::ColorEverything(ColorValue color) {
    tallyworth::ColorEverything(page_, color);
    pageColor_ = color;
    RefreshPage();
}

void PageWindow::ReportFailure(const QString& text) {
    interfaces_.messages.ShowMessage(FailureTitle(), text, MessageIcon::Stop);
    RefreshPage();
    show();
}

bool PageWindow::Flows() const {
    // A coded sheet's pages are laid out from its code, the original page's too.
    return codedSheet_ || !IsOriginalPage(state_.pageOptions);
}

std::vector<PrintedPage> PageWindow::FlowingPages(const QRectF& area) const {
    if (codedSheet_) {
        return CodedPages(area);
    }
    FlowRequest request;
    request.area = area;
    request.settings = SheetSettingsOf(state_, false);
    request.signs = SignsOf(state_.pageOptions, SpokenLocale());
    request.answerKey = state_.showSolutions;
    std::vector<PrintedPage> pages =
        LayOutFlowingPages(ReadProblems(page_, state_.numberOfProblems), request);
    for (PrintedPage& page : pages) {
        ColorPrintedPage(page, pageColor_);
    }
    return pages;
}

std::vector<PrintedPage> PageWindow::CodedPages(const QRectF& area) const {
    std::vector<PrintedPage> pages =
        MakeSheetPrint(*codedSheet_, state_.showSolutions, SpokenLocale(), area).pages;
    for (PrintedPage& page : pages) {
        ColorPrintedPage(page, pageColor_);
    }
    return pages;
}

int PageWindow::PageCount() const {
    if (Flows()) {
        return static_cast<int>(FlowingPages().size());
    }
    return HasSecondPage(state_) ? 2 : 1;
}

PrintedPage PageWindow::OriginalPage() const {
    return PrintedPageOf(page_, SignsOf(state_.pageOptions, SpokenLocale()));
}

// The original page prints the page shown; a sheet laid out anew prints whole, laid out
// for the paper.
PageMaker PageWindow::PagesToPrint() const {
    return [this](const QRectF& area) {
        return Flows() ? FlowingPages(area) : std::vector<PrintedPage>{OriginalPage()};
    };
}

void PageWindow::RefreshPage() {
    const QString name = state_.showSolutions ? tr("Worksheet, page %1 of %2, solutions shown")
                                              : tr("Worksheet, page %1 of %2, solutions hidden");
    if (!Flows()) {
        view_->ShowPage(OriginalPage(), name.arg(state_.currentPage).arg(PageCount()));
        return;
    }
    // The pages are laid out once for both the page shown and their count.
    std::vector<PrintedPage> pages = FlowingPages();
    const auto index = static_cast<std::size_t>(std::max(state_.currentPage - 1, 0));
    view_->ShowPage(index < pages.size() ? std::move(pages[index]) : PrintedPage{},
                    name.arg(state_.currentPage).arg(pages.size()));
}

void PageWindow::CloseWindow() {
    hide();
}

void PageWindow::ToggleSolutions() {
    // The caption is the switch's memory: it offers what the next click does.
    if (showSolutions_->text() == tr("&Show")) {
        showSolutions_->setText(tr("&Hide"));
        state_.showSolutions = true;
    } else {
        showSolutions_->setText(tr("&Show"));
        state_.showSolutions = false;
    }
    if (!codedSheet_) {
        SetSolutionsVisible(page_, state_, state_.currentPage, state_.showSolutions);
    }
    RefreshPage();
}

void PageWindow::ShowPage1() {
    if (codedSheet_) {
        ShowPage(1);
        return;
    }
    state_.currentPage = 1;
    DisplayProblems(page_, state_, 1, *this);
    RefreshPage();
}

void PageWindow::ShowPage(int pageNo) {
    if (!Flows()) {
        if (pageNo == 1) {
            ShowPage1();
        } else if (pageNo == 2) {
            ShowPage2();
        }
        return;
    }
    const int pages = PageCount();
    if (pageNo < 1 || pageNo > pages) {
        interfaces_.messages.ShowMessage(SettingsMessageTitle(),
                                         tr("The worksheet has %n page(s).", nullptr, pages),
                                         MessageIcon::Information);
        return;
    }
    state_.currentPage = static_cast<std::int16_t>(pageNo);
    RefreshPage();
}

void PageWindow::ShowPage2() {
    if (Flows()) {
        ShowPage(2);
        return;
    }
    if (!HasSecondPage(state_)) {
        interfaces_.messages.ShowMessage(
            SettingsMessageTitle(),
            tr("Only the division test with more than 50 problems has two pages"),
            MessageIcon::Information);
        return;
    }
    state_.currentPage = 2;
    DisplayProblems(page_, state_, 2, *this);
    RefreshPage();
}

void PageWindow::PickColor() {
    // A cancelled dialog hands back the colour it held, and that is applied all the same.
    pickerColor_ = interfaces_.colors.ChooseColor(pickerColor_);
    ColorEverything(pickerColor_);
}

void PageWindow::SaveAsPdf() {
    const std::optional<QString> fileName = interfaces_.files.ChooseSaveFile();
    if (!fileName) {
        return;
    }
    ReportOutcome(interfaces_.output.SaveAsPdf(PagesToPrint(), *fileName, sheetCode_));
}

void PageWindow::ShowSheetCode(const QString& code) {
    codedSheet_.reset();
    sheetCode_ = code;
    statusLine_->SetPart(PageStatusLine::Part::SheetCode, code);
}

bool PageWindow::ShowCodedSheet(const SheetCode& code) {
    const SheetPrint made = MakeSheetPrint(code, false, SpokenLocale(), kFlowingArea);
    if (!made.ok) {
        interfaces_.messages.ShowMessage(FailureTitle(), made.failure, MessageIcon::Stop);
        return false;
    }
    ShowSheetCode(FormatSheetCode(code));
    codedSheet_ = code;
    state_.currentPage = 1;
    state_.showSolutions = false;
    // Each section has rules of its own: the line names no one set of them.
    statusLine_->SetPart(PageStatusLine::Part::Rules, {});
    return true;
}

void PageWindow::MakeClassSet(const SheetCode& first) {
    const std::optional<ClassSetChoice> choice = interfaces_.classSets.AskClassSet();
    if (!choice) {
        return;
    }
    const ClassSetRequest request{first, choice->sheets, choice->answerKeys, choice->header};
    if (choice->destination == ClassSetDestination::PdfFile) {
        const std::optional<QString> fileName = interfaces_.files.ChooseSaveFile();
        if (fileName) {
            RunClassSet([&](SetProgress& progress) {
                return interfaces_.output.WriteClassSetPdf(request, choice->paper, *fileName,
                                                           progress);
            });
        }
        return;
    }
    if (const std::unique_ptr<QPrinter> printer = interfaces_.printers.ChoosePrinter()) {
        RunClassSet([&](SetProgress& progress) {
            return interfaces_.output.PrintClassSet(request, *printer, progress);
        });
    }
}

void PageWindow::RunClassSet(const std::function<PrintOutcome(SetProgress&)>& job) {
    // Made only now, after the file or print dialog: it counts its moment from here.
    ClassSetProgressDialog progress(this);
    ReportOutcome(job(progress));
}

void PageWindow::ReportOutcome(const PrintOutcome& outcome) {
    switch (outcome.kind) {
        case OutcomeKind::Done:
        case OutcomeKind::Cancelled:  // the user's own doing, not a failure to report
            return;
        case OutcomeKind::Notice:
            // What a print that went through still has to say is information, not a stop.
            interfaces_.messages.ShowMessage(QString::fromLatin1(kProgramTitle), outcome.message,
                                             MessageIcon::Information);
            return;
        case OutcomeKind::Failed:
            interfaces_.messages.ShowMessage(QString::fromLatin1(kProgramTitle), outcome.message,
                                             MessageIcon::Stop);
            return;
    }
}

}  // namespace tallyworth

#include "windows/page_view.h"

#include "render/page_painter.h"
#include "windows/focus_ring.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <utility>

namespace tallyworth {

namespace {

constexpr int kFocusFrameWidth = 3;

}  // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    // Every pixel is painted: the sheet, and white below it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the page, so a screen reader can read it and the keys can scroll it.
    setFocusPolicy(Qt::StrongFocus);
    setProperty(FocusRing::kDrawsOwnFocus, true);
}

void PageView::ShowPage(PrintedPage page, const QString& name) {
    page_ = std::move(page);
    setAccessibleName(name);
    setAccessibleDescription(SpokenProblems(page_).join(u'\n'));
    update();
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    // The picture reaches below the sheet; unpainted, that strip would show rows scrolled
    // past. The sheet is white whatever the desktop theme says.
    painter.fillRect(event->rect(), Qt::white);
    // Figures keep their order and place value in a right-to-left program, as on paper.
    painter.setLayoutDirection(Qt::LeftToRight);
    PaintPage(painter, page_, kDotsPerInch);
    if (hasFocus()) {
        // Inside the page, where a ring outside it would be scrolled away.
        painter.setPen(QPen(FocusRingColor(palette(), Qt::white), kFocusFrameWidth));
        const int inset = kFocusFrameWidth / 2;
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

void PageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace tallyworth

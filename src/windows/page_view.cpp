#include "windows/page_view.h"

#include "render/page_painter.h"

#include <QPaintEvent>
#include <QPainter>

namespace tallyworth {

PageView::PageView(const PageControls& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("Picture1"));
    // The sheet is white whatever the desktop theme says.
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, Qt::white);
    setPalette(sheet);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    PaintPage(painter, page_, kDotsPerInch);
}

}  // namespace tallyworth

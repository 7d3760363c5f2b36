#include "windows/focus_ring_style.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QStyleOption>

namespace tallyworth {

namespace {

constexpr int kRingWidth = 2;
// Inside a button's bevel; a list's contents cover all but its frame, so there the ring
// is the frame.
constexpr int kButtonRingInset = 3;

}  // namespace

FocusRingStyle::FocusRingStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void FocusRingStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // A list repaints only its contents when it gains or loses the focus; its frame, which
    // carries the ring, must be repainted too.
    if (qobject_cast<QAbstractScrollArea*>(widget) != nullptr) {
        widget->installEventFilter(this);
    }
}

void FocusRingStyle::unpolish(QWidget* widget) {
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool FocusRingStyle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        static_cast<QWidget*>(watched)->update();
    }
    return QProxyStyle::eventFilter(watched, event);
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const bool ringed = element == CE_PushButton || element == CE_ShapedFrame;
    if (!ringed || !option->state.testFlag(State_HasFocus)) {
        return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), kRingWidth));
    painter->setBrush(Qt::NoBrush);
    const int inset = (element == CE_PushButton ? kButtonRingInset : 0) + kRingWidth / 2;
    painter->drawRect(option->rect.adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

}  // namespace tallyworth

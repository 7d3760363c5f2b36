#include "windows/focus_ring.h"

#include "windows/decoration.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QRegion>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tallyworth {

// The ring itself: a child of the surface the ringed control stands on (its window, or the
// viewport it is scrolled in), shaped as the ring, above everything else there.
class FocusRingWidget final : public QWidget {
  public:
    explicit FocusRingWidget(QWidget* surface);
    // Stands round `place`, where the control shows (in the surface's coordinates), in a
    // colour that stands out from what it lies on.
    void Surround(const QRect& place, const QWidget& control);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
};

namespace {

constexpr int kRingWidth = 2;
constexpr int kRingGap = 1;  // between the control and its ring, so neither hides the other
// The non-text contrast accessibility guidelines ask of a focus indicator.
constexpr double kLeastContrast = 3.0;

double Luminance(const QColor& color) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double Contrast(const QColor& one, const QColor& other) {
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The control a focus belongs to: a spin box or an editable drop-down list, not the text
// field inside it.
QWidget* ControlOf(QWidget* focused) {
    QWidget* parent = focused->parentWidget();
    const bool inner = parent != nullptr && parent->focusProxy() == focused &&
                       (qobject_cast<QAbstractSpinBox*>(parent) != nullptr ||
                        qobject_cast<QComboBox*>(parent) != nullptr);
    return inner ? parent : focused;
}

bool Ringable(const QWidget& control) {
    return !control.isWindow() && !control.property(FocusRing::kDrawsOwnFocus).toBool() &&
           control.window()->windowType() != Qt::Popup;
}

// What the ring stands on: the control's window, or the viewport of the scroll area it
// sits in, so the ring is cut off where the control is.
QWidget* SurfaceOf(const QWidget& control) {
    QWidget* surface = control.parentWidget();
    while (!surface->isWindow()) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(surface->parentWidget());
        if (area != nullptr && area->viewport() == surface) {
            break;
        }
        surface = surface->parentWidget();
    }
    return surface;
}

// Where the control shows, in its surface: a check box or a radio button stretched across
// its row is ringed round its box and caption only.
QRect ShownPlace(const QWidget& control, const QWidget& surface) {
    QRect shown = control.rect();
    if (qobject_cast<const QCheckBox*>(&control) != nullptr ||
        qobject_cast<const QRadioButton*>(&control) != nullptr) {
        shown.setWidth(std::min(control.sizeHint().width(), control.width()));
        shown = QStyle::visualRect(control.layoutDirection(), control.rect(), shown);
    }
    return shown.translated(control.mapTo(&surface, QPoint(0, 0)));
}

}  // namespace

QColor FocusRingColor(const QPalette& palette, const QColor& background) {
    for (const QColor& color :
         {palette.color(QPalette::Highlight), palette.color(QPalette::WindowText)}) {
        if (Contrast(color, background) >= kLeastContrast) {
            return color;
        }
    }
    return Contrast(Qt::black, background) >= Contrast(Qt::white, background) ? QColor(Qt::black)
                                                                              : QColor(Qt::white);
}

FocusRingWidget::FocusRingWidget(QWidget* surface) : QWidget(surface) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    MarkAsDecoration(*this);  // the control it rings is what a screen reader reads
}

void FocusRingWidget::Surround(const QRect& place, const QWidget& control) {
    constexpr int kReach = kRingGap + kRingWidth;
    const QRect wanted = place.adjusted(-kReach, -kReach, kReach, kReach);
    // A control at its window's edge has the ring's side along its own edge there.
    setGeometry(wanted.intersected(parentWidget()->rect()));
    // Only the ring is this widget's: the control and its neighbours show through inside.
    setMask(QRegion(rect()).subtracted(
        QRegion(rect().adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth))));
    // Over the control's own face the ring takes the colour of its text, which every style
    // keeps legible there; elsewhere it stands out from the background around the control.
    const QWidget& below = *control.parentWidget();
    color_ = geometry() != wanted
                 ? control.palette().color(control.foregroundRole())
                 : FocusRingColor(below.palette(), below.palette().color(below.backgroundRole()));
    raise();
    show();
    update();
}

void FocusRingWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).fillRect(rect(), color_);
}

FocusRing::FocusRing(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { Follow(now); });
    Follow(QApplication::focusWidget());
}

FocusRing::~FocusRing() {
    Unwatch();
    delete ring_;
}

void FocusRing::Follow(QWidget* focused) {
    Unwatch();
    control_ = focused != nullptr ? ControlOf(focused) : nullptr;
    if (control_ == nullptr || !Ringable(*control_)) {
        control_ = nullptr;
        delete ring_;
        return;
    }
    QWidget* surface = SurfaceOf(*control_);
    for (QWidget* widget = control_; widget != surface; widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        watched_.emplace_back(widget);
    }
    if (ring_ == nullptr) {
        ring_ = new FocusRingWidget(surface);
    } else if (ring_->parentWidget() != surface) {
        ring_->setParent(surface);
    }
    Place();
}

void FocusRing::Unwatch() {
    for (const QPointer<QWidget>& widget : watched_) {
        if (widget != nullptr) {
            widget->removeEventFilter(this);
        }
    }
    watched_.clear();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::LayoutDirectionChange:
            Place();
            break;
        case QEvent::ParentChange:
            Follow(control_);  // the ring may stand on another surface now
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void FocusRing::Place() {
    if (control_ == nullptr || ring_ == nullptr) {
        return;
    }
    if (control_->isVisible()) {
        ring_->Surround(ShownPlace(*control_, *ring_->parentWidget()), *control_);
    } else {
        ring_->hide();
    }
}

}  // namespace tallyworth

#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <vector>

class QPalette;
class QWidget;

namespace tallyworth {

class FocusRingWidget;

// The keyboard focus drawn plainly in every window, whatever the style or style sheet: a
// ring just outside the control with the focus, from the moment its window opens. Styles
// draw the focus only once a key has moved it, and some by a shade or a thin line only.
class FocusRing final : public QObject {
    Q_OBJECT
  public:
    // Follows the application's focus while it lives.
    explicit FocusRing(QObject* parent = nullptr);
    ~FocusRing() override;
    FocusRing(const FocusRing&) = delete;
    FocusRing& operator=(const FocusRing&) = delete;

    // Set on a widget that draws its own focus, to leave it unringed.
    static constexpr const char* kDrawsOwnFocus = "tallyworthDrawsOwnFocus";

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Follow(QWidget* focused);
    void Unwatch();
    void Place();

    QPointer<QWidget> control_;  // ringed
    // The control and its parents up to the ring's surface: a move of any moves the ring.
    std::vector<QPointer<QWidget>> watched_;
    QPointer<FocusRingWidget> ring_;
};

// The colour of a focus ring on this background: the palette's highlight when it stands
// out at least 3:1, else the text's colour, else black or white.
[[nodiscard]] QColor FocusRingColor(const QPalette& palette, const QColor& background);

}  // namespace tallyworth

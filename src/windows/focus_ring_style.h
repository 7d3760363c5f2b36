#pragma once

#include <QProxyStyle>

namespace tallyworth {

// The desktop's style, with the keyboard focus drawn plainly: a ring in the highlight
// colour inside a focused button or list. Some styles show the focus of a default button
// or a list by a shade only, which a keyboard user cannot find.
class FocusRingStyle final : public QProxyStyle {
  public:
    explicit FocusRingStyle(const QString& baseStyleName);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tallyworth

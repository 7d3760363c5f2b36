#include "windows/decoration.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tallyworth {

namespace {

constexpr const char* kDecoration = "tallyworthDecoration";

// A decoration as screen readers see it: a widget like any other, but never shown.
class DecorationInterface final : public QAccessibleWidget {
  public:
    explicit DecorationInterface(QWidget* widget) : QAccessibleWidget(widget) {}
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// Asked for each class of an object, from its own up, until a factory answers.
QAccessibleInterface* DecorationFactory(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->property(kDecoration).toBool()
               ? new DecorationInterface(widget)
               : nullptr;
}

}  // namespace

void MarkAsDecoration(QWidget& widget) {
    static const bool kFactoryInstalled = [] {
        QAccessible::installFactory(&DecorationFactory);
        return true;
    }();
    (void)kFactoryInstalled;
    widget.setProperty(kDecoration, true);
}

}  // namespace tallyworth

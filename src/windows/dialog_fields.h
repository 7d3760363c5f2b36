#pragma once

#include <QComboBox>
#include <QString>

#include <algorithm>

namespace tallyworth {

// Offered when the fixed number is first switched on: the first times table worth
// practising.
inline constexpr int kFirstFixed = 2;

// A control with the object name the tests and the accessibility tree find it by.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A list of choices whose items carry an enum value each.
template <typename Enum>
void ShowChoice(QComboBox& list, Enum value) {
    list.setCurrentIndex(std::max(0, list.findData(static_cast<int>(value))));
}

template <typename Enum>
Enum ChosenOf(const QComboBox& list) {
    return static_cast<Enum>(list.currentData().toInt());
}

}  // namespace tallyworth

#pragma once

#include "windows/caption_fit.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

#include <vector>

namespace tallyworth::testing_support {

// A test run may offer only one family of fonts, named in TALLYWORTH_ONLY_FONTS (a desktop
// with DejaVu alone, wider than the faces the windows ask for). The captions must then be
// drawn in it, or the run would not check what it claims to.
inline void ExpectTheSetUpsFonts(const QWidget& control) {
    const QString only = qEnvironmentVariable("TALLYWORTH_ONLY_FONTS");
    const QString face = QFontInfo(control.font()).family();
    EXPECT_TRUE(only.isEmpty() || face.startsWith(only))
        << control.objectName().toStdString() << " is drawn in " << face.toStdString();
}

// The label's or button's caption shows whole, no smaller than the smallest caption size,
// and inside both the control's contents and the room its style draws the caption in.
inline void ExpectCaptionFits(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    ASSERT_TRUE(label != nullptr || button != nullptr) << control.objectName().toStdString();
    const QString shown = label != nullptr ? label->text() : button->text();
    const QRect room = label != nullptr ? CaptionRoom(*label) : CaptionRoom(*button);
    int flags = Qt::TextShowMnemonic;
    if (label != nullptr) {
        // A label with a buddy shows its '&' as the underline of its access key.
        flags = static_cast<int>(label->alignment().toInt()) |
                (label->wordWrap() ? Qt::TextWordWrap : 0) |
                (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
    }
    const std::string name = control.objectName().toStdString() + " \"" + shown.toStdString() +
                             "\" at " + std::to_string(control.font().pointSizeF()) + " pt";
    for (const QRect& box : {control.contentsRect(), room}) {
        const QRect needed = QFontMetrics(control.font()).boundingRect(box, flags, shown);
        EXPECT_LE(needed.width(), box.width()) << name;
        EXPECT_LE(needed.height(), box.height()) << name;
    }
    EXPECT_GE(control.font().pointSizeF(), kSmallestCaptionPointSize) << name;
    EXPECT_FALSE(shown.endsWith(QChar(0x2026))) << name << " is shortened";
    ExpectTheSetUpsFonts(control);
}

// Each entry of the list shows whole in its row, between the margins the style draws text
// inside, no smaller than the smallest caption size.
inline void ExpectEntriesFit(const QListWidget& list) {
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem& entry = *list.item(row);
        const std::string name = list.objectName().toStdString() + " \"" +
                                 entry.text().toStdString() + "\" at " +
                                 std::to_string(entry.font().pointSizeF()) + " pt";
        EXPECT_LE(QFontMetrics(entry.font()).horizontalAdvance(entry.text()) + 2 * margin,
                  list.visualItemRect(&entry).width())
            << name;
        EXPECT_GE(entry.font().pointSizeF(), kSmallestCaptionPointSize) << name;
    }
}

// Every label and button of the window that shows a caption, found by walking it.
inline std::vector<const QWidget*> CaptionedControls(const QWidget& window) {
    std::vector<const QWidget*> captioned;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            captioned.push_back(label);
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) {
            captioned.push_back(button);
        }
    }
    return captioned;
}

}  // namespace tallyworth::testing_support

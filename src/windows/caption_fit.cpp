#include "windows/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

#include <algorithm>
#include <optional>
#include <vector>

namespace tallyworth {

namespace {

constexpr double kPointStep = 0.25;
// Where a control keeps its design font while it shows a smaller one.
constexpr const char* kDesignFontProperty = "designFont";
constexpr char16_t kEllipsis = u'\u2026';
// Between a button's icon and its text, as the styles draw them.
constexpr int kIconSpacing = 4;

struct FittedCaption {
    QFont font;
    QString text;
    QString toolTip;  // the whole caption when the text is shortened
};

QFont DesignFont(QWidget& control) {
    const QVariant kept = control.property(kDesignFontProperty);
    if (kept.isValid()) {
        return kept.value<QFont>();
    }
    control.setProperty(kDesignFontProperty, control.font());
    return control.font();
}

std::optional<QFont> FittingFont(const QFont& design, const QRect& room, int flags,
                                 const QString& caption) {
    if (CaptionFits(design, room, flags, caption)) {
        return design;
    }
    QFont font = design;
    const auto steps =
        static_cast<int>((design.pointSizeF() - kSmallestCaptionPointSize) / kPointStep);
    for (int step = 1; step <= steps; ++step) {
        font.setPointSizeF(design.pointSizeF() - step * kPointStep);
        if (CaptionFits(font, room, flags, caption)) {
            return font;
        }
    }
    return std::nullopt;
}

// The longest beginning of the caption that fits with an ellipsis after it.
QString Shortened(const QFont& font, const QRect& room, int flags, const QString& caption) {
    for (qsizetype kept = caption.size() - 1; kept > 0; --kept) {
        QString shown = caption.left(kept).trimmed() + QChar(kEllipsis);
        if (CaptionFits(font, room, flags, shown)) {
            return shown;
        }
    }
    return QString(QChar(kEllipsis));
}

// A bold caption that is too long for its control even at the smallest size is set in the
// regular weight before it is shortened: a whole word in regular type reads better than a
// cut one in bold.
std::vector<QFont> Weights(const QFont& design) {
    std::vector<QFont> weights{design};
    if (design.bold()) {
        weights.push_back(design);
        weights.back().setBold(false);
    }
    return weights;
}

FittedCaption Fit(const QFont& design, const QRect& room, int flags, const QString& caption) {
    for (const QFont& weight : Weights(design)) {
        if (std::optional<QFont> font = FittingFont(weight, room, flags, caption)) {
            return {*font, caption, {}};
        }
    }
    QFont smallest = design;
    smallest.setPointSizeF(std::min(design.pointSizeF(), kSmallestCaptionPointSize));
    return {smallest, Shortened(smallest, room, flags, caption), caption};
}

// The caption as it is read aloud: without the access key's marker ("&&" is a "&").
QString SpokenCaption(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        spoken += caption[i];
    }
    return spoken;
}

// A screen reader reads the whole caption, also where the control shows it shortened.
template <typename Control>
void Show(Control& control, const FittedCaption& fitted, const QString& caption) {
    control.setFont(fitted.font);
    control.setText(fitted.text);
    control.setToolTip(fitted.toolTip);
    control.setAccessibleName(SpokenCaption(caption));
}

QStyleOptionButton ButtonOption(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->isDefault()) {
            option.features |= QStyleOptionButton::DefaultButton;
        }
        if (push->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
    }
    return option;
}

QStyle::SubElement ContentsElement(const QAbstractButton& button) {
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        return QStyle::SE_CheckBoxContents;
    }
    if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        return QStyle::SE_RadioButtonContents;
    }
    return QStyle::SE_PushButtonContents;
}

}  // namespace

QRect CaptionRoom(const QLabel& label) {
    const int margin = label.margin();
    return label.contentsRect().adjusted(margin, margin, -margin, -margin);
}

QRect CaptionRoom(const QAbstractButton& button) {
    const QStyleOptionButton option = ButtonOption(button);
    QRect room = button.style()->subElementRect(ContentsElement(button), &option, &button);
    if (!option.icon.isNull()) {
        room.setWidth(room.width() - option.iconSize.width() - kIconSpacing);
    }
    if (qobject_cast<const QPushButton*>(&button) != nullptr) {
        // The style's contents reach the frame; a caption that touches it looks cut.
        const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
        room.adjust(margin / 2, 0, -(margin - margin / 2), 0);
    }
    return room;
}

bool CaptionFits(const QFont& font, const QRect& room, int flags, const QString& caption) {
    const QRect needed = QFontMetrics(font).boundingRect(room, flags, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QFont FontToFit(const QFont& design, int width, const QString& text) {
    const QRect room(0, 0, width, QFontMetrics(design).height());
    if (std::optional<QFont> font = FittingFont(design, room, Qt::TextSingleLine, text)) {
        return *font;
    }
    QFont smallest = design;
    smallest.setPointSizeF(kSmallestCaptionPointSize);
    return smallest;
}

void SetFittedCaption(QLabel& label, const QString& caption) {
    const QFont design = DesignFont(label);
    const int flags =
        static_cast<int>(label.alignment().toInt()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    Show(label, Fit(design, CaptionRoom(label), flags, caption), caption);
}

void SetFittedCaption(QAbstractButton& button, const QString& caption) {
    const QFont design = DesignFont(button);
    Show(button, Fit(design, CaptionRoom(button), Qt::TextShowMnemonic, caption), caption);
}

}  // namespace tallyworth

#include "windows/page_status_line.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tallyworth {

namespace {

// Room for the text with the line edit's margins and a letter to spare, so that the
// whole text shows at any scroll position.
int TextWidth(const QLineEdit& field, const QString& text) {
    const QFontMetrics metrics = field.fontMetrics();
    const QMargins margins = field.textMargins() + field.contentsMargins();
    const int width = metrics.horizontalAdvance(text) + metrics.horizontalAdvance(u'x') +
                      margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(&field);
    return field.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, metrics.height()), &field)
        .width();
}

}  // namespace

PageStatusLine::PageStatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusPage"));
    setSizeGripEnabled(false);
    const std::array<std::pair<const char*, QString>, kParts> captions{{
        {"SheetCode", tr("Sheet c&ode:")},
        {"Rules", tr("&Rules:")},
    }};
    for (std::size_t i = 0; i < kParts; ++i) {
        Shown& part = parts_[i];
        part.caption = new QLabel(captions[i].second, this);
        part.caption->setObjectName(QStringLiteral("lbl") + QLatin1String(captions[i].first));
        part.text = new QLineEdit(this);
        part.text->setObjectName(QStringLiteral("txt") + QLatin1String(captions[i].first));
        // A read-only field rather than a label: Tab and the caption's access key reach it,
        // and it then holds its whole text selected, ready to copy.
        part.text->setReadOnly(true);
        part.text->setFrame(false);
        part.caption->setBuddy(part.text);
        addWidget(part.caption);
        addWidget(part.text);
        part.caption->hide();
        part.text->hide();
    }
}

const PageStatusLine::Shown& PageStatusLine::PartOf(Part part) const {
    return parts_.at(static_cast<std::size_t>(part));
}

void PageStatusLine::SetPart(Part part, const QString& text) {
    const Shown& shown = PartOf(part);
    shown.text->setText(text);
    shown.text->setFixedWidth(TextWidth(*shown.text, text));
    shown.text->setCursorPosition(0);
    shown.caption->setVisible(!text.isEmpty());
    shown.text->setVisible(!text.isEmpty());
}

QString PageStatusLine::PartText(Part part) const {
    return PartOf(part).text->text();
}

}  // namespace tallyworth

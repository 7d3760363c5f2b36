#include "windows/about_box.h"

#include "tallyworth/version.h"
#include "windows/caption_fit.h"
#include "windows/decoration.h"
#include "windows/design_geometry.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace tallyworth {

namespace {

constexpr const char* kContactAddress = "tallyworth.author@example.org";
constexpr const char* kDedication = QT_TRANSLATE_NOOP(
    "tallyworth::AboutBox",
    "Dedicated to the pupils and teachers of Hazelbrook Primary School in Millbridge.");

// The box's design font, or the system's sans-serif face where it is not installed.
QFont DesignFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(DesignFont());
    return label;
}

// One stroke of the separator above the button row.
QWidget* AddLine(QWidget* parent, int index, const QRect& place, const QColor& color) {
    auto* line = new QWidget(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setGeometry(place);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    MarkAsDecoration(*line);
    return line;
}

void DrawSheet(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 110, 170, 90));
    painter.drawRoundedRect(QRectF(5, 6, 46, 48), 3, 3);
    painter.setBrush(QColor(255, 253, 240));
    painter.setPen(QPen(QColor(70, 110, 170), 1.2));
    painter.drawRoundedRect(QRectF(2, 3, 46, 48), 3, 3);
    painter.setPen(QPen(QColor(180, 205, 235), 1));
    for (int y = 14; y <= 44; y += 10) {
        painter.drawLine(QPointF(6, y), QPointF(44, y));
    }
}

void DrawSum(QPainter& painter) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(220, 70, 60));
    painter.drawText(QRectF(2, 10, 46, 22), Qt::AlignCenter, QStringLiteral("1+2"));
    painter.setPen(QPen(QColor(40, 140, 80), 2));
    painter.drawLine(QPointF(10, 34), QPointF(40, 34));
    painter.setPen(QColor(40, 140, 80));
    painter.drawText(QRectF(2, 32, 46, 18), Qt::AlignCenter, QStringLiteral("3"));
}

void DrawPencil(QPainter& painter) {
    painter.save();
    painter.translate(46, 50);
    painter.rotate(-55);
    painter.setPen(QPen(QColor(90, 60, 20), 1));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawRect(QRectF(0, -3, 20, 6));
    painter.setBrush(QColor(240, 205, 160));
    QPainterPath tip;
    tip.moveTo(0, -3);
    tip.lineTo(-7, 0);
    tip.lineTo(0, 3);
    tip.closeSubpath();
    painter.drawPath(tip);
    painter.setBrush(QColor(230, 120, 140));
    painter.drawRect(QRectF(20, -3, 4, 6));
    painter.restore();
}

}  // namespace

QString VersionText(const QString& major, const QString& minor, const QString& revision) {
    return QCoreApplication::translate("tallyworth::AboutBox", "Version %1.%2.%3 BETA")
        .arg(major.toInt())
        .arg(minor.toInt())
        .arg(revision.toInt());
}

// The picture keeps to the left of its 88 x 56 box: the title stands over its right part.
QPixmap DrawLogo() {
    QPixmap logo(88, 56);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSheet(painter);
    DrawSum(painter);
    DrawPencil(painter);
    return logo;
}

void SelectAllLineEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    selectAll();
}

void SelectAllLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    selectAll();
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(5730 / kTwipsPerPixel, 3555 / kTwipsPerPixel);
    BuildControls();
    Load();
}

void AboutBox::BuildControls() {
    QLabel* image = AddLabel(this, "Image1", Twips(60, 60, 1320, 840));
    image->setPixmap(DrawLogo());
    image->setAccessibleName(tr("%1 logo").arg(QString::fromLatin1(version::kTitle)));
    AddLabel(this, "lblTitle", Twips(1050, 240, 3885, 300));
    AddLabel(this, "lblVersion", Twips(1050, 780, 3885, 225));
    QLabel* description = AddLabel(this, "lblDescription", Twips(30, 1140, 5685, 570));
    description->setWordWrap(true);
    SetFittedCaption(*description, tr(kDedication));
    auto* address = new SelectAllLineEdit(this);
    address->setObjectName(QStringLiteral("txteMailAddress"));
    address->setGeometry(Twips(60, 1860, 5655, 375));
    address->setFont(DesignFont());
    address->setReadOnly(true);
    address->setAccessibleName(tr("E-mail address"));
    // An etched separator: the grey stroke with the white one just under it.
    AddLine(this, 1, QRect(6, 192, 372, 1), QColor(128, 128, 128));
    AddLine(this, 0, QRect(4, 193, 371, 2), Qt::white);
    // Part of the design but left empty: hidden, so that screen readers find no blank text.
    QLabel* disclaimer = AddLabel(this, "lblDisclaimer", Twips(255, 2985, 3870, 465));
    disclaimer->setWordWrap(true);
    disclaimer->hide();
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Twips(4440, 3120, 1260, 345));
    ok->setDefault(true);
    SetFittedCaption(*ok, tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void AboutBox::Load() {
    const QString title = QString::fromLatin1(version::kTitle);
    setWindowTitle(tr("About %1").arg(title));
    SetFittedCaption(
        *findChild<QLabel*>(QStringLiteral("lblVersion")),
        VersionText(QString::fromLatin1(version::kMajor), QString::fromLatin1(version::kMinor),
                    QString::fromLatin1(version::kRevision)));
    SetFittedCaption(*findChild<QLabel*>(QStringLiteral("lblTitle")), title);
    findChild<QLineEdit*>(QStringLiteral("txteMailAddress"))
        ->setText(QString::fromLatin1(kContactAddress));
}

}  // namespace tallyworth

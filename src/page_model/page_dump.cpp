#include "page_model/page_dump.h"

#include <QStringList>

#include <cstddef>

namespace tallyworth {

namespace {

QString Decimal(float value) {
    QString text = QString::number(static_cast<double>(value), 'f', 3);
    // A value that rounds to zero from below reads as zero, so dumps do not differ by
    // a sign nobody can see.
    if (text == QLatin1String("-0.000")) {
        text = QStringLiteral("0.000");
    }
    return text;
}

QString Color(ColorValue color) {
    return QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper();
}

QString Quoted(const QString& caption) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString ControlLine(const QString& name, std::size_t index, const PageLabel& label) {
    const QString alignment =
        label.alignment == LabelAlignment::Right ? QStringLiteral("right") : QStringLiteral("left");
    return QStringLiteral("%1(%2) L=%3 T=%4 W=%5 H=%6 %7 %8 color=%9")
        .arg(name, QString::number(index), Decimal(label.left), Decimal(label.top),
             Decimal(label.width), Decimal(label.height), alignment, Quoted(label.caption),
             Color(label.foreColor));
}

QString ControlLine(const QString& name, std::size_t index, const PageLine& line) {
    return QStringLiteral("%1(%2) (%3,%4)-(%5,%6) bw=%7 color=%8")
        .arg(name, QString::number(index), Decimal(line.x1), Decimal(line.y1), Decimal(line.x2),
             Decimal(line.y2), QString::number(line.borderWidth), Color(line.borderColor));
}

template <typename Control, std::size_t Count>
void AppendVisible(QStringList& lines, const QString& name,
                   const std::array<Control, Count>& controls) {
    for (std::size_t index = 0; index < Count; ++index) {
        if (controls[index].visible) {
            lines.append(ControlLine(name, index, controls[index]));
        }
    }
}

}  // namespace

QString DumpVisibleControls(const PageControls& page) {
    QStringList lines;
    AppendVisible(lines, QStringLiteral("lblValue"), page.valueLabels);
    AppendVisible(lines, QStringLiteral("lblPlus"), page.plusLabels);
    AppendVisible(lines, QStringLiteral("lblSolution"), page.solutionLabels);
    AppendVisible(lines, QStringLiteral("Line1"), page.line1);
    AppendVisible(lines, QStringLiteral("Line2"), page.line2);
    AppendVisible(lines, QStringLiteral("DivisionLine"), page.divisionLine);
    AppendVisible(lines, QStringLiteral("EqualSignTop"), page.equalSignTop);
    AppendVisible(lines, QStringLiteral("EqualSignBottom"), page.equalSignBottom);
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace tallyworth

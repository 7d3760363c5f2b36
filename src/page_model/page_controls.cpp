#include "page_model/page_controls.h"

#include <cstddef>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>

namespace tallyworth {

namespace {

constexpr float kNumberWidthTwips = 435.0F;
constexpr float kNumberHeightTwips = 315.0F;
constexpr float kOperatorWidthTwips = 315.0F;
constexpr float kNarrowOperatorWidthTwips = 195.0F;
constexpr float kOperatorHeightTwips = 255.0F;
constexpr float kNumberFontSize = 13.5F;
constexpr float kOperatorFontSize = 12.0F;
constexpr std::int16_t kEqualSignBorderWidth = 2;

// These operator labels were drawn narrower on the page; their "+" sits 120 twips
// further left than the others.
constexpr std::array<std::size_t, 10> kNarrowOperators = {2, 17, 22, 32, 42, 57, 67, 77, 82, 97};

float Inches(float twips) {
    return static_cast<float>(static_cast<double>(twips) / kTwipsPerInch);
}

// Every control starts hidden: a fresh page shows nothing until a worksheet has been
// laid out, written and filled, so stale design captions never reach the screen.
PageLabel DesignLabel(float widthTwips, float heightTwips, float fontSize, const QString& caption,
                      LabelAlignment alignment) {
    PageLabel label;
    label.width = Inches(widthTwips);
    label.height = Inches(heightTwips);
    label.caption = caption;
    label.alignment = alignment;
    label.fontName = QStringLiteral("MS Sans Serif");
    label.fontSize = fontSize;
    label.foreColor = kBlack;
    label.visible = false;
    return label;
}

// Printed coordinates that differ never read alike.
constexpr int kExactDigits = std::numeric_limits<float>::max_digits10;

std::string Hex(ColorValue color) {
    return QString::number(color, 16).rightJustified(6, u'0').toStdString();
}

PageLine DesignLine(std::int16_t borderWidth) {
    PageLine line;
    line.borderWidth = borderWidth;
    line.borderColor = kBlack;
    line.visible = false;
    return line;
}

}  // namespace

PageControls MakeDesignPageControls() {
    const QString designCaption = QStringLiteral("Label1");
    PageControls page;
    page.valueLabels.fill(DesignLabel(kNumberWidthTwips, kNumberHeightTwips, kNumberFontSize,
                                      designCaption, LabelAlignment::Right));
    page.plusLabels.fill(DesignLabel(kOperatorWidthTwips, kOperatorHeightTwips, kOperatorFontSize,
                                     QStringLiteral("+"), LabelAlignment::Right));
    for (const std::size_t narrow : kNarrowOperators) {
        page.plusLabels[narrow].width = Inches(kNarrowOperatorWidthTwips);
    }
    page.solutionLabels.fill(DesignLabel(kNumberWidthTwips, kNumberHeightTwips, kNumberFontSize,
                                         designCaption, LabelAlignment::Left));
    page.solutionLabels[0].alignment = LabelAlignment::Right;
    page.line1.fill(DesignLine(1));
    page.line2.fill(DesignLine(1));
    page.divisionLine.fill(DesignLine(1));
    page.equalSignTop.fill(DesignLine(kEqualSignBorderWidth));
    page.equalSignBottom.fill(DesignLine(kEqualSignBorderWidth));
    return page;
}

void PrintTo(const PageLabel& label, std::ostream* out) {
    std::ostringstream text;
    text.precision(kExactDigits);
    text << "label (" << label.left << ", " << label.top << ") " << label.width << " x "
         << label.height << " \"" << label.caption.toStdString() << "\" "
         << (label.alignment == LabelAlignment::Left ? "left" : "right") << " \""
         << label.fontName.toStdString() << "\" " << label.fontSize << " pt colour "
         << Hex(label.foreColor) << (label.visible ? " shown" : " hidden");
    *out << text.str();
}

void PrintTo(const PageLine& line, std::ostream* out) {
    std::ostringstream text;
    text.precision(kExactDigits);
    text << "line (" << line.x1 << ", " << line.y1 << ")-(" << line.x2 << ", " << line.y2
         << ") width " << line.borderWidth << " colour " << Hex(line.borderColor)
         << (line.visible ? " shown" : " hidden");
    *out << text.str();
}

}  // namespace tallyworth

#include "page/page_controls.h"

#include <cstddef>

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
    label.Width = Inches(widthTwips);
    label.Height = Inches(heightTwips);
    label.Caption = caption;
    label.Alignment = alignment;
    label.FontName = QStringLiteral("MS Sans Serif");
    label.FontSize = fontSize;
    label.ForeColor = kBlack;
    label.Visible = false;
    return label;
}

PageLine DesignLine(std::int16_t borderWidth) {
    PageLine line;
    line.BorderWidth = borderWidth;
    line.BorderColor = kBlack;
    line.Visible = false;
    return line;
}

}  // namespace

PageControls MakeDesignPageControls() {
    const QString designCaption = QStringLiteral("Label1");
    PageControls page;
    page.lblValue.fill(DesignLabel(kNumberWidthTwips, kNumberHeightTwips, kNumberFontSize,
                                   designCaption, LabelAlignment::Right));
    page.lblPlus.fill(DesignLabel(kOperatorWidthTwips, kOperatorHeightTwips, kOperatorFontSize,
                                  QStringLiteral("+"), LabelAlignment::Right));
    for (const std::size_t narrow : kNarrowOperators) {
        page.lblPlus[narrow].Width = Inches(kNarrowOperatorWidthTwips);
    }
    page.lblSolution.fill(DesignLabel(kNumberWidthTwips, kNumberHeightTwips, kNumberFontSize,
                                      designCaption, LabelAlignment::Left));
    page.lblSolution[0].Alignment = LabelAlignment::Right;
    page.Line1.fill(DesignLine(1));
    page.Line2.fill(DesignLine(1));
    page.DivisionLine.fill(DesignLine(1));
    page.EqualSignTop.fill(DesignLine(kEqualSignBorderWidth));
    page.EqualSignBottom.fill(DesignLine(kEqualSignBorderWidth));
    return page;
}

}  // namespace tallyworth

#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tallyworth {

// Colours are 32-bit RGB values with red in the lowest byte, green in the next and
// blue in the third.
using ColorValue = std::uint32_t;
inline constexpr ColorValue kBlack = 0x000000;

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kPageWidthInches = 8.5;
inline constexpr double kPageHeightInches = 11.0;

enum class LabelAlignment { Left, Right };

// A caption on the page. Positions and sizes are inches from the page's top-left
// corner, held in single precision like the toolkit's coordinates.
struct PageLabel {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    QString Caption;
    LabelAlignment Alignment = LabelAlignment::Left;
    QString FontName;
    float FontSize = 0;  // points
    ColorValue ForeColor = kBlack;
    bool Visible = false;
};

// A stroke on the page; BorderWidth is in pixels of 1/96 inch.
struct PageLine {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    std::int16_t BorderWidth = 1;
    ColorValue BorderColor = kBlack;
    bool Visible = false;
};

inline constexpr int kCells = 100;
inline constexpr int kNumberLabels = 200;

// The page's fixed stock of cell controls. Cell k owns lblValue(2k) and (2k + 1) and
// element k of every other array. Controls are positioned, captioned and shown,
// never created.
struct PageControls {
    std::array<PageLabel, kNumberLabels> lblValue;
    std::array<PageLabel, kCells> lblPlus;
    std::array<PageLabel, kCells> lblSolution;
    std::array<PageLine, kNumberLabels> Line1;  // only 0..99 are ever placed or shown
    std::array<PageLine, kCells> Line2;
    std::array<PageLine, kCells> DivisionLine;
    std::array<PageLine, kCells> EqualSignTop;
    std::array<PageLine, kCells> EqualSignBottom;
};

// The stock with its design values: sizes, fonts, captions, alignments, border widths.
PageControls MakeDesignPageControls();

}  // namespace tallyworth

#pragma once

#include "core/problem.h"

#include "core/settings_limits.h"

#include <QString>

#include <array>
#include <cstdint>
#include <iosfwd>

namespace tallyworth {

// Colours are 32-bit RGB values with red in the lowest byte, green in the next and
// blue in the third.
using ColorValue = std::uint32_t;
inline constexpr ColorValue kBlack = 0x000000;

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kPageWidthInches = 8.5;
inline constexpr double kPageHeightInches = 11.0;

enum class LabelAlignment { Left, Right, Center };

// A caption on the page. Positions and sizes are inches from the page's top-left
// corner, held in single precision like the toolkit's coordinates.
struct PageLabel {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    QString caption;
    LabelAlignment alignment = LabelAlignment::Left;
    QString fontName;
    float fontSize = 0;  // points
    ColorValue foreColor = kBlack;
    bool visible = false;

    friend bool operator==(const PageLabel&, const PageLabel&) = default;
};

// A stroke on the page; borderWidth is in pixels of 1/96 inch.
struct PageLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    std::int16_t borderWidth = 1;
    ColorValue borderColor = kBlack;
    bool visible = false;

    friend bool operator==(const PageLine&, const PageLine&) = default;
};

// Every field, coordinates in full single precision; GoogleTest prints values with these.
void PrintTo(const PageLabel& label, std::ostream* out);
void PrintTo(const PageLine& line, std::ostream* out);

inline constexpr int kCells = 100;
static_assert(kCells >= kMostProblems, "every problem of a sheet has its cell");
inline constexpr int kNumberLabels = 200;

// The page's fixed stock of cell controls. Cell k owns lblValue(2k) and (2k + 1) and
// element k of every other array. Controls are positioned, captioned and shown,
// never created.
struct PageControls {
    std::array<PageLabel, kNumberLabels> valueLabels;
    std::array<PageLabel, kCells> plusLabels;
    std::array<PageLabel, kCells> solutionLabels;
    std::array<PageLine, kNumberLabels> line1;  // only 0..99 are ever placed or shown
    std::array<PageLine, kCells> line2;
    std::array<PageLine, kCells> divisionLine;
    std::array<PageLine, kCells> equalSignTop;
    std::array<PageLine, kCells> equalSignBottom;
    // The problems last written into the cells, as numbers: what a page laid out anew shows.
    ProblemSet written;
};

// The stock with its design values: sizes, fonts, captions, alignments, border widths.
PageControls MakeDesignPageControls();

}  // namespace tallyworth

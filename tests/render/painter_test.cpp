#include "page_model/page_controls.h"
#include "render/page_painter.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <array>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

int Pixels(double inches, double dpi) {
    return static_cast<int>(inches * dpi);
}

QImage PaintedPage(const PageControls& page, double dpi) {
    QImage image(Pixels(kPageWidthInches, dpi), Pixels(kPageHeightInches, dpi),
                 QImage::Format_RGB32);
    image.fill(Qt::red);  // counts as ink, so whatever the painter leaves unwhitened shows
    QPainter painter(&image);
    PaintPage(painter, page, dpi);
    return image;
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// The smallest rectangle holding every pixel of the area that matches.
QRect Bounds(const QImage& image, const QRect& area, bool (*matches)(QRgb)) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bounds |= matches(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

struct ResolutionCase {
    const char* name;
    double dpi;
};

const std::array kResolutions{ResolutionCase{"Screen", 96}, ResolutionCase{"Printer", 300}};

// A page of strokes: an answer line, a dot of the division sign, the equals sign's bars (the
// lower one red) and the slant of a seven, each drawn at the given resolution.
class StrokePaintingTest : public ::testing::TestWithParam<ResolutionCase> {
  protected:
    StrokePaintingTest() {
        page.line1[0] = {1.0F, 1.0F, 2.0F, 1.0F, 2, kBlack, true};
        page.line2[0] = {1.0F, 2.0F, 1.03F, 2.0F, 3, kBlack, true};
        page.equalSignTop[0] = {1.0F, 3.0F, 2.0F, 3.0F, 1, kBlack, true};
        page.equalSignBottom[0] = {1.0F, 4.0F, 2.0F, 4.0F, 2, 0xFF0000, true};
        page.divisionLine[0] = {3.0F, 1.48F, 3.15F, 1.25F, 1, kBlack, true};
        image = PaintedPage(page, dpi);
    }
    const double dpi = GetParam().dpi;
    PageControls page;
    QImage image;
};

// Widths are pixels of 1/96 inch at any resolution; colours hold red in the lowest byte; the
// slant runs from corner to corner; the page is white where nothing is drawn.
TEST_P(StrokePaintingTest, StrokesStandOnTheirInchesAtAPhysicalWidthInTheirColour) {
    for (const PageLine& line :
         {page.line1[0], page.line2[0], page.equalSignTop[0], page.equalSignBottom[0]}) {
        const int x = Pixels((line.x1 + line.x2) / 2.0, dpi);
        const QRect ink = Bounds(
            image,
            QRect(QPoint(x, Pixels(line.y1 - 0.2, dpi)), QPoint(x, Pixels(line.y1 + 0.2, dpi))),
            IsInk);
        EXPECT_NEAR(ink.center().y(), line.y1 * dpi, 1.0) << line.y1;
        EXPECT_NEAR(ink.height(), line.borderWidth * dpi / 96.0, 1.0) << line.y1;
    }
    EXPECT_EQ(image.pixel(Pixels(1.5, dpi), Pixels(4.0, dpi)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    EXPECT_FALSE(Bounds(image, {Pixels(3.07, dpi), Pixels(1.36, dpi), 3, 3}, IsInk).isEmpty());
    EXPECT_FALSE(IsInk(image.pixel(Pixels(3.0, dpi), Pixels(1.25, dpi))));
    EXPECT_FALSE(IsInk(image.pixel(Pixels(3.15, dpi), Pixels(1.48, dpi))));
}

INSTANTIATE_TEST_SUITE_P(Resolutions, StrokePaintingTest, ::testing::ValuesIn(kResolutions),
                         kCaseName);

struct LabelCase {
    const char* name;
    PageLabel label;
    QRect box;  // where its ink may lie, in pixels at 96 dots an inch
};

// A green label at 2 in, 1 in, 315 twips high, in the worksheet's font.
PageLabel Label(float width, const QString& caption, LabelAlignment alignment) {
    return {2, 1, width, 315.0F / 1440, caption, alignment, "MS Sans Serif", 13.5F, 0x00FF00, true};
}

// A solution wider than its box runs out of it to the left, unclipped.
const std::array kLabels{
    LabelCase{"Left", Label(1.0F, "7", LabelAlignment::Left), {192, 96, 48, 21}},
    LabelCase{"Right", Label(1.0F, "7", LabelAlignment::Right), {240, 96, 48, 21}},
    LabelCase{"WideSolution", Label(0.1F, "9801", LabelAlignment::Right), {150, 96, 52, 21}},
};

class LabelPaintingTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelPaintingTest, InksInsideItsBoxOnItsSideInItsColour) {
    PageControls page;
    page.solutionLabels[0] = GetParam().label;
    const QImage image = PaintedPage(page, 96);
    const QRect ink = Bounds(image, image.rect(), IsInk);
    EXPECT_TRUE(GetParam().box.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width();
    EXPECT_GT(ink.width(), GetParam().label.caption.size() * 5);
    EXPECT_FALSE(Bounds(image, ink, [](QRgb pixel) {
                     return qGreen(pixel) > 150 && qRed(pixel) < 80 && qBlue(pixel) < 80;
                 }).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelPaintingTest, ::testing::ValuesIn(kLabels), kCaseName);

}  // namespace
}  // namespace tallyworth

#include "page/page_controls.h"
#include "page/page_painter.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QImage>
#include <QPainter>

#include <cmath>

namespace tallyworth {
namespace {

constexpr double kMetresPerInch = 0.0254;

QImage PaintedPage(const PageControls& page, double dotsPerInch, double imageDpi = 0) {
    const int width = static_cast<int>(std::lround(kPageWidthInches * dotsPerInch));
    const int height = static_cast<int>(std::lround(kPageHeightInches * dotsPerInch));
    QImage image(width, height, QImage::Format_RGB32);
    const double deviceDpi = imageDpi > 0 ? imageDpi : dotsPerInch;
    image.setDotsPerMeterX(static_cast<int>(std::lround(deviceDpi / kMetresPerInch)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(deviceDpi / kMetresPerInch)));
    image.fill(Qt::red);
    QPainter painter(&image);
    PaintPage(painter, page, dotsPerInch);
    painter.end();
    return image;
}

QPoint AtInches(double x, double y, double dotsPerInch) {
    return {static_cast<int>(std::floor(x * dotsPerInch)),
            static_cast<int>(std::floor(y * dotsPerInch))};
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}
bool IsWhite(QRgb pixel) {
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

// The smallest rectangle holding every inked pixel, or an empty one.
QRect InkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (IsInk(image.pixel(x, y))) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

PageLine Line(float x1, float y1, float x2, float y2, std::int16_t width) {
    PageLine line;
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    line.BorderWidth = width;
    line.Visible = true;
    return line;
}

PageLabel Label(float left, float top, float width, const QString& caption,
                LabelAlignment alignment) {
    PageLabel label;
    label.Left = left;
    label.Top = top;
    label.Width = width;
    label.Height = 315.0F / 1440.0F;
    label.Caption = caption;
    label.Alignment = alignment;
    label.FontName = QStringLiteral("MS Sans Serif");
    label.FontSize = 13.5F;
    label.Visible = true;
    return label;
}

TEST(PainterTest, PageIsWhiteWhateverWasThereBefore) {
    const QImage image = PaintedPage(PageControls{}, 96);
    ASSERT_EQ(image.size(), QSize(816, 1056));
    for (const QPoint point :
         {QPoint(0, 0), QPoint(815, 0), QPoint(0, 1055), QPoint(815, 1055), QPoint(400, 500)}) {
        EXPECT_TRUE(IsWhite(image.pixel(point))) << point.x() << "," << point.y();
    }
}

struct HorizontalStroke {
    const char* name;
    PageLine line;
};

// Readable test names.
void PrintTo(const HorizontalStroke& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.name;
}

class HorizontalStrokeTest : public ::testing::TestWithParam<std::tuple<HorizontalStroke, double>> {
};

// Each stroke is inked on its own centre line, and clear a few pixels above and
// below its half width, at screen and at printer resolution.
TEST_P(HorizontalStrokeTest, LandsOnThePixelsItsInchesSay) {
    const auto& [stroke, dpi] = GetParam();
    PageControls page;
    page.Line1[0] = stroke.line;
    const QImage image = PaintedPage(page, dpi);
    const double middleX = (stroke.line.X1 + stroke.line.X2) / 2.0;
    const double halfWidthInches = stroke.line.BorderWidth / 96.0 / 2.0;
    const double margin = halfWidthInches + 3.0 / dpi;
    EXPECT_TRUE(IsInk(image.pixel(AtInches(middleX, stroke.line.Y1, dpi))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(middleX, stroke.line.Y1 - margin, dpi))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(middleX, stroke.line.Y1 + margin, dpi))));
    // Nothing beyond the ends but the round cap.
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(stroke.line.X1 - margin, stroke.line.Y1, dpi))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(stroke.line.X2 + margin, stroke.line.Y1, dpi))));
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, HorizontalStrokeTest,
    ::testing::Combine(
        ::testing::Values(HorizontalStroke{"answer line", Line(0.258F, 0.598F, 0.663F, 0.598F, 2)},
                          HorizontalStroke{"bar of the sign",
                                           Line(0.322F, 0.39F, 0.422F, 0.39F, 2)},
                          HorizontalStroke{"upper dot", Line(0.352F, 0.33F, 0.382F, 0.33F, 3)},
                          HorizontalStroke{"equals top", Line(0.702F, 0.35F, 0.802F, 0.35F, 2)},
                          HorizontalStroke{"bracket bar", Line(0.442F, 0.25F, 0.642F, 0.25F, 1)}),
        ::testing::Values(96.0, 300.0)));

TEST(PainterTest, StrokeWidthIsPhysicalAtAnyResolution) {
    PageControls page;
    page.Line1[0] = Line(1.0F, 1.0F, 2.0F, 1.0F, 2);
    for (const double dpi : {96.0, 300.0}) {
        const QImage image = PaintedPage(page, dpi);
        const QRect ink = InkBounds(image, QRect(AtInches(1.4, 0.9, dpi), AtInches(1.6, 1.1, dpi)));
        const double expected = 2.0 * dpi / 96.0;
        EXPECT_NEAR(ink.height(), expected, 1.0) << dpi;
    }
}

struct CrispCase {
    float y;
    std::int16_t width;
};

// Readable test names.
void PrintTo(const CrispCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "y " << c.y << " width " << c.width;
}

class CrispStrokeTest : public ::testing::TestWithParam<CrispCase> {};

// On screen a stroke of whole pixels covers whole pixel rows in solid ink.
TEST_P(CrispStrokeTest, CoversWholeRowsOnScreen) {
    PageControls page;
    page.Line1[0] = Line(1.0F, GetParam().y, 2.0F, GetParam().y, GetParam().width);
    const QImage image = PaintedPage(page, 96);
    const QRect ink = InkBounds(image, QRect(140, 0, 10, 300));
    EXPECT_EQ(ink.height(), GetParam().width);
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        EXPECT_EQ(image.pixel(145, y), qRgb(0, 0, 0)) << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, CrispStrokeTest,
                         ::testing::Values(CrispCase{0.25F, 1}, CrispCase{0.598F, 2},
                                           CrispCase{1.146F, 2}, CrispCase{0.33F, 3}));

TEST(PainterTest, SlantedBracketStrokeRunsBetweenItsEnds) {
    PageControls page;
    page.DivisionLine[0] = Line(0.302F, 0.48F, 0.452F, 0.25F, 1);
    const QImage image = PaintedPage(page, 300);
    EXPECT_TRUE(IsInk(image.pixel(AtInches(0.377, 0.365, 300))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(0.302, 0.25, 300))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(0.452, 0.48, 300))));
}

TEST(PainterTest, DotsHaveRoundCaps) {
    PageControls page;
    page.Line2[0] = Line(1.0F, 1.0F, 1.03F, 1.0F, 3);
    const QImage image = PaintedPage(page, 600);
    const double radius = 3.0 / 96.0 / 2.0;
    // Inside the cap on the centre line, but not in the corner a square cap would fill.
    EXPECT_TRUE(IsInk(image.pixel(AtInches(1.0 - radius * 0.7, 1.0, 600))));
    EXPECT_TRUE(IsWhite(image.pixel(AtInches(1.0 - radius * 0.9, 1.0 - radius * 0.9, 600))));
}

TEST(PainterTest, HiddenControlsLeaveNoInk) {
    PageControls page;
    page.Line1[0] = Line(1.0F, 1.0F, 2.0F, 1.0F, 2);
    page.Line1[0].Visible = false;
    page.lblValue[0] = Label(1.0F, 2.0F, 0.3F, QStringLiteral("88"), LabelAlignment::Right);
    page.lblValue[0].Visible = false;
    const QImage image = PaintedPage(page, 96);
    EXPECT_TRUE(InkBounds(image, image.rect()).isEmpty());
}

TEST(PainterTest, ColoursUseRedInTheLowestByte) {
    PageControls page;
    page.Line1[0] = Line(1.0F, 1.0F, 2.0F, 1.0F, 4);
    page.Line1[0].BorderColor = 0x0000FF;
    page.EqualSignTop[0] = Line(1.0F, 2.0F, 2.0F, 2.0F, 4);
    page.EqualSignTop[0].BorderColor = 0xFF0000;
    const QImage image = PaintedPage(page, 96);
    EXPECT_EQ(image.pixel(AtInches(1.5, 1.0, 96)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(AtInches(1.5, 2.0, 96)), qRgb(0, 0, 255));
}

TEST(PainterTest, LabelTextTakesItsColour) {
    PageControls page;
    page.lblSolution[0] = Label(1.0F, 1.0F, 0.4F, QStringLiteral("88"), LabelAlignment::Right);
    page.lblSolution[0].ForeColor = 0x00FF00;
    const QImage image = PaintedPage(page, 96);
    bool greenFound = false;
    const QRect box(AtInches(1.0, 1.0, 96), AtInches(1.4, 1.22, 96));
    for (int y = box.top(); y <= box.bottom() && !greenFound; ++y) {
        for (int x = box.left(); x <= box.right() && !greenFound; ++x) {
            const QRgb pixel = image.pixel(x, y);
            greenFound = qGreen(pixel) > 150 && qRed(pixel) < 80 && qBlue(pixel) < 80;
        }
    }
    EXPECT_TRUE(greenFound);
}

struct AlignmentCase {
    LabelAlignment alignment;
    bool inkInLeftHalf;
};

// Readable test names.
void PrintTo(const AlignmentCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << (c.alignment == LabelAlignment::Left ? "left" : "right");
}

class LabelAlignmentTest : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(LabelAlignmentTest, InkStaysInTheTopOfItsBoxOnItsSide) {
    const AlignmentCase& c = GetParam();
    PageControls page;
    page.lblValue[1] = Label(1.0F, 1.0F, 1.0F, QStringLiteral("7"), c.alignment);
    const QImage image = PaintedPage(page, 96);
    const QRect box(AtInches(1.0, 1.0, 96), AtInches(2.0, 1.0 + 315.0 / 1440.0, 96));
    const QRect ink = InkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(box.contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_EQ(ink.center().x() < box.center().x(), c.inkInLeftHalf);
}

INSTANTIATE_TEST_SUITE_P(Sides, LabelAlignmentTest,
                         ::testing::Values(AlignmentCase{LabelAlignment::Left, true},
                                           AlignmentCase{LabelAlignment::Right, false}));

TEST(PainterTest, WideSolutionIsNotClipped) {
    PageControls page;
    page.lblSolution[0] = Label(2.0F, 1.0F, 0.1F, QStringLiteral("9801"), LabelAlignment::Right);
    const QImage image = PaintedPage(page, 96);
    const QRect ink = InkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    // Four digits at 13.5 pt are far wider than a tenth of an inch; they run out to the left.
    EXPECT_LT(ink.left(), AtInches(2.0, 1.0, 96).x() - 20);
    EXPECT_LE(ink.right(), AtInches(2.1, 1.0, 96).x() + 1);
}

TEST(PainterTest, TextScalesWithTheResolutionNotWithTheDevice) {
    PageControls page;
    page.lblValue[0] = Label(1.0F, 1.0F, 0.4F, QStringLiteral("88"), LabelAlignment::Right);
    const QRect at96 = InkBounds(PaintedPage(page, 96), QRect(0, 0, 816, 1056));
    // The same page at 288 dots per inch on a device that claims 72.
    const QImage image288 = PaintedPage(page, 288, 72);
    const QRect at288 = InkBounds(image288, image288.rect());
    ASSERT_FALSE(at96.isEmpty());
    ASSERT_FALSE(at288.isEmpty());
    EXPECT_NEAR(at288.height(), at96.height() * 3.0, at96.height() * 0.5);
    // 13.5 pt digits are about two thirds of 18 px tall on the screen.
    EXPECT_GE(at96.height(), 9);
    EXPECT_LE(at96.height(), 18);
}

}  // namespace
}  // namespace tallyworth

#include "windows/caption_fit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>

#include <array>
#include <memory>
#include <string>

namespace tallyworth {
namespace {

constexpr double kDesignSize = 12.0;
constexpr int kHeight = 40;
const QString kCaption = QStringLiteral("Allow Negative Results");

enum class Outcome { DesignSize, Smaller, Shortened };

struct FitCase {
    const char* name;
    double room;  // the caption's room as a share of its width at the design size
    Outcome outcome;
};

const std::array kFitCases{
    FitCase{"WithRoomKeepsItsSize", 1.1, Outcome::DesignSize},
    FitCase{"NarrowShrinks", 0.85, Outcome::Smaller},
    FitCase{"TinyIsShortened", 0.3, Outcome::Shortened},
};

bool FitsAt(const QAbstractButton& control, double pointSize, const QString& text) {
    QFont font = control.font();
    font.setPointSizeF(pointSize);
    return CaptionFits(font, CaptionRoom(control), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A check box whose caption room is the given share of the caption's design width.
std::unique_ptr<QCheckBox> ControlWithRoom(double share) {
    auto control = std::make_unique<QCheckBox>();
    QFont font;
    font.setPointSizeF(kDesignSize);
    control->setFont(font);
    control->setGeometry(0, 0, 400, kHeight);
    const int frame = control->width() - CaptionRoom(*control).width();
    const int textWidth = QFontMetrics(font).horizontalAdvance(kCaption);
    control->setGeometry(0, 0, frame + static_cast<int>(textWidth * share), kHeight);
    return control;
}

class FittedCaptionTest : public ::testing::TestWithParam<FitCase> {};

// A later caption (another language) is fitted afresh from the design size.
TEST_P(FittedCaptionTest, ShowsTheLargestSizeThatFitsOrShortensWithATooltip) {
    const FitCase& fit = GetParam();
    const std::unique_ptr<QCheckBox> control = ControlWithRoom(fit.room);
    SetFittedCaption(*control, kCaption);
    const double size = control->font().pointSizeF();
    const QString shown = control->text();
    EXPECT_TRUE(FitsAt(*control, size, shown)) << shown.toStdString() << " at " << size;
    EXPECT_EQ(size == kDesignSize, fit.outcome == Outcome::DesignSize);
    EXPECT_EQ(size == kSmallestCaptionPointSize, fit.outcome == Outcome::Shortened);
    EXPECT_FALSE(fit.outcome == Outcome::Smaller && FitsAt(*control, size + 0.25, kCaption));
    EXPECT_EQ(shown == kCaption, fit.outcome != Outcome::Shortened);
    EXPECT_TRUE(kCaption.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_EQ(control->toolTip(), fit.outcome == Outcome::Shortened ? kCaption : QString());
    SetFittedCaption(*control, QStringLiteral("OK"));
    EXPECT_EQ(control->font().pointSizeF(), kDesignSize);
    EXPECT_TRUE(control->toolTip().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Controls, FittedCaptionTest, ::testing::ValuesIn(kFitCases),
                         [](const auto& param) { return std::string(param.param.name); });

// "Drucken" on a bold button: a whole word in regular type rather than a cut one in bold.
TEST(CaptionFitTest, ABoldCaptionTooLongAtEverySizeIsSetRegular) {
    QFont smallest;
    smallest.setPointSizeF(kSmallestCaptionPointSize);
    smallest.setBold(true);
    const int boldWidth = QFontMetrics(smallest).horizontalAdvance(kCaption);
    smallest.setBold(false);
    const int regularWidth = QFontMetrics(smallest).horizontalAdvance(kCaption);
    QPushButton button;
    QFont bold;
    bold.setPointSizeF(kDesignSize);
    bold.setBold(true);
    button.setFont(bold);
    button.setGeometry(0, 0, 400, kHeight);
    const int frame = button.width() - CaptionRoom(button).width();
    button.setGeometry(0, 0, frame + (regularWidth + boldWidth) / 2, kHeight);
    SetFittedCaption(button, kCaption);
    EXPECT_EQ(button.text(), kCaption);
    EXPECT_FALSE(button.font().bold());
}

}  // namespace
}  // namespace tallyworth

#include "windows/caption_fit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
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
    bool label;   // else a check box
    double room;  // the caption's room as a share of its width at the design size
    Outcome outcome;
};

const std::array kFitCases{
    FitCase{"LabelWithRoomKeepsItsSize", true, 1.1, Outcome::DesignSize},
    FitCase{"NarrowCheckBoxShrinks", false, 0.85, Outcome::Smaller},
    FitCase{"TinyLabelIsShortened", true, 0.3, Outcome::Shortened},
};

QRect Room(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label != nullptr ? CaptionRoom(*label)
                            : CaptionRoom(*qobject_cast<const QAbstractButton*>(&control));
}

void SetCaption(QWidget& control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        SetFittedCaption(*label, caption);
    } else {
        SetFittedCaption(*qobject_cast<QAbstractButton*>(&control), caption);
    }
}

QString Shown(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label != nullptr ? label->text()
                            : qobject_cast<const QAbstractButton*>(&control)->text();
}

bool FitsAt(const QWidget& control, double pointSize, const QString& text) {
    QFont font = control.font();
    font.setPointSizeF(pointSize);
    return CaptionFits(font, Room(control), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A control whose caption room is the given share of the caption's design width.
std::unique_ptr<QWidget> ControlWithRoom(bool label, double share) {
    std::unique_ptr<QWidget> control =
        label ? std::unique_ptr<QWidget>(new QLabel) : std::make_unique<QCheckBox>();
    QFont font;
    font.setPointSizeF(kDesignSize);
    control->setFont(font);
    control->setGeometry(0, 0, 400, kHeight);
    const int frame = control->width() - Room(*control).width();
    const int textWidth = QFontMetrics(font).horizontalAdvance(kCaption);
    control->setGeometry(0, 0, frame + static_cast<int>(textWidth * share), kHeight);
    return control;
}

class FittedCaptionTest : public ::testing::TestWithParam<FitCase> {};

// A later caption (another language) is fitted afresh from the design size.
TEST_P(FittedCaptionTest, ShowsTheLargestSizeThatFitsOrShortensWithATooltip) {
    const FitCase& fit = GetParam();
    const std::unique_ptr<QWidget> control = ControlWithRoom(fit.label, fit.room);
    SetCaption(*control, kCaption);
    const double size = control->font().pointSizeF();
    const QString shown = Shown(*control);
    EXPECT_TRUE(FitsAt(*control, size, shown)) << shown.toStdString() << " at " << size;
    EXPECT_EQ(size == kDesignSize, fit.outcome == Outcome::DesignSize);
    EXPECT_EQ(size == kSmallestCaptionPointSize, fit.outcome == Outcome::Shortened);
    EXPECT_FALSE(fit.outcome == Outcome::Smaller && FitsAt(*control, size + 0.25, kCaption));
    EXPECT_EQ(shown == kCaption, fit.outcome != Outcome::Shortened);
    EXPECT_TRUE(kCaption.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_EQ(control->toolTip(), fit.outcome == Outcome::Shortened ? kCaption : QString());
    SetCaption(*control, QStringLiteral("OK"));
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

#include "windows/caption_fit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <array>
#include <memory>
#include <string>

namespace tallyworth {
namespace {

constexpr double kDesignSize = 12.0;
constexpr int kHeight = 40;
const QString kCaption = QStringLiteral("Allow Negative Results");

enum class Kind { Label, Button, CheckBox };
enum class Outcome { DesignSize, Smaller, Shortened };

struct FitCase {
    const char* name;
    Kind kind;
    double room;  // the caption's room as a share of its width at the design size
    Outcome outcome;
};

const std::array kFitCases{
    FitCase{"LabelWithRoomKeepsItsSize", Kind::Label, 1.1, Outcome::DesignSize},
    FitCase{"NarrowLabelShrinks", Kind::Label, 0.85, Outcome::Smaller},
    FitCase{"NarrowCheckBoxShrinks", Kind::CheckBox, 0.85, Outcome::Smaller},
    FitCase{"TinyLabelIsShortened", Kind::Label, 0.3, Outcome::Shortened},
};

QFont DesignFont() {
    QFont font;
    font.setPointSizeF(kDesignSize);
    return font;
}

std::unique_ptr<QWidget> MakeControl(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return std::make_unique<QLabel>();
        case Kind::Button:
            return std::make_unique<QPushButton>();
        case Kind::CheckBox:
            return std::make_unique<QCheckBox>();
    }
    return nullptr;
}

QRect Room(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return CaptionRoom(*label);
    }
    return CaptionRoom(*qobject_cast<const QAbstractButton*>(&control));
}

void SetCaption(QWidget& control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        SetFittedCaption(*label, caption);
    } else {
        SetFittedCaption(*qobject_cast<QAbstractButton*>(&control), caption);
    }
}

QString Shown(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    return qobject_cast<const QAbstractButton*>(&control)->text();
}

bool FitsAt(const QWidget& control, double pointSize, const QString& text) {
    QFont font = control.font();
    font.setPointSizeF(pointSize);
    return CaptionFits(font, Room(control), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A control whose caption room is the given share of the caption's design width.
std::unique_ptr<QWidget> ControlWithRoom(Kind kind, double share) {
    std::unique_ptr<QWidget> control = MakeControl(kind);
    control->setFont(DesignFont());
    control->setGeometry(0, 0, 400, kHeight);
    const int frame = control->width() - Room(*control).width();
    const int textWidth = QFontMetrics(DesignFont()).horizontalAdvance(kCaption);
    control->setGeometry(0, 0, frame + static_cast<int>(textWidth * share), kHeight);
    return control;
}

class FittedCaptionTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FittedCaptionTest, ShowsTheLargestSizeThatFitsOrShortensWithATooltip) {
    const FitCase& fit = GetParam();
    const std::unique_ptr<QWidget> control = ControlWithRoom(fit.kind, fit.room);
    SetCaption(*control, kCaption);
    const double size = control->font().pointSizeF();
    const QString shown = Shown(*control);
    EXPECT_TRUE(FitsAt(*control, size, shown)) << shown.toStdString() << " at " << size;
    EXPECT_GE(size, kSmallestCaptionPointSize);
    switch (fit.outcome) {
        case Outcome::DesignSize:
            EXPECT_EQ(size, kDesignSize);
            break;
        case Outcome::Smaller:
            EXPECT_LT(size, kDesignSize);
            EXPECT_FALSE(FitsAt(*control, size + 0.25, kCaption)) << "a larger size fits: " << size;
            break;
        case Outcome::Shortened:
            EXPECT_EQ(size, kSmallestCaptionPointSize);
            EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && kCaption.startsWith(shown.chopped(1)))
                << shown.toStdString();
            break;
    }
    EXPECT_EQ(shown == kCaption, fit.outcome != Outcome::Shortened);
    EXPECT_EQ(control->toolTip(), fit.outcome == Outcome::Shortened ? kCaption : QString());
}

INSTANTIATE_TEST_SUITE_P(Controls, FittedCaptionTest, ::testing::ValuesIn(kFitCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A later caption (another language) starts again from the design size.
TEST(CaptionFitTest, ALaterCaptionIsFittedFromTheDesignSize) {
    const std::unique_ptr<QWidget> control = ControlWithRoom(Kind::Button, 0.3);
    SetCaption(*control, kCaption);
    SetCaption(*control, QStringLiteral("OK"));
    EXPECT_EQ(control->font().pointSizeF(), kDesignSize);
    EXPECT_EQ(Shown(*control), QStringLiteral("OK"));
    EXPECT_TRUE(control->toolTip().isEmpty());
}

// "Drucken" on a bold button: a whole word in regular type rather than a cut one in bold.
TEST(CaptionFitTest, ABoldCaptionTooLongAtEverySizeIsSetRegular) {
    QFont bold = DesignFont();
    bold.setBold(true);
    QFont smallest = bold;
    smallest.setPointSizeF(kSmallestCaptionPointSize);
    const int boldWidth = QFontMetrics(smallest).horizontalAdvance(kCaption);
    smallest.setBold(false);
    const int regularWidth = QFontMetrics(smallest).horizontalAdvance(kCaption);
    QPushButton button;
    button.setFont(bold);
    button.setGeometry(0, 0, 400, kHeight);
    const int frame = button.width() - CaptionRoom(button).width();
    button.setGeometry(0, 0, frame + (regularWidth + boldWidth) / 2, kHeight);
    SetFittedCaption(button, kCaption);
    EXPECT_EQ(button.text(), kCaption);
    EXPECT_FALSE(button.font().bold());
    EXPECT_TRUE(button.toolTip().isEmpty());
}

}  // namespace
}  // namespace tallyworth

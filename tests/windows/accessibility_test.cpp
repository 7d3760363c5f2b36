#include "core/random_source.h"
#include "support/fake_user_interfaces.h"
#include "windows/focus_ring_style.h"
#include "windows/main_window.h"
#include "windows/page_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace tallyworth {
namespace {

// The contrast ratio of two colours, from their relative luminance, as accessibility
// guidelines define it.
double Contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& color) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
               0.0722 * channel(color.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour of the sign's strokes: its most opaque pixel.
QColor StrokeColor(const QImage& sign) {
    QColor stroke(Qt::transparent);
    for (int y = 0; y < sign.height(); ++y) {
        for (int x = 0; x < sign.width(); ++x) {
            const QColor pixel = sign.pixelColor(x, y);
            if (pixel.alpha() > stroke.alpha()) {
                stroke = pixel;
            }
        }
    }
    return stroke;
}

class AccessibilityTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    WorksheetState state;
    ClockSeededRandomSource source;
    MainWindow window{state, Bundle(), source};
};

// On a dark desktop the long-division bracket is drawn in the text's colour, as legible
// as the text.
TEST_F(AccessibilityTest, TheBracketSignContrastsWithADarkDesktop) {
    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    window.setPalette(dark);
    const auto& bracket = *window.findChild<QRadioButton*>(QStringLiteral("optUpsidedownSeven"));
    const QColor stroke = StrokeColor(bracket.icon().pixmap(bracket.iconSize()).toImage());
    EXPECT_GE(Contrast(stroke, dark.color(QPalette::Window)), 4.5) << stroke.name().toStdString();
}

// The page is read as text: its name says which page and whether the solutions show, and
// says it anew when they change.
TEST_F(AccessibilityTest, ThePageIsReadAsProblemsAndItsNameFollowsTheSolutions) {
    window.show();
    window.View();
    PageWindow& page = *window.ExistingPageWindow();
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(page.findChild<QWidget*>(QStringLiteral("Picture1")));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->text(QAccessible::Name),
              QStringLiteral("Worksheet, page 1 of 1, solutions hidden"));
    const QString hidden = picture->text(QAccessible::Description);
    EXPECT_EQ(hidden.split(u'\n').size(), 10);  // the words are the page model's
    page.ToggleSolutions();
    EXPECT_EQ(picture->text(QAccessible::Name),
              QStringLiteral("Worksheet, page 1 of 1, solutions shown"));
    EXPECT_NE(picture->text(QAccessible::Description), hidden);
}

// The focus shows on a default button, which the desktop's style draws alike with and
// without it.
TEST(FocusRingStyleTest, AFocusedDefaultButtonLooksFocused) {
    FocusRingStyle style(QStringLiteral("Fusion"));
    QPushButton button(QStringLiteral("View"));
    button.setStyle(&style);
    button.setDefault(true);
    button.resize(65, 41);
    const QImage plain = button.grab().toImage();
    button.show();
    button.activateWindow();
    button.setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(button.hasFocus());
    EXPECT_NE(button.grab().toImage(), plain);
}

}  // namespace
}  // namespace tallyworth

#include "core/random_source.h"
#include "support/fake_user_interfaces.h"
#include "support/named_cases.h"
#include "windows/focus_ring.h"
#include "windows/main_window.h"
#include "windows/page_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

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

// Seen from the moment a window opens, in any style: a focused control is ringed by pixels
// that stand out at least 3:1 from what they show without the focus, on every side of it.
struct FocusCase {
    const char* name;
    const char* style;
    const char* styleSheet;
    std::function<QWidget*(QBoxLayout&)> make;  // lays out the control to focus
};

// A dark desktop's sheet, as a user would pass it with -stylesheet.
constexpr const char* kDarkSheet =
    "QWidget { background-color: #202020; color: #e8e8e8; }"
    "QPushButton, QComboBox, QSpinBox, QLineEdit, QListWidget {"
    " background-color: #2d2d2d; border: 1px solid #5a5a5a; padding: 3px; }";

// Not stretched across the dialog, so its ring runs along its edges.
QWidget* LaidOut(QBoxLayout& layout, QWidget* control) {
    layout.addWidget(control, 0, Qt::AlignLeft);
    return control;
}

std::vector<FocusCase> FocusCases() {
    using Maker = std::function<QWidget*(QBoxLayout&)>;
    const std::vector<std::pair<const char*, Maker>> controls = {
        {"CheckBox",
         [](QBoxLayout& layout) {
             return LaidOut(layout, new QCheckBox(QStringLiteral("No trivial facts")));
         }},
        {"RadioButton",
         [](QBoxLayout& layout) {
             return LaidOut(layout, new QRadioButton(QStringLiteral("Printer")));
         }},
        {"DefaultButton",
         [](QBoxLayout& layout) {
             auto* button = new QPushButton(QStringLiteral("View"));
             button->setDefault(true);
             return LaidOut(layout, button);
         }},
        // A dialog's OK: ringed whole although it fills its button box's height, and the
        // box passes its own focus on to it.
        {"ButtonInItsBox",
         [](QBoxLayout& layout) {
             auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
             layout.addWidget(box);
             return box->button(QDialogButtonBox::Ok);
         }},
        {"ButtonAtTheWindowsEdge",
         [](QBoxLayout& layout) {
             layout.setContentsMargins(0, 0, 0, 0);
             return LaidOut(layout, new QPushButton(QStringLiteral("Print")));
         }},
        {"ComboBox",
         [](QBoxLayout& layout) {
             auto* list = new QComboBox;
             list->addItems({QStringLiteral("Allowed"), QStringLiteral("Never")});
             return LaidOut(layout, list);
         }},
        {"SpinBox", [](QBoxLayout& layout) { return LaidOut(layout, new QSpinBox); }},
        {"List", [](QBoxLayout& layout) { return LaidOut(layout, new QListWidget); }},
    };
    const std::vector<std::tuple<const char*, const char*, const char*>> styles = {
        {"Fusion", "Fusion", ""}, {"Windows", "Windows", ""}, {"DarkSheet", "Fusion", kDarkSheet}};
    std::vector<FocusCase> cases;
    for (const auto& [styleName, style, sheet] : styles) {
        for (const auto& [controlName, make] : controls) {
            static std::deque<std::string> names;  // the cases outlive this function
            names.push_back(std::string(styleName) + controlName);
            cases.push_back({names.back().c_str(), style, sheet, make});
        }
    }
    return cases;
}

class FocusRingTest : public ::testing::TestWithParam<FocusCase> {
  protected:
    FocusRingTest() {
        QApplication::setStyle(QString::fromLatin1(GetParam().style));
        qApp->setStyleSheet(QString::fromLatin1(GetParam().styleSheet));
    }
    ~FocusRingTest() override {
        qApp->setStyleSheet({});
        QApplication::setStyle(previousStyle);
    }

    const QString previousStyle = QApplication::style()->name();
    FocusRing ring;
};

// The least contrast, along one side of the control, between the focused and the plain
// picture, each point along it taking the best of the pixels from 3 inside the control's
// edge to 6 outside it.
double SideContrast(const QImage& focused, const QImage& plain, const QRect& control,
                    const QPoint& outward) {
    const bool across = outward.x() == 0;  // a top or bottom side runs across
    const int length = across ? control.width() : control.height();
    const QPoint edge = outward.x() < 0   ? control.topLeft()
                        : outward.x() > 0 ? control.topRight()
                        : outward.y() < 0 ? control.topLeft()
                                          : control.bottomLeft();
    double least = 21.0;
    for (int along = 2; along < length - 2; ++along) {
        const QPoint start = edge + (across ? QPoint(along, 0) : QPoint(0, along));
        double best = 1.0;
        for (int step = -3; step <= 6; ++step) {
            const QPoint pixel = start + outward * step;
            if (!focused.valid(pixel)) {
                continue;  // past the window's edge
            }
            best = std::max(best, Contrast(focused.pixelColor(pixel), plain.pixelColor(pixel)));
        }
        least = std::min(least, best);
    }
    return least;
}

TEST_P(FocusRingTest, AFocusedControlIsRingedFromTheMomentItsWindowOpens) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(20, 20, 20, 20);
    QWidget* control = GetParam().make(*layout);
    control->setFocus();  // as a dialog gives its first control the focus, no key pressed
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QCoreApplication::processEvents();
    ASSERT_TRUE(control->hasFocus());
    const QImage focused = dialog.grab().toImage();
    control->clearFocus();
    QCoreApplication::processEvents();
    const QImage plain = dialog.grab().toImage();
    const QRect place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    for (const QPoint& outward : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
        EXPECT_GE(SideContrast(focused, plain, place, outward), 3.0)
            << "on the side towards " << outward.x() << ", " << outward.y();
    }
}

INSTANTIATE_TEST_SUITE_P(StylesAndControls, FocusRingTest, ::testing::ValuesIn(FocusCases()),
                         testing_support::kCaseName);

}  // namespace
}  // namespace tallyworth

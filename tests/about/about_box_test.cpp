#include "about/about_box.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tallyworth {
namespace {

struct VersionCase {
    const char* major;
    const char* minor;
    const char* revision;
    const char* text;
};

// Readable test names.
void PrintTo(const VersionCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.major << "." << c.minor << "." << c.revision;
}

class VersionTextTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTextTest, NumbersLoseTheirLeadingZeros) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(VersionText(QString::fromLatin1(c.major), QString::fromLatin1(c.minor),
                          QString::fromLatin1(c.revision)),
              QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Records, VersionTextTest,
                         ::testing::Values(VersionCase{"1", "02", "0002", "Version 1.2.2 BETA"},
                                           VersionCase{"1", "2", "2", "Version 1.2.2 BETA"},
                                           VersionCase{"2", "10", "0100", "Version 2.10.100 BETA"},
                                           VersionCase{"0", "00", "0000", "Version 0.0.0 BETA"}));

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { box = new AboutBox(); }
    void TearDown() override { delete box.data(); }

    template <typename Widget>
    Widget* Control(const char* name) const {
        return box->findChild<Widget*>(QString::fromLatin1(name));
    }

    static void FlushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPointer<AboutBox> box;
};

TEST_F(AboutBoxTest, LoadsTitleAndVersionFromTheProgram) {
    EXPECT_EQ(box->objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About Tallyworth"));
    EXPECT_EQ(Control<QLabel>("lblTitle")->text(), QStringLiteral("Tallyworth"));
    EXPECT_EQ(Control<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.2.2 BETA"));
    EXPECT_TRUE(Control<QLabel>("lblDisclaimer")->text().isEmpty());
}

TEST_F(AboutBoxTest, DedicationNamesASchool) {
    EXPECT_TRUE(Control<QLabel>("lblDescription")->text().contains(QStringLiteral("School")));
}

TEST_F(AboutBoxTest, HasTheDesignSizeAndPlaces) {
    EXPECT_EQ(box->size(), QSize(382, 237));
    EXPECT_EQ(Control<QLabel>("Image1")->geometry(), QRect(4, 4, 88, 56));
    EXPECT_EQ(Control<QLabel>("lblTitle")->geometry(), QRect(70, 16, 259, 20));
    EXPECT_EQ(Control<QPushButton>("cmdOK")->geometry(), QRect(296, 208, 84, 23));
    EXPECT_EQ(box->findChildren<QWidget*>(QStringLiteral("Line1")).size(), 2);
}

TEST_F(AboutBoxTest, LogoIsAColourPictureOfItsSize) {
    const QImage logo = Control<QLabel>("Image1")->pixmap().toImage();
    ASSERT_EQ(logo.size(), QSize(88, 56));
    int coloured = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QColor pixel = logo.pixelColor(x, y);
            coloured += pixel.alpha() > 0 && pixel.hsvSaturation() > 100 ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 50);
}

TEST_F(AboutBoxTest, ClickSelectsTheWholeAddress) {
    box->show();
    auto* address = Control<QLineEdit>("txteMailAddress");
    ASSERT_FALSE(address->text().isEmpty());
    EXPECT_TRUE(address->isReadOnly());
    address->setSelection(2, 3);
    QTest::mouseClick(address, Qt::LeftButton, {}, QPoint(40, address->height() / 2));
    EXPECT_EQ(address->selectionStart(), 0);
    EXPECT_EQ(address->selectedText(), address->text());
}

TEST_F(AboutBoxTest, OkIsTheDefaultButton) {
    EXPECT_TRUE(Control<QPushButton>("cmdOK")->isDefault());
    EXPECT_FALSE(box->isModal());
}

struct ClosingKey {
    const char* name;
    Qt::Key key;
};

// Readable test names.
void PrintTo(const ClosingKey& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.name;
}

class AboutBoxClosingTest : public AboutBoxTest,
                            public ::testing::WithParamInterface<ClosingKey> {};

TEST_P(AboutBoxClosingTest, KeyClosesAndDiscardsTheBox) {
    box->show();
    QTest::keyClick(box, GetParam().key);
    FlushDeletes();
    EXPECT_TRUE(box.isNull()) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutBoxClosingTest,
                         ::testing::Values(ClosingKey{"Escape", Qt::Key_Escape},
                                           ClosingKey{"Enter", Qt::Key_Return}));

TEST_F(AboutBoxTest, OkClosesAndDiscardsTheBox) {
    box->show();
    QTest::mouseClick(Control<QPushButton>("cmdOK"), Qt::LeftButton);
    FlushDeletes();
    EXPECT_TRUE(box.isNull());
}

}  // namespace
}  // namespace tallyworth

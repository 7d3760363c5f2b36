#include "windows/about_box.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace tallyworth {
namespace {

TEST(AboutBoxTest, ShowsTheVersionRecordWithoutLeadingZeros) {
    EXPECT_EQ(VersionText("2", "10", "0100"), QStringLiteral("Version 2.10.100 BETA"));
}

TEST(AboutBoxTest, ClickSelectsTheWholeAddressAndEscapeOrEnterDiscardsTheBox) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        const QPointer<AboutBox> box = new AboutBox;
        box->show();
        auto* address = box->findChild<QLineEdit*>("txteMailAddress");
        ASSERT_FALSE(address->text().isEmpty());
        address->setSelection(2, 3);
        QTest::mouseClick(address, Qt::LeftButton, {}, QPoint(40, address->height() / 2));
        EXPECT_EQ(address->selectedText(), address->text());
        QTest::keyClick(box, key);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull()) << key;
        delete box.data();
    }
}

}  // namespace
}  // namespace tallyworth

#include "main/main_window.h"
#include "page/fake_user_interfaces.h"
#include "page/page_window.h"
#include "page/qt_user_interfaces.h"
#include "support/cups_fixture.h"
#include "support/cups_worksheets.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tallyworth::cups_test {
namespace {

using testing_support::RecordingMessages;
using testing_support::ScriptedColors;
using testing_support::ScriptedFiles;

constexpr double kTolerance = 0.02;  // inches
constexpr int kAdditionRow = 0;
constexpr int kDivisionRow = 3;

// The program's windows with the real printer and PDF output, recording their messages,
// printing through a private scheduler.
class WindowPrintTest : public SchedulerTest {
  protected:
    explicit WindowPrintTest(QueueSetup setup = QueueSetup::PdfWriter) : SchedulerTest(setup) {}

    void SetUp() override {
        SchedulerTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        window_ = std::make_unique<MainWindow>(
            state_, UserInterfaces{messages_, colors_, files_, output_}, source_);
        window_->show();
    }

    void TearDown() override {
        window_.reset();
        SchedulerTest::TearDown();
    }

    void Settings(const QString& lowest, const QString& highest, const QString& count,
                  int operationRow) const {
        window_->findChild<QLineEdit*>(QStringLiteral("txtMinValue"))->setText(lowest);
        window_->findChild<QLineEdit*>(QStringLiteral("txtMaxValue"))->setText(highest);
        window_->findChild<QLineEdit*>(QStringLiteral("txtNoOfProblems"))->setText(count);
        window_->findChild<QListWidget*>(QStringLiteral("lbOperation"))
            ->setCurrentRow(operationRow);
    }

    void Click(const char* button) const {
        QTest::mouseClick(window_->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

    [[nodiscard]] PageWindow* Page() const { return window_->ExistingPageWindow(); }

    void Trigger(const char* action) const {
        ASSERT_NE(Page(), nullptr);
        auto* item = Page()->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }

    // The one sheet printed so far, checked against the page window's cells.
    void ExpectOneSheetOfThePage(std::size_t expectedWords) {
        const std::vector<std::vector<PdfPage>> jobs = PrintedJobs();
        ASSERT_EQ(jobs.size(), 1U);
        ASSERT_EQ(jobs.front().size(), 1U);
        const PdfPage& sheet = jobs.front().front();
        const CaptionMatch match =
            MatchCaptions(ShownCaptions(Page()->Controls()), sheet, kTolerance);
        EXPECT_TRUE(match.missing.empty()) << Describe(match.missing).toStdString();
        EXPECT_TRUE(match.extra.empty()) << Describe(match.extra).toStdString();
        EXPECT_NEAR(match.shiftX, PrivateScheduler::kMarginInches, kTolerance);
        EXPECT_NEAR(match.shiftY, PrivateScheduler::kMarginInches, kTolerance);
        EXPECT_EQ(sheet.words.size(), expectedWords);
    }

    WorksheetState state_;
    RecordingMessages messages_;
    ScriptedColors colors_;
    ScriptedFiles files_;
    SystemPageOutput output_;
    FixedRandomSource source_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowPrintTest, PrintButtonPrintsADivisionWorksheetWithoutViewingAndHidesThePage) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("20"), kDivisionRow);
    Click("cmdPrint");
    EXPECT_TRUE(messages_.shown.empty()) << messages_.Texts().join(QLatin1Char('|')).toStdString();
    ASSERT_NE(Page(), nullptr);
    EXPECT_FALSE(Page()->isVisible());
    ExpectOneSheetOfThePage(40);  // two numbers per division problem
}

TEST_F(WindowPrintTest, SolutionsShownInThePageWindowArePrintedByThePrintButton) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("10"), kAdditionRow);
    Click("cmdView");
    Trigger("mnuShowSolutions");
    ASSERT_TRUE(state_.gShowSolutions);
    Click("cmdPrint");
    EXPECT_TRUE(messages_.shown.empty()) << messages_.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(Page()->isVisible());
    ExpectOneSheetOfThePage(40);  // two numbers, an operator and a solution each
}

TEST_F(WindowPrintTest, SettingsThatFailValidationPrintNothing) {
    Settings(QStringLiteral("abc"), QStringLiteral("9"), QStringLiteral("10"), kAdditionRow);
    Click("cmdPrint");
    ASSERT_FALSE(messages_.shown.empty());
    for (const auto& message : messages_.shown) {
        EXPECT_EQ(message.title, QStringLiteral("oops"));
    }
    EXPECT_TRUE(PrintedJobs().empty());
}

TEST_F(WindowPrintTest, PrintMenuPrintsThePageShownAndKeepsTheWindowOpen) {
    Settings(QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("60"), kDivisionRow);
    Click("cmdView");
    Trigger("mnuPage2");
    Trigger("mnuPrint");
    EXPECT_TRUE(messages_.shown.empty()) << messages_.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(Page()->isVisible());
    ExpectOneSheetOfThePage(20);  // page 2 of 60: ten problems
}

class WindowNoPrinterTest : public WindowPrintTest {
  protected:
    WindowNoPrinterTest() : WindowPrintTest(QueueSetup::NoPrinter) {}
};

TEST_F(WindowNoPrinterTest, PrintMenuReportsTheMissingPrinterAndSavingStillWorks) {
    Click("cmdView");
    Trigger("mnuPrint");
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown.front().title, QStringLiteral("Tallyworth"));
    EXPECT_TRUE(messages_.shown.front().text.startsWith(QStringLiteral("No default printer")));
    EXPECT_TRUE(Page()->isVisible());

    QTemporaryDir folder;
    files_.next = folder.filePath(QStringLiteral("sheet.pdf"));
    Trigger("mnuSaveAsPdf");
    EXPECT_EQ(messages_.shown.size(), 1U);
    EXPECT_TRUE(QFile::exists(*files_.next));
}

TEST_F(WindowNoPrinterTest, PrintButtonReportsTheMissingPrinterOnce) {
    Click("cmdPrint");
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_TRUE(messages_.shown.front().text.startsWith(QStringLiteral("No default printer")));
    ASSERT_NE(Page(), nullptr);
    EXPECT_FALSE(Page()->isVisible());
}

}  // namespace
}  // namespace tallyworth::cups_test

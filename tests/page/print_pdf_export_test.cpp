#include "page/page_dump.h"
#include "page/page_printing.h"
#include "support/cups_printed_pdf.h"
#include "support/cups_worksheets.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace tallyworth::cups_test {
namespace {

constexpr double kTolerance = 0.02;  // inches

class PdfExportTest : public ::testing::Test {
  protected:
    [[nodiscard]] QString Target(const QString& name) const { return folder_.filePath(name); }

    // The single page of a saved PDF; fails the test when there is not exactly one.
    PdfPage SaveAndRead(const PageControls& page) {
        const QString file = Target(QStringLiteral("sheet.pdf"));
        const PrintOutcome outcome = SavePageAsPdf(page, file);
        EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
        QString error;
        std::vector<PdfPage> pages = ReadPdfPages(file, &error);
        EXPECT_EQ(pages.size(), 1U) << error.toStdString();
        return pages.empty() ? PdfPage{} : pages.front();
    }

    QTemporaryDir folder_;
};

// Each caption must stand exactly where the page puts it: a saved PDF has no margin.
void ExpectCaptionsInPlace(const PageControls& page, const PdfPage& sheet) {
    const std::vector<ShownCaption> captions = ShownCaptions(page);
    ASSERT_FALSE(captions.empty());
    const CaptionMatch match = MatchCaptions(captions, sheet, kTolerance);
    EXPECT_TRUE(match.missing.empty()) << Describe(match.missing).toStdString();
    EXPECT_TRUE(match.extra.empty()) << Describe(match.extra).toStdString();
    EXPECT_NEAR(match.shiftX, 0.0, kTolerance);
    EXPECT_NEAR(match.shiftY, 0.0, kTolerance);
}

TEST_F(PdfExportTest, SavesOneUsLetterPageWithEveryNumberWhereTheGridPutsIt) {
    Worksheet sheet(kAddition, 100);
    ASSERT_TRUE(sheet.reporter.failures.isEmpty());
    const PdfPage pdf = SaveAndRead(sheet.page);
    EXPECT_NEAR(pdf.widthInches, 8.5, 0.01);
    EXPECT_NEAR(pdf.heightInches, 11.0, 0.01);
    ExpectCaptionsInPlace(sheet.page, pdf);
}

TEST_F(PdfExportTest, SavesTheSecondDivisionPageOnlyWhenItIsShown) {
    Worksheet sheet(kDivision, 60);
    sheet.ShowPage(2);
    const PdfPage pdf = SaveAndRead(sheet.page);
    ExpectCaptionsInPlace(sheet.page, pdf);
    // Page 2 of 60 problems holds ten cells: twenty numbers and nothing else.
    EXPECT_EQ(pdf.words.size(), 20U) << Describe(pdf.words).toStdString();
}

struct SolutionsCase {
    const char* name;
    bool shown;
};

// Names the case in test listings, which would otherwise show its bytes.
void PrintTo(const SolutionsCase& value, std::ostream* out) {
    *out << value.name;
}

std::string SolutionsCaseName(const ::testing::TestParamInfo<SolutionsCase>& param) {
    return param.param.name;
}

class PdfSolutionsTest : public PdfExportTest,
                         public ::testing::WithParamInterface<SolutionsCase> {};

TEST_P(PdfSolutionsTest, SolutionsAppearExactlyWhenShown) {
    Worksheet sheet(kAddition, 30);
    sheet.ShowSolutions(GetParam().shown);
    const PdfPage pdf = SaveAndRead(sheet.page);
    ExpectCaptionsInPlace(sheet.page, pdf);
    const auto solutionShown = [&](const ShownCaption& caption) {
        return caption.control.startsWith(QStringLiteral("lblSolution"));
    };
    const std::vector<ShownCaption> captions = ShownCaptions(sheet.page);
    const auto solutions = std::count_if(captions.begin(), captions.end(), solutionShown);
    EXPECT_EQ(solutions, GetParam().shown ? 30 : 0);
    // Two numbers and an operator per problem, and the solutions when shown.
    EXPECT_EQ(pdf.words.size(), GetParam().shown ? 120U : 90U);
}

INSTANTIATE_TEST_SUITE_P(Switch, PdfSolutionsTest,
                         ::testing::Values(SolutionsCase{"Hidden", false},
                                           SolutionsCase{"Shown", true}),
                         SolutionsCaseName);

TEST_F(PdfExportTest, TheFileAppearsOnlyWhenComplete) {
    Worksheet sheet(kAddition, 10);
    const QString file = Target(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(SavePageAsPdf(sheet.page, file).ok);
    // No temporary file stays behind beside the saved one.
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("sheet.pdf")});
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().trimmed().endsWith("%%EOF"));
}

TEST_F(PdfExportTest, ReplacesAnEarlierFileOfTheSameName) {
    const QString file = Target(QStringLiteral("sheet.pdf"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    Worksheet sheet(kAddition, 10);
    ASSERT_TRUE(SavePageAsPdf(sheet.page, file).ok);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("%PDF-"));
}

TEST_F(PdfExportTest, AFolderThatDoesNotExistIsReportedAndNothingIsWritten) {
    Worksheet sheet(kAddition, 10);
    const QString file = Target(QStringLiteral("missing/sheet.pdf"));
    const PrintOutcome outcome = SavePageAsPdf(sheet.page, file);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Could not save \"")))
        << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("sheet.pdf")));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(PdfExportTest, AFolderInPlaceOfTheFileIsReportedAndKept) {
    Worksheet sheet(kAddition, 10);
    const QString file = Target(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("sheet.pdf")));
    const PrintOutcome outcome = SavePageAsPdf(sheet.page, file);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Could not save \"")));
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{QStringLiteral("sheet.pdf")});
}

TEST_F(PdfExportTest, AnEmptyFileNameIsReported) {
    Worksheet sheet(kAddition, 10);
    const PrintOutcome outcome = SavePageAsPdf(sheet.page, QString());
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Could not save")));
}

TEST_F(PdfExportTest, SavingLeavesThePageAsItWas) {
    Worksheet sheet(kDivision, 60);
    sheet.ShowSolutions(true);
    const QString before = DumpVisibleControls(sheet.page);
    ASSERT_TRUE(SavePageAsPdf(sheet.page, Target(QStringLiteral("sheet.pdf"))).ok);
    EXPECT_EQ(DumpVisibleControls(sheet.page), before);
}

}  // namespace
}  // namespace tallyworth::cups_test

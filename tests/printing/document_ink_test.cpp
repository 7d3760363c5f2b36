// What a document's pages put on paper, read by the renderers and the print driver a
// school meets: poppler (pdftoppm, pdfimages), MuPDF (mutool), Ghostscript (gs), and the
// print service's PostScript driver.

#include "printing/page_printing.h"
#include "render/page_painter.h"
#include "render/pdf_output.h"
#include "support/cups_harness.h"
#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <array>
#include <functional>

namespace tallyworth::print_test {
namespace {

using testing_support::kCaseName;
constexpr int kDotsPerInch = 150;
constexpr ColorValue kGreen = 0x00A000;  // the same read as RGB or as BGR

// The standard output of a tool the tests need; one that fails fails the test.
QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    EXPECT_TRUE(tool.waitForFinished(kWaitMilliseconds) && tool.exitCode() == 0)
        << program.toStdString() << " failed: " << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput();
}

// The types of the images a document paints, one for each time one is painted.
QStringList ImageTypes(const QString& pdf) {
    QStringList types;
    const QStringList rows =
        QString::fromLatin1(Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}))
            .split(u'\n', Qt::SkipEmptyParts)
            .mid(2);
    for (const QString& row : rows) {
        types << row.simplified().section(u' ', 2, 2);
    }
    return types;
}

// Page 1 of a document in grey, as a renderer draws it.
using Renderer = std::function<QImage(const QString& pdf, const QString& png)>;

QImage Ghostscript(const QString& pdf, const QString& png, const QString& filter) {
    Run(QStringLiteral("gs"),
        {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
         QStringLiteral("-dNOPAUSE"), QStringLiteral("-dLastPage=1"), filter,
         QStringLiteral("-sDEVICE=pnggray"), QStringLiteral("-r%1").arg(kDotsPerInch),
         QStringLiteral("-sOutputFile=") + png, pdf});
    return QImage(png);
}

const std::array<std::pair<const char*, Renderer>, 3> kRenderers{{
    {"pdftoppm",
     [](const QString& pdf, const QString& png) {
         Run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
              QStringLiteral("-r"), QString::number(kDotsPerInch), pdf, png.chopped(4)});
         return QImage(png);
     }},
    {"mutool",
     [](const QString& pdf, const QString& png) {
         Run(QStringLiteral("mutool"),
             {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-c"),
              QStringLiteral("gray"), QStringLiteral("-r"), QString::number(kDotsPerInch),
              QStringLiteral("-o"), png, pdf, QStringLiteral("1")});
         return QImage(png);
     }},
    {"gs without transparency",
     [](const QString& pdf, const QString& png) {
         return Ghostscript(pdf, png, QStringLiteral("-dNOTRANSPARENCY"));
     }},
}};

// Whether the stroke shows whole: every column along it has ink on or next to its row.
bool ShowsWhole(const QImage& image, const PageLine& line) {
    const int row = qRound(line.y1 * kDotsPerInch);
    const int inset = 2;
    for (int column = qRound(line.x1 * kDotsPerInch) + inset;
         column < qRound(line.x2 * kDotsPerInch) - inset; ++column) {
        int darkest = 255;
        for (int near = row - 2; near <= row + 2; ++near) {
            darkest = std::min(darkest, qGray(image.pixel(column, near)));
        }
        if (darkest > 128) {
            return false;
        }
    }
    return true;
}

// Whether some of the label's ink shows in green.
bool HasGreenInk(const QImage& image, const PageLabel& label) {
    const QRect box(qRound(label.left * kDotsPerInch), qRound(label.top * kDotsPerInch),
                    qRound(label.width * kDotsPerInch), qRound(label.height * kDotsPerInch));
    constexpr int kMargin = 60;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qGreen(pixel) - std::max(qRed(pixel), qBlue(pixel)) > kMargin) {
                return true;
            }
        }
    }
    return false;
}

// A division page with the bracket, then a Mix grid in green, as documents write them.
struct Documents {
    PrintedPage bracket;
    PrintedPage grid;
    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("pages.pdf"));
};

PrintedPage PageOf(OperationRow row, testing_support::Notation notation, std::int16_t lowest,
                   std::int16_t highest) {
    testing_support::Sheet sheet(row, notation);
    sheet.Build(lowest, highest, 100);
    return PrintedPageOf(sheet.page, SignsOf({}, QLocale::English));
}

void Write(Documents& documents) {
    documents.bracket =
        PageOf(OperationRow::Divide, testing_support::Notation::UpsideDownSeven, 2, 30);
    documents.grid = PageOf(OperationRow::Mix, testing_support::Notation::LineAndDots, 10, 99);
    ColorPrintedPage(documents.grid, kGreen);
    QFile file(documents.pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    const PrintOutcome written =
        PaintPdf(file, letter, {}, [&](QPainter& painter, QPdfWriter& writer) {
            PaintPage(painter, documents.bracket, kPdfDotsPerInch, PageText::ReadingOrder);
            writer.newPage();
            PaintPage(painter, documents.grid, kPdfDotsPerInch, PageText::ReadingOrder);
            return PrintOutcome::Done();
        });
    ASSERT_TRUE(written.Succeeded());
}

// filedJobs: what the PostScript queue has filed, once it is done.
using FiledJobs = std::function<QStringList()>;

struct InkCase {
    const char* name;
    std::function<void(Documents&, const FiledJobs&)> check;
};

class DocumentInkTest : public SchedulerTest, public ::testing::WithParamInterface<InkCase> {
  protected:
    DocumentInkTest() : SchedulerTest("postscript") {}
};

const std::array kInkCases{
    // Figures are one-bit stencils, clear around their ink, each in its own colour.
    InkCase{"FiguresAreStencilsInTheirColour",
            [](Documents& documents, const FiledJobs& /*filedJobs*/) {
                const QStringList types = ImageTypes(documents.pdf);
                ASSERT_FALSE(types.isEmpty());
                EXPECT_EQ(types.filter(QStringLiteral("stencil")).size(), types.size())
                    << types.join(u' ').left(200).toStdString();
                const QString png = documents.folder.filePath(QStringLiteral("grid.png"));
                Run(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-singlefile"),
                     QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDotsPerInch),
                     documents.pdf, png.chopped(4)});
                const QImage page(png);
                for (const PageLabel& label : documents.grid.labels) {
                    EXPECT_TRUE(HasGreenInk(page, label)) << label.caption.toStdString();
                }
            }},
    // The text layer is hidden by its rendering mode, not by transparency: a renderer that
    // ignores transparency shows the ink alone, as one that leaves the text out does.
    InkCase{"InkAloneWhereTransparencyIsIgnored",
            [](Documents& documents, const FiledJobs& /*filedJobs*/) {
                const QImage ignored = Ghostscript(
                    documents.pdf, documents.folder.filePath(QStringLiteral("ignored.png")),
                    QStringLiteral("-dNOTRANSPARENCY"));
                const QImage textless = Ghostscript(
                    documents.pdf, documents.folder.filePath(QStringLiteral("textless.png")),
                    QStringLiteral("-dFILTERTEXT"));
                ASSERT_FALSE(ignored.isNull());
                EXPECT_TRUE(ignored == textless);
                QFile file(documents.pdf);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_FALSE(file.readAll().contains("/ca 0 "));
            }},
    // No figure paints a ground over a line: the bracket's bar runs whole over each
    // dividend, whichever renderer draws it.
    InkCase{"StrokesShowWholeInEveryRenderer",
            [](Documents& documents, const FiledJobs& /*filedJobs*/) {
                for (const auto& [name, render] : kRenderers) {
                    const QImage page = render(
                        documents.pdf, documents.folder.filePath(QStringLiteral("page.png")));
                    ASSERT_FALSE(page.isNull()) << name;
                    for (const PageLine& line : documents.bracket.lines) {
                        if (line.y1 == line.y2) {
                            EXPECT_TRUE(ShowsWhole(page, line))
                                << name << ": the stroke at " << line.x1 << ", " << line.y1;
                        }
                    }
                }
            }},
    // The print service's PostScript driver keeps a printed page as strokes and stencils,
    // never one picture of the whole page.
    InkCase{"PrintedThroughPostScriptStaysStencils",
            [](Documents& documents, const FiledJobs& filedJobs) {
                const PrintedPage grid = documents.grid;
                const PrintOutcome printed = PrintPagesOnDefaultPrinter(
                    [grid](const QRectF& /*area*/) { return std::vector<PrintedPage>{grid}; });
                ASSERT_EQ(printed.kind, OutcomeKind::Done) << printed.message.toStdString();
                const QStringList jobs = filedJobs();
                ASSERT_EQ(jobs.size(), 1);
                const QString back = documents.folder.filePath(QStringLiteral("back.pdf"));
                Run(QStringLiteral("gs"),
                    {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                     QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                     QStringLiteral("-sOutputFile=") + back, jobs[0]});
                const QStringList types = ImageTypes(back);
                ASSERT_FALSE(types.isEmpty());
                EXPECT_EQ(types.filter(QStringLiteral("stencil")).size(), types.size())
                    << types.join(u' ').left(200).toStdString();
            }},
};

TEST_P(DocumentInkTest, PutsOnPaperWhatThePageShows) {
    Documents documents;
    ASSERT_NO_FATAL_FAILURE(Write(documents));
    GetParam().check(documents, [this] { return PrintedFiles(); });
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentInkTest, ::testing::ValuesIn(kInkCases), kCaseName);

}  // namespace
}  // namespace tallyworth::print_test

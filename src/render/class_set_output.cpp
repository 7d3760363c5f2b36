#include "render/class_set_output.h"

#include "core/translations.h"
#include "page_model/sheet_page.h"
#include "render/page_painter.h"
#include "render/page_style.h"
#include "render/pdf_metadata.h"
#include "render/qr_code.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDevice>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace tallyworth {

namespace {

// The band's height and the space between it and the page, in inches.
constexpr double kBandHeight = 0.65;
constexpr double kBandGap = 0.12;
constexpr double kHeaderPoints = 10.0;
constexpr double kPointsPerInch = 72.0;
// The band's lines of text: baselines at the right, then those of the Name and Date lines.
constexpr std::array<double, 3> kRightBaselines{0.18, 0.38, 0.58};
constexpr double kNameBaseline = 0.25;
constexpr double kDateBaseline = 0.55;
// The writing lines start a little after their captions and stop well clear of the right
// column; a line shorter than the least of these is left out rather than squeezed.
constexpr double kCaptionGap = 0.08;
constexpr double kColumnGap = 0.4;
constexpr double kLongestWritingLine = 3.5;
constexpr double kShortestWritingLine = 0.3;
constexpr double kWritingLinePoints = 0.75;
constexpr double kRulePoints = 0.5;
// Every printer can print inside this margin, so a set saved as a PDF prints at the size
// it was laid out for wherever it is printed.
constexpr double kPdfMargin = 0.5;
constexpr const char* kHeaderFont = "MS Sans Serif";
// A QR code's modules are half a millimetre, which a tablet's camera reads from a sheet on the
// desk; a longer address makes smaller ones rather than a band of more than an inch. The code
// stands this far left of the sheet's number and code.
constexpr double kQrModule = 0.5 / 25.4;
constexpr double kLargestQrSide = 1.0;
constexpr double kQrGap = 0.1;
constexpr double kMetresPerInch = 0.0254;

// What the band of one page says.
struct HeaderTexts {
    QString sheet;
    QString code;
    bool answerKey = false;
    QString practiceLink;  // empty for none
};

HeaderTexts HeaderOf(const SetPage& page, const ClassSetRequest& request) {
    // A key is the teacher's: its pupils practise from the sheet.
    return {QCoreApplication::translate("tallyworth::ClassSet", "Sheet %1 of %2")
                .arg(page.sheetIndex + 1)
                .arg(request.sheets),
            ReportedCode(request, page.sheetIndex), page.answerKey,
            page.answerKey ? QString() : PracticeLink(request, page.sheetIndex)};
}

// Paints in device units, dots per inch apart: fonts are sized for that scale whatever
// resolution the device itself reports.
class BandPainter {
  public:
    BandPainter(QPainter& painter, const QRectF& band, double dotsPerInch, PageText text)
        : painter_(painter), band_(band), dotsPerInch_(dotsPerInch), text_(text) {}

    [[nodiscard]] QFont Font(bool bold) const {
        const int deviceDpi = painter_.device()->logicalDpiY();
        const double scale = deviceDpi > 0 ? dotsPerInch_ / deviceDpi : 1.0;
        return FontWithFallback(QString::fromLatin1(kHeaderFont), kHeaderPoints * scale, bold);
    }
    [[nodiscard]] double Width(const QString& text, const QFont& font) {
        painter_.setFont(font);
        return DocumentTextAdvance(painter_, text) / dotsPerInch_;
    }
    void Text(const QString& text, const QFont& font, double left, double baseline) {
        painter_.setFont(font);
        if (text_ == PageText::AsShown) {
            painter_.drawText(Point(left, baseline), text);
        } else {
            PaintDocumentText(painter_, text, Point(left, baseline));
        }
    }
    void Line(double from, double to, double y, double points) {
        QPen pen(Qt::black);
        pen.setWidthF(points / kPointsPerInch * dotsPerInch_);
        painter_.setPen(pen);
        painter_.drawLine(Point(from, y), Point(to, y));
        painter_.setPen(Qt::black);
    }
    // A QR code filling the band's height, its left edge this far into the band.
    void Qr(const QString& text, double left) {
        const double side = band_.height() * dotsPerInch_;
        PaintQrCode(painter_, EncodeQrCode(text), QRectF(Point(left, 0), QSizeF(side, side)));
    }
    [[nodiscard]] const QRectF& Band() const { return band_; }

  private:
    // Inches from the band's top-left corner to device units.
    [[nodiscard]] QPointF Point(double x, double y) const {
        return {(band_.left() + x) * dotsPerInch_, (band_.top() + y) * dotsPerInch_};
    }

    QPainter& painter_;
    QRectF band_;
    double dotsPerInch_;
    PageText text_;
};

// The code in lines of whole groups of five, none wider than width; one line when it fits.
QStringList CodeLines(BandPainter& band, const QString& code, const QFont& font, double width) {
    QStringList lines;
    for (const QString& group : code.split(u'-')) {
        const QString longer = lines.isEmpty() ? group : lines.back() + u'-' + group;
        if (!lines.isEmpty() && band.Width(longer, font) <= width) {
            lines.back() = longer;
        } else {
            lines << group;
        }
    }
    return lines;
}

// How a code is written in the band: a sheet code on its own line; the longer code of a
// sheet of sections in lines of smaller print between the sheet's number and "Answer key",
// as small and as wide as it takes to fit there.
struct CodeBlock {
    QStringList lines;
    QFont font;
    double lineHeight = 0;
};

CodeBlock CodeBlockOf(BandPainter& band, const QString& code) {
    constexpr double kCodeColumn = 3.0;
    constexpr std::array kWiderColumns{3.0, 3.6, 4.2};
    constexpr std::array kSmallerPoints{7.0, 6.0, 5.0};
    constexpr double kCodeRoom = 0.3;  // from under the sheet's number to above "Answer key"
    constexpr double kLeading = 1.25;
    const QFont font = band.Font(false);
    if (band.Width(code, font) <= kCodeColumn) {
        return {{code}, font, 0};
    }
    CodeBlock block;
    for (const double points : kSmallerPoints) {
        block.font = band.Font(false);
        block.font.setPointSizeF(font.pointSizeF() * points / kHeaderPoints);
        block.lineHeight = points * kLeading / kPointsPerInch;
        for (const double width : kWiderColumns) {
            block.lines = CodeLines(band, code, block.font, width);
            if (static_cast<double>(block.lines.size()) * block.lineHeight <= kCodeRoom) {
                return block;
            }
        }
    }
    return block;
}

// Sheet number, code and, on a key, "Answer key", right-aligned; returns the width taken.
double PaintRightColumn(BandPainter& band, const HeaderTexts& texts) {
    const auto right = [&band](const QString& text, const QFont& font, double baseline) {
        const double width = band.Width(text, font);
        band.Text(text, font, band.Band().width() - width, baseline);
        return width;
    };
    double widest = right(texts.sheet, band.Font(false), kRightBaselines[0]);
    const CodeBlock code = CodeBlockOf(band, texts.code);
    // One line stands on the code's baseline; more stand under the sheet's number.
    double baseline =
        code.lines.size() == 1 ? kRightBaselines[1] : kRightBaselines[0] + code.lineHeight * 1.1;
    for (const QString& line : code.lines) {
        widest = std::max(widest, right(line, code.font, baseline));
        baseline += code.lineHeight;
    }
    if (texts.answerKey) {
        widest = std::max(widest,
                          right(QCoreApplication::translate("tallyworth::ClassSet", "Answer key"),
                                band.Font(true), kRightBaselines[2]));
    }
    return widest;
}

void PaintWritingLines(BandPainter& band, double rightColumn) {
    const QFont font = band.Font(false);
    const QString name = QCoreApplication::translate("tallyworth::ClassSet", "Name");
    const QString date = QCoreApplication::translate("tallyworth::ClassSet", "Date");
    band.Text(name, font, 0, kNameBaseline);
    band.Text(date, font, 0, kDateBaseline);
    const double start = std::max(band.Width(name, font), band.Width(date, font)) + kCaptionGap;
    const double end =
        std::min(start + kLongestWritingLine, band.Band().width() - rightColumn - kColumnGap);
    if (end - start < kShortestWritingLine) {
        return;
    }
    band.Line(start, end, kNameBaseline, kWritingLinePoints);
    band.Line(start, end, kDateBaseline, kWritingLinePoints);
}

void PaintHeader(QPainter& painter, const QRectF& band, double dotsPerInch,
                 const HeaderTexts& texts, PageText text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    BandPainter bandPainter(painter, band, dotsPerInch, text);
    double rightColumn = PaintRightColumn(bandPainter, texts);
    if (!texts.practiceLink.isEmpty()) {
        rightColumn += kQrGap + band.height();
        bandPainter.Qr(texts.practiceLink, band.width() - rightColumn);
    }
    PaintWritingLines(bandPainter, rightColumn);
    bandPainter.Line(0, band.width(), band.height(), kRulePoints);
    painter.restore();
}

// Where the worksheet's pages go on every page of the set: below the band, across the
// printable area.
struct SetRoom {
    SetPagePlace place;
    QRectF room;  // in inches from the printable area's top-left corner
};

SetRoom RoomOf(const QSizeF& printableInches, const ClassSetRequest& request) {
    const SetPagePlace place = PlaceSetPage(printableInches, request.header, QrSideOf(request));
    const QPointF topLeft = place.page.topLeft();
    return {place, QRectF(topLeft,
                          QSizeF(printableInches.width(), printableInches.height() - topLeft.y()))};
}

// Pages laid out anew fill the room exactly, from its top-left corner.
QRectF AreaOf(const SetRoom& room) {
    return {QPointF(0, 0), room.room.size()};
}

// The page's cells in the room, scaled down uniformly where they are larger, never up.
void PaintScaledPage(QPainter& painter, const PrintedPage& page, const QRectF& room,
                     double dotsPerInch, PageText text) {
    const QRectF area = page.area;
    const double scale =
        std::min({1.0, room.width() / area.width(), room.height() / area.height()});
    painter.save();
    painter.translate(room.left() * dotsPerInch, room.top() * dotsPerInch);
    painter.scale(scale, scale);
    painter.translate(-area.left() * dotsPerInch, -area.top() * dotsPerInch);
    // The page's white ground would reach past the printable area and over the band.
    painter.setClipRect(QRectF(area.topLeft() * dotsPerInch, area.size() * dotsPerInch));
    PaintPage(painter, page, dotsPerInch, text);
    painter.restore();
}

// The sheet whose pages are being painted: made once for all its pages.
class SheetMaker {
  public:
    SheetMaker(const ClassSetRequest& request, const QRectF& area)
        : request_(request), area_(area) {}

    const SheetPrint& Sheet(const SetPage& setPage) {
        if (setPage.sheetIndex != sheetIndex_ || setPage.answerKey != answerKey_) {
            sheetIndex_ = setPage.sheetIndex;
            answerKey_ = setPage.answerKey;
            made_ = MakeSheetPrint(SheetOfSet(request_.first, sheetIndex_), answerKey_,
                                   SpokenLocale(), area_);
        }
        return made_;
    }

  private:
    const ClassSetRequest& request_;
    QRectF area_;
    int sheetIndex_ = -1;
    bool answerKey_ = false;
    SheetPrint made_;
};

// A document's pages carry their problems as text (PageText::ReadingOrder); a picture's
// show as the screen shows them.
PrintOutcome PaintSetPage(QPainter& painter, const ClassSetRequest& request, const SetRoom& room,
                          double dotsPerInch, const SetPage& setPage, SheetMaker& maker,
                          PageText text = PageText::ReadingOrder) {
    const SheetPrint& made = maker.Sheet(setPage);
    const auto index = static_cast<std::size_t>(setPage.pageNo - 1);
    if (!made.ok || index >= made.pages.size()) {
        return PrintOutcome::Failed(made.failure);
    }
    if (request.header) {
        PaintHeader(painter, room.place.band, dotsPerInch, HeaderOf(setPage, request), text);
    }
    PaintScaledPage(painter, made.pages[index], room.room, dotsPerInch, text);
    return PrintOutcome::Done();
}

PrintOutcome NoSuchSet() {
    return PrintOutcome::Failed(
        QCoreApplication::translate(
            "tallyworth::ClassSet",
            "A class set has 1 to %1 sheets of settings that make a worksheet.")
            .arg(kMostSheets));
}

// Every sheet's code is known before the first page is painted, so the metadata can be
// given at the start and the pages need not be kept.
PdfMetadata ClassSetMetadata(const ClassSetRequest& request) {
    QStringList codes;
    for (int sheet = 0; sheet < request.sheets; ++sheet) {
        codes << ReportedCode(request, sheet);
    }
    const QString subject =
        QCoreApplication::translate("tallyworth::ClassSet",
                                    "A class set of %1 worksheets; the first sheet's code is %2")
            .arg(request.sheets)
            .arg(codes.value(0));
    return {ClassSetTitle(), subject, codes};
}

// Stops a set at the page after a write failed (a full disk, a closed pipe): the pages
// after it could only be thrown away.
class StopOnWriteFailure final : public SetProgress {
  public:
    StopOnWriteFailure(SetProgress& progress, const QIODevice& device)
        : progress_(progress), file_(qobject_cast<const QFileDevice*>(&device)) {}

    void Start(int pages) override { progress_.Start(pages); }
    [[nodiscard]] bool Advance(int pagesDone) override {
        return !Failed() && progress_.Advance(pagesDone);
    }
    [[nodiscard]] bool Failed() const {
        return file_ != nullptr && file_->error() != QFileDevice::NoError;
    }

  private:
    SetProgress& progress_;
    const QFileDevice* file_;
};

QPageLayout PdfLayout(const QPageSize& paper) {
    return {paper, QPageLayout::Portrait, QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin),
            QPageLayout::Inch};
}

}  // namespace

QString ClassSetTitle() {
    return QCoreApplication::translate("tallyworth::ClassSet", "Tallyworth class set");
}

double QrSideOf(const ClassSetRequest& request) {
    if (!request.header || request.publicUrl.isEmpty()) {
        return 0;
    }
    // The first sheet's code at whole modules; the others take the same square, their modules
    // a little smaller should one need more of them.
    const QrCode code = EncodeQrCode(PracticeLink(request, 0));
    return std::clamp((code.size + 2 * kQrQuietModules) * kQrModule, kBandHeight, kLargestQrSide);
}

SetPagePlace PlaceSetPage(const QSizeF& printableInches, bool header, double qrSide) {
    const double bandHeight = std::max(kBandHeight, qrSide);
    const double pageTop = header ? bandHeight + kBandGap : 0.0;
    const double scale = std::min({1.0, printableInches.width() / kWorksheetArea.width(),
                                   (printableInches.height() - pageTop) / kWorksheetArea.height()});
    if (scale <= 0) {
        return {};
    }
    return {QRectF(0, 0, header ? printableInches.width() : 0.0, header ? bandHeight : 0.0),
            QRectF(QPointF(0, pageTop), kWorksheetArea.size() * scale), scale};
}

PrintOutcome PaintClassSet(QPainter& painter, QPagedPaintDevice& device,
                           const ClassSetRequest& request, SetProgress& progress) {
    if (ClassSetPages(request).empty()) {
        return NoSuchSet();
    }
    const double dotsPerInch = device.logicalDpiY();
    const SetRoom room =
        RoomOf(QSizeF(device.width() / dotsPerInch, device.height() / dotsPerInch), request);
    if (room.place.pageScale <= 0) {
        return PrintOutcome::Failed(QCoreApplication::translate(
            "tallyworth::ClassSet", "The paper is too small for a worksheet."));
    }
    const std::vector<SetPage> pages = ClassSetPages(
        request, SheetPageCount(request.first.settings, AreaOf(room), SpokenLocale()));
    if (pages.empty()) {
        return NoSuchSet();
    }
    SheetMaker maker(request, AreaOf(room));
    progress.Start(static_cast<int>(pages.size()));
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !device.newPage()) {
            return NoNewPage();
        }
        if (PrintOutcome painted =
                PaintSetPage(painter, request, room, dotsPerInch, pages[index], maker);
            !painted.Succeeded()) {
            return painted;
        }
        if (!progress.Advance(static_cast<int>(index) + 1)) {
            return PrintOutcome::Cancelled();
        }
    }
    return PrintOutcome::Done();
}

namespace {

// The room on a page of the paper inside the PDF's margins, and the set's pages there.
struct PaperPages {
    SetRoom room;
    std::vector<SetPage> pages;
};

PaperPages PagesOnPaper(const ClassSetRequest& request, const QSizeF& paperInches) {
    const SetRoom room = RoomOf(paperInches - QSizeF(2 * kPdfMargin, 2 * kPdfMargin), request);
    if (room.place.pageScale <= 0) {
        return {room, {}};
    }
    return {room, ClassSetPages(request, SheetPageCount(request.first.settings, AreaOf(room),
                                                        SpokenLocale()))};
}

}  // namespace

int ClassSetPageCount(const ClassSetRequest& request, const QPageSize& paper) {
    return static_cast<int>(PagesOnPaper(request, paper.size(QPageSize::Inch)).pages.size());
}

QImage ClassSetPageImage(const ClassSetRequest& request, const QPageSize& paper, int pageIndex,
                         double dotsPerInch) {
    const QSizeF paperInches = paper.size(QPageSize::Inch);
    const auto [room, pages] = PagesOnPaper(request, paperInches);
    if (pageIndex < 0 || std::cmp_greater_equal(pageIndex, pages.size())) {
        return {};
    }
    QImage image((paperInches * dotsPerInch).toSize(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(kPdfMargin * dotsPerInch, kPdfMargin * dotsPerInch);
    SheetMaker maker(request, AreaOf(room));
    const PrintOutcome painted =
        PaintSetPage(painter, request, room, dotsPerInch,
                     pages[static_cast<std::size_t>(pageIndex)], maker, PageText::AsShown);
    return painted.Succeeded() ? image : QImage();
}

QByteArray ClassSetPagePng(const ClassSetRequest& request, const QPageSize& paper, int pageIndex) {
    const QImage image = ClassSetPageImage(request, paper, pageIndex, kPreviewDotsPerInch);
    if (image.isNull()) {
        return {};
    }
    // Black on white: grey levels hold it whole in a third of the bytes to compress.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_Grayscale8).save(&png, "PNG");
    return png.data();
}

PrintOutcome WriteClassSetPdfTo(QIODevice& device, const ClassSetRequest& request,
                                const QPageSize& paper, SetProgress& progress) {
    StopOnWriteFailure stopping(progress, device);
    const PrintOutcome written =
        PaintPdf(device, PdfLayout(paper), ClassSetMetadata(request),
                 [&](QPainter& painter, QPdfWriter& writer) {
                     return PaintClassSet(painter, writer, request, stopping);
                 });
    return stopping.Failed() ? PrintOutcome::Failed(device.errorString()) : written;
}

PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, const QPageSize& paper,
                              const QString& fileName, SetProgress& progress) {
    // A set that cannot be made is no reason to touch the file.
    if (ClassSetPages(request).empty()) {
        return NoSuchSet();
    }
    return SavePdfFile(fileName, [&](QIODevice& file) {
        return WriteClassSetPdfTo(file, request, paper, progress);
    });
}

}  // namespace tallyworth

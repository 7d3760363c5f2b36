#pragma once

// PDFs are read back with pdftotext -bbox and pdfinfo from poppler-utils, their language
// with mutool from mupdf-tools, and their QR codes with zbarimg from zbar-tools.

#include <gtest/gtest.h>

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace tallyworth::print_test {

inline constexpr int kWaitMilliseconds = 60000;

struct PdfWord {
    std::string text;
    double left = 0, top = 0, right = 0, bottom = 0;
};

// A sheet of a PDF, in inches from its top-left corner.
struct PdfPage {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

inline std::vector<PdfPage> ReadPdf(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(kWaitMilliseconds) && reader.exitCode() == 0)
        << "pdftotext (poppler-utils) could not read " << file.toStdString() << ": "
        << reader.errorString().toStdString() << reader.readAllStandardError().data();
    static const QRegularExpression kTag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">(.*)</word>)re"));
    std::vector<PdfPage> pages;
    for (const auto& match : kTag.globalMatch(QString::fromUtf8(reader.readAllStandardOutput()))) {
        const auto inches = [&match](int group) { return match.captured(group).toDouble() / 72; };
        if (match.hasCaptured(1)) {
            pages.push_back({inches(1), inches(2), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back(
                {match.captured(7).toStdString(), inches(3), inches(4), inches(5), inches(6)});
        }
    }
    return pages;
}

// The text of a PDF in the order it was written, as pdftotext -raw reads it: the order in
// which a screen reader or a copy takes it.
inline QString ReadPdfText(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(kWaitMilliseconds) && reader.exitCode() == 0);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// What pdfinfo (poppler-utils) reads from a PDF: its document information, or its XMP
// metadata. A PDF that does not read cleanly fails the test.
enum class PdfInfoPart { Document, Xmp };
inline QString ReadPdfInfo(const QString& file, PdfInfoPart part) {
    QProcess reader;
    reader.start(QStringLiteral("pdfinfo"), part == PdfInfoPart::Xmp
                                                ? QStringList{QStringLiteral("-meta"), file}
                                                : QStringList{file});
    EXPECT_TRUE(reader.waitForFinished(kWaitMilliseconds) && reader.exitCode() == 0)
        << "pdfinfo (poppler-utils) could not read " << file.toStdString() << ": "
        << reader.errorString().toStdString();
    EXPECT_EQ(reader.readAllStandardError().toStdString(), "") << "the PDF does not read cleanly";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The document's language as mutool (mupdf-tools) reads it from the catalogue the trailer
// names, incremental updates followed: "(de)", or "null" when it has none.
inline std::string ReadPdfLanguage(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("mutool"),
                 {QStringLiteral("show"), file, QStringLiteral("trailer/Root/Lang")});
    EXPECT_TRUE(reader.waitForFinished(kWaitMilliseconds) && reader.exitCode() == 0)
        << "mutool (mupdf-tools) could not read " << file.toStdString();
    return reader.readAllStandardOutput().trimmed().toStdString();
}

// What zbarimg reads on a page (from 1) of a PDF, rasterised by pdftoppm at a printer's
// 300 dpi: in the rectangle given, in inches from the page's top-left corner, or on the whole
// page. The codes' texts, one a line; "" when it finds none.
inline QString ReadQrCodes(const QString& pdf, int page, const QRectF& inches = {}) {
    constexpr int kDots = 300;
    const auto dots = [](double length) { return QString::number(std::lround(length * kDots)); };
    QStringList arguments{QStringLiteral("-r"),   QString::number(kDots),
                          QStringLiteral("-png"), QStringLiteral("-singlefile"),
                          QStringLiteral("-f"),   QString::number(page),
                          QStringLiteral("-l"),   QString::number(page)};
    if (!inches.isEmpty()) {
        arguments << QStringLiteral("-x") << dots(inches.left()) << QStringLiteral("-y")
                  << dots(inches.top()) << QStringLiteral("-W") << dots(inches.width())
                  << QStringLiteral("-H") << dots(inches.height());
    }
    const QString png = pdf + QString::number(page);
    QProcess rasteriser;
    rasteriser.start(QStringLiteral("pdftoppm"), arguments << pdf << png);
    EXPECT_TRUE(rasteriser.waitForFinished(kWaitMilliseconds) && rasteriser.exitCode() == 0)
        << "pdftoppm (poppler-utils) could not draw " << pdf.toStdString();
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"),
                 {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("--nodbus"),
                  png + QStringLiteral(".png")});
    EXPECT_TRUE(reader.waitForFinished(kWaitMilliseconds)) << "zbarimg (zbar-tools) is missing";
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

inline void PrintTo(const PdfWord& word, std::ostream* out) {
    *out << '"' << word.text << "\" at " << word.left << "-" << word.right << ", " << word.top;
}

}  // namespace tallyworth::print_test

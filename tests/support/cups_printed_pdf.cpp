#include "support/cups_printed_pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <cstddef>

namespace tallyworth::cups_test {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr int kReaderMilliseconds = 30000;

QString Unescape(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

double Inches(const QRegularExpressionMatch& match, int group) {
    return match.captured(group).toDouble() / kPointsPerInch;
}

std::vector<PdfPage> ParseBoxes(const QString& html) {
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">(.*)</word>)re"));
    std::vector<PdfPage> pages;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch page = pageTag.match(line); page.hasMatch()) {
            pages.push_back({Inches(page, 1), Inches(page, 2), {}});
        } else if (const QRegularExpressionMatch word = wordTag.match(line);
                   word.hasMatch() && !pages.empty()) {
            pages.back().words.push_back({Unescape(word.captured(5)), Inches(word, 1),
                                          Inches(word, 2), Inches(word, 3), Inches(word, 4)});
        }
    }
    return pages;
}

QString Name(const char* array, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

template <typename Array>
void AddShown(std::vector<ShownCaption>& shown, const char* array, const Array& labels) {
    for (std::size_t index = 0; index < labels.size(); ++index) {
        const PageLabel& label = labels[index];
        if (!label.Visible || label.Caption.trimmed().isEmpty()) {
            continue;
        }
        const bool right = label.Alignment == LabelAlignment::Right;
        shown.push_back({label.Caption.trimmed(), Name(array, index), right,
                         right ? static_cast<double>(label.Left) + static_cast<double>(label.Width)
                               : static_cast<double>(label.Left),
                         static_cast<double>(label.Top)});
    }
}

double WordAnchor(const PdfWord& word, const ShownCaption& caption) {
    return caption.rightAligned ? word.right : word.left;
}

bool Meets(const PdfWord& word, const ShownCaption& caption, double shiftX, double shiftY,
           double tolerance) {
    return word.text == caption.text &&
           std::abs(WordAnchor(word, caption) - caption.anchorX - shiftX) <= tolerance &&
           std::abs(word.top - caption.top - shiftY) <= tolerance;
}

// Pairs captions with words under one shift; each word serves one caption at most.
CaptionMatch PairUp(const std::vector<ShownCaption>& captions, const PdfPage& page, double shiftX,
                    double shiftY, double tolerance) {
    CaptionMatch match{shiftX, shiftY, {}, {}};
    std::vector<bool> used(page.words.size(), false);
    for (const ShownCaption& caption : captions) {
        bool found = false;
        for (std::size_t w = 0; w < page.words.size() && !found; ++w) {
            if (!used[w] && Meets(page.words[w], caption, shiftX, shiftY, tolerance)) {
                used[w] = true;
                found = true;
            }
        }
        if (!found) {
            match.missing.push_back(caption);
        }
    }
    for (std::size_t w = 0; w < page.words.size(); ++w) {
        if (!used[w]) {
            match.extra.push_back(page.words[w]);
        }
    }
    return match;
}

}  // namespace

std::vector<PdfPage> ReadPdfPages(const QString& pdfPath, QString* error) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty()) {
        *error = QStringLiteral("pdftotext is not installed (Debian package poppler-utils)");
        return {};
    }
    QProcess process;
    process.start(reader, {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(kReaderMilliseconds) || process.exitCode() != 0) {
        *error = QStringLiteral("pdftotext could not read %1: %2")
                     .arg(pdfPath, QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    return ParseBoxes(QString::fromUtf8(process.readAllStandardOutput()));
}

std::vector<ShownCaption> ShownCaptions(const PageControls& page) {
    std::vector<ShownCaption> shown;
    AddShown(shown, "lblValue", page.lblValue);
    AddShown(shown, "lblPlus", page.lblPlus);
    AddShown(shown, "lblSolution", page.lblSolution);
    return shown;
}

CaptionMatch MatchCaptions(const std::vector<ShownCaption>& captions, const PdfPage& page,
                           double toleranceInches) {
    if (captions.empty()) {
        return PairUp(captions, page, 0, 0, toleranceInches);
    }
    const ShownCaption& first = captions.front();
    CaptionMatch best = PairUp(captions, page, 0, 0, toleranceInches);
    for (const PdfWord& word : page.words) {
        if (word.text != first.text) {
            continue;
        }
        CaptionMatch candidate = PairUp(captions, page, WordAnchor(word, first) - first.anchorX,
                                        word.top - first.top, toleranceInches);
        if (candidate.missing.size() < best.missing.size()) {
            best = std::move(candidate);
        }
    }
    return best;
}

QString Describe(const std::vector<ShownCaption>& captions) {
    QStringList parts;
    for (const ShownCaption& caption : captions) {
        parts.append(QStringLiteral("%1 \"%2\" at %3, %4")
                         .arg(caption.control, caption.text)
                         .arg(caption.anchorX, 0, 'f', 3)
                         .arg(caption.top, 0, 'f', 3));
    }
    return parts.join(QStringLiteral("; "));
}

QString Describe(const std::vector<PdfWord>& words) {
    QStringList parts;
    for (const PdfWord& word : words) {
        parts.append(QStringLiteral("\"%1\" at %2-%3, %4")
                         .arg(word.text)
                         .arg(word.left, 0, 'f', 3)
                         .arg(word.right, 0, 'f', 3)
                         .arg(word.top, 0, 'f', 3));
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace tallyworth::cups_test

#include "render/pdf_text_layer.h"
#include "render/page_painter.h"
#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace tallyworth {
namespace {

using testing_support::kCaseName;

// What the toolkit's writer makes of a grid page, before the text layer is made of it.
const QByteArray& WrittenPage() {
    static const QByteArray kWritten = [] {
        testing_support::Sheet sheet(OperationRow::Mix);
        sheet.Build(10, 99, 100);
        const PrintedPage page = PrintedPageOf(sheet.page, SignsOf({}, QLocale::English));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        QPainter painter(&writer);
        PaintPage(painter, page, 1200, PageText::ReadingOrder);
        writer.newPage();
        PaintPage(painter, page, 1200, PageText::ReadingOrder);
        painter.end();
        return bytes;
    }();
    return kWritten;
}

struct CutCase {
    const char* name;
    qsizetype piece;  // the bytes of each write; 0 for all at once
    qsizetype kept;   // the bytes of the writer's output passed on; -1 for all
    bool finishes;
};

// However the writer's output is cut into writes the document comes out the same; one that
// stops short is refused rather than passed off as whole.
const std::array kCutCases{
    CutCase{"AllAtOnce", 0, -1, true},
    CutCase{"ByteByByte", 1, -1, true},
    CutCase{"InSevens", 7, -1, true},
    CutCase{"WithoutItsTable", 0, 4000, false},
};

struct Layered {
    bool finished = false;
    QByteArray document;
};

// The text layer made of input written piece bytes at a time.
Layered MadeOf(const QByteArray& input, qsizetype piece) {
    Layered made;
    QBuffer target(&made.document);
    target.open(QIODevice::WriteOnly);
    TextLayerPdf layered(target);
    const qsizetype step = piece > 0 ? piece : input.size();
    for (qsizetype at = 0; at < input.size(); at += step) {
        layered.write(input.mid(at, step));
    }
    made.finished = layered.Finish();
    return made;
}

class TextLayerTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(TextLayerTest, MakesTheSameDocumentHoweverItsWritesAreCut) {
    const CutCase& cut = GetParam();
    const QByteArray input = WrittenPage().left(cut.kept < 0 ? WrittenPage().size() : cut.kept);
    const Layered made = MadeOf(input, cut.piece);
    ASSERT_EQ(made.finished, cut.finishes);
    if (!cut.finishes) {
        return;
    }
    EXPECT_EQ(made.document, MadeOf(input, 0).document);
    // Both pages hide their text; every image is a stencil.
    EXPECT_EQ(made.document.count("/Contents ["), 2);
    EXPECT_EQ(made.document.count("stream\n3 Tr\n"), 2);
    EXPECT_EQ(made.document.count("/ImageMask true"), input.count("/Subtype /Image"));
}

INSTANTIATE_TEST_SUITE_P(Cuts, TextLayerTest, ::testing::ValuesIn(kCutCases), kCaseName);

}  // namespace
}  // namespace tallyworth

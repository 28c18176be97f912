// Pages of the renderer, counted by hand: on A4 the element is 264 mm high and 177 mm wide. At
// 96 pixels per inch a column is 264 / 25.4 * 96 = 997.8 pixels long and holds 62 kanji of 16
// pixels (IPAGothic 12 points); a column is ceil(16 * 1.6) = 26 pixels wide, so 669.0 pixels of
// width hold 25 columns. One page: 62 x 25 = 1550 kanji.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextLayout>

#include "PrintTestSupport.h"
#include "print/TPageRenderer.h"
#include "print/TPdfExport.h"

namespace {

const QSizeF kA4Element(177, 264);

struct CountCase {
    int chars;
    int pages;
    int lastPageChars;
};

TEST(TPageRendererTest, VerticalPagesHoldWholeColumnsOfTheElementsHeight) {
    const CountCase cases[] = {
        {1, 1, 1}, {62, 1, 62}, {1550, 1, 1550}, {1551, 2, 1}, {3101, 3, 1}, {62 * 60, 3, 62 * 10},
    };
    for (const CountCase& c : cases) {
        QTextDocument doc;
        PrintTest::Fill(doc, {QString(c.chars, QChar(0x6C38))});  // 永
        TPageRenderer r(&doc, true);
        r.SetElementSize(kA4Element);
        ASSERT_EQ(r.PageCount(), c.pages) << c.chars;
        EXPECT_EQ(r.LastColumn(0) - r.FirstColumn(0) + 1, std::min(25, (c.chars + 61) / 62))
            << c.chars;
        EXPECT_EQ(r.PageText(c.pages - 1).size(), c.lastPageChars) << c.chars;
    }
}

TEST(TPageRendererTest, PagesFollowInReadingOrderWithNothingLostOrRepeated) {
    QStringList paras;
    QString all;
    for (int i = 0; i < 120; ++i) {
        const QString p = QStringLiteral("第%1段落、吾輩は猫である。名前はまだ無い。").arg(i) +
                          QString(i % 7 * 20, QChar(0x3042));
        paras << p;
        all += p;
    }
    QTextDocument doc;
    PrintTest::Fill(doc, paras);
    for (bool vertical : {true, false}) {
        TPageRenderer r(&doc, vertical);
        r.SetElementSize(kA4Element);
        QString pages;
        for (int p = 0; p < r.PageCount(); ++p) pages += r.PageText(p);
        EXPECT_GT(r.PageCount(), 1) << vertical;
        EXPECT_EQ(pages, all) << vertical;
    }
}

TEST(TPageRendererTest, HorizontalLinesAreNeverCutBetweenPages) {
    QTextDocument doc;
    QStringList paras;
    for (int i = 0; i < 200; ++i) paras << QString(100 + i % 50, QChar(0x6C38));
    PrintTest::Fill(doc, paras);
    TPageRenderer r(&doc, false);
    r.SetElementSize(kA4Element);
    ASSERT_GT(r.PageCount(), 2);
    // Every line is on exactly one page, whole: the pages' texts put together are the
    // document's, and no page holds more lines than fit into 264 mm.
    QString pages;
    for (int p = 0; p < r.PageCount(); ++p) pages += r.PageText(p);
    EXPECT_EQ(pages, doc.toPlainText().remove(QLatin1Char('\n')));
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setDocumentMargin(0);
    copy->setTextWidth(177 * TPageRenderer::kPixelsPerMm);
    copy->documentLayout()->documentSize();  // lays the copy out
    const qreal lineHeight = copy->begin().layout()->lineAt(0).height();
    const int perPage = int(264 * TPageRenderer::kPixelsPerMm / lineHeight);
    int lines = 0;
    for (QTextBlock b = copy->begin(); b.isValid(); b = b.next()) lines += b.layout()->lineCount();
    EXPECT_EQ(r.PageCount(), (lines + perPage - 1) / perPage);
}

TEST(TPageRendererTest, AVerticalPdfHasTheCountedPagesAndReadsInOrder) {
    if (!PrintTest::HaveTool("pdfinfo") || !PrintTest::HaveTool("pdftotext"))
        GTEST_SKIP() << "poppler-utils (scripts/install-deps --test)";
    QTemporaryDir dir;
    const QString head = QStringLiteral("「吾輩は猫である。」名前は、まだ無い。");
    QTextDocument doc;
    PrintTest::Fill(doc, {head + QString(3101 - head.size(), QChar(0x6C38)),
                          QStringLiteral("どこで生れたかとんと見当がつかぬ。")});
    TPdfExport::Options o;
    o.title = QStringLiteral("猫の原稿");
    QFile out(dir.filePath(QStringLiteral("v.pdf")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    // 3101 characters: two full pages and one column, the next paragraph in the column after.
    EXPECT_EQ(TPdfExport::Write(doc, o, &out), 3);
    out.close();
    EXPECT_EQ(PrintTest::PdfPages(out.fileName()), 3);
    const QString text = PrintTest::PdfText(out.fileName());
    EXPECT_TRUE(text.startsWith(head)) << text.left(40).toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("永どこで生れたかとんと見当がつかぬ。")))
        << text.right(40).toStdString();
    EXPECT_EQ(text.size(), 3101 + 17);
    const QString info = PrintTest::Run(QStringLiteral("pdfinfo"), {out.fileName()});
    EXPECT_TRUE(info.contains(QStringLiteral("猫の原稿"))) << info.toStdString();
    const QString fonts = PrintTest::Run(QStringLiteral("pdffonts"), {out.fileName()});
    EXPECT_TRUE(fonts.contains(QStringLiteral("IPAGothic"))) << fonts.toStdString();
    // Every font is embedded: the "emb" column says yes on each line after the header.
    const QStringList lines = fonts.trimmed().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    for (int i = 2; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].contains(QStringLiteral(" yes "))) << lines[i].toStdString();
}

TEST(TPageRendererTest, VerticalFormsReadBackAsTheirCharactersInEveryFont) {
    if (!PrintTest::HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils";
    // IPAGothic has vertical forms no character maps to; IPAPGothic also turns its kana into
    // proportional vertical forms; Noto Sans CJK maps its vertical punctuation from the
    // presentation forms (︒ ︽ ﹁), which must not be what the page reads as. (Noto also
    // shares the glyphs of some kanji such as 一 with the Kangxi radicals, which then read as
    // the radical ⼀: the PDF writer names a glyph by its lowest character.)
    const QString text = QStringLiteral("「吾輩は猫である。」名前は、まだ《無》い（猫）ー…");
    for (const char* family : {"IPAGothic", "IPAPGothic", "IPAMincho", "Noto Sans CJK JP"}) {
        QTemporaryDir dir;
        QTextCharFormat f = PrintTest::Gothic12();
        f.setFontFamilies({QString::fromLatin1(family)});
        QTextDocument doc;
        PrintTest::Fill(doc, {text}, f);
        QFile out(dir.filePath(QStringLiteral("p.pdf")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(TPdfExport::Write(doc, TPdfExport::Options(), &out), 1);
        out.close();
        EXPECT_EQ(PrintTest::PdfText(out.fileName()), text) << family;
    }
}

// Ink of a region of a page image: dark pixels and red ones.
struct Ink {
    int dark = 0;
    int red = 0;
};

Ink InkIn(const QImage& img, const QRect& r) {
    Ink ink;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++ink.red;
            if (c.red() < 110 && c.green() < 110 && c.blue() < 110) ++ink.dark;
        }
    return ink;
}

TEST(TPageRendererTest, APdfShowsBoldAndColourAsTheViewDoes) {
    if (!PrintTest::HaveTool("pdftoppm")) GTEST_SKIP() << "poppler-utils";
    QTemporaryDir dir;
    const QString line = QString(20, QChar(0x6C38));
    QTextDocument doc;
    PrintTest::Fill(doc, {line, line, line});
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextCursor c(doc.findBlockByNumber(0));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.mergeCharFormat(bold);
    c = QTextCursor(doc.findBlockByNumber(1));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.mergeCharFormat(red);
    QFile out(dir.filePath(QStringLiteral("f.pdf")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(TPdfExport::Write(doc, TPdfExport::Options(), &out), 1);
    out.close();
    // A bold face the font does not have is drawn twice over, but read once.
    if (PrintTest::HaveTool("pdftotext")) {
        EXPECT_EQ(PrintTest::PdfText(out.fileName()), line + line + line);
    }
    const int dpi = 100;
    const QImage page = PrintTest::PdfPage(out.fileName(), 1, dpi, dir);
    ASSERT_FALSE(page.isNull());
    // The element's right edge is 10 + 5 + 177 = 192 mm from the left, its top 15 mm down; each
    // column is 26 px of 96 per inch wide, 20 characters of 16 px long.
    const double px = dpi / 25.4;
    const double col = 26 * 25.4 / 96 * px;
    const int top = int(15 * px), bottom = int(15 * px + 20 * 16 * 25.4 / 96 * px);
    auto column = [&](int i) {
        const int right = int(192 * px - i * col);
        return QRect(QPoint(int(right - col), top), QPoint(right, bottom));
    };
    const Ink boldInk = InkIn(page, column(0));
    const Ink redInk = InkIn(page, column(1));
    const Ink plainInk = InkIn(page, column(2));
    EXPECT_GT(plainInk.dark, 500);
    EXPECT_EQ(plainInk.red, 0);
    EXPECT_GT(boldInk.dark, plainInk.dark * 11 / 10);  // bold strokes are broader
    EXPECT_GT(redInk.red, plainInk.dark / 2);          // the red column is red
    EXPECT_LT(redInk.dark, plainInk.dark / 10);
}

}  // namespace

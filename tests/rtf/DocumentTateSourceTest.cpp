// A vertical generation source built from a document: display lines and each character's
// attributes.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "core/Cp932.h"
#include "rtf/DocumentTateSource.h"

namespace {

TateFormat Base() {
    TateFormat f;
    f.name = Cp932::ToSjis("ＭＳ Ｐゴシック");
    f.size = 11;
    f.color = clBlack;
    return f;
}

TEST(DocumentTateSource, LinesWrapAndParagraphEnds) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("あいう"));
    c.insertBlock();
    c.insertText(QStringLiteral("え") + QChar(0x2028) + QStringLiteral("お"));
    c.insertBlock();
    const TateSource src = DocumentTateSource::FromDocument(doc, 2, Base());
    ASSERT_EQ(src.LineCount(), 5u);
    const char* texts[] = {"あい", "う", "え", "お", ""};
    const bool ends[] = {false, true, true, true, true};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(src.LineAt(i).text, Cp932::ToSjis(texts[i])) << i;
        EXPECT_EQ(src.LineAt(i).paragraphEnd, ends[i]) << i;
    }
    EXPECT_EQ(src.DocumentText(), Cp932::ToSjis("あいう\r\nえ\r\nお\r\n"));
}

TEST(DocumentTateSource, EachCharacterKeepsItsAttributes) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("普"));
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QStringLiteral("ＭＳ 明朝")});
    f.setFontPointSize(14);
    f.setForeground(QColor(255, 0, 0));
    f.setFontWeight(QFont::Bold);
    f.setFontUnderline(true);
    c.insertText(QStringLiteral("赤"), f);
    const TateSource src = DocumentTateSource::FromDocument(doc, 0, Base());
    ASSERT_EQ(src.LineCount(), 1u);
    const TateSource::Line& line = src.LineAt(0);
    const TateFormat& plain = src.Format(TateSource::FormatIndexAt(line, 0));
    EXPECT_EQ(plain, Base());
    const TateFormat& red = src.Format(TateSource::FormatIndexAt(line, 2));
    EXPECT_EQ(red.name, Cp932::ToSjis("ＭＳ 明朝"));
    EXPECT_EQ(red.size, 14);
    EXPECT_EQ(red.color, clRed);
    EXPECT_EQ(red.style, TateFormat::Bold | TateFormat::Underline);
}

TEST(DocumentTateSource, NotRtfIsAnError) {
    TateSource src;
    std::string error;
    EXPECT_FALSE(DocumentTateSource::FromRtf("plain", 0, Base(), src, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(DocumentTateSource::FromRtf("{\\rtf1 a\\par b}", 0, Base(), src, error));
    EXPECT_EQ(src.LineCount(), 2u);
}

}  // namespace

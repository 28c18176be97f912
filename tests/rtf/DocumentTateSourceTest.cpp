// A vertical generation source built from a document: display lines and each character's
// attributes.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "core/Cp932.h"
#include "rtf/DocumentTateSource.h"
#include "rtf/TextProperties.h"

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

// Characters outside code page 932, as RTF writers spell their surrogate pairs: each becomes
// one character of the line (the stand-in 〓) whose cell gets the numeric character reference,
// and the document text (the embedded source) gets the reference too.
struct SurrogateRow {
    const char* name;
    const char* rtf;
    const char* reference;
};

TEST(DocumentTateSource, SurrogatePairsBecomeReferences) {
    const SurrogateRow rows[] = {
        // \uc1 with a '3f stand-in after each half.
        {"hexStandIns", "{\\rtf1\\ansi\\ansicpg932\\uc1 a\\u55357\\'3f\\u56832\\'3fb}",
         "&#128512;"},
        // Negative numbers and a literal ? as the stand-in.
        {"negative", "{\\rtf1\\ansi\\ansicpg932\\uc1 a\\u-10179?\\u-8704?b}", "&#128512;"},
        // LibreOffice 7.4: no stand-in after the high half (\uc0), one after the low half.
        {"libreOffice", "{\\rtf1\\ansi\\ansicpg932 a\\uc0 \\u55357\\uc1 \\u56832\\'3fb}",
         "&#128512;"},
        // U+20BB7 (the kanji with the long lower stroke) = D842 DFB7.
        {"kanji", "{\\rtf1\\ansi\\ansicpg932\\uc1 a\\u55362\\'3f\\u57271\\'3fb}", "&#134071;"},
    };
    for (const SurrogateRow& row : rows) {
        SCOPED_TRACE(row.name);
        TateSource src;
        std::string error;
        ASSERT_TRUE(DocumentTateSource::FromRtf(row.rtf, 0, Base(), src, error)) << error;
        ASSERT_EQ(src.LineCount(), 1u);
        const TateSource::Line& line = src.LineAt(0);
        EXPECT_EQ(line.text, "a" + Cp932::ToSjis("〓") + "b");
        ASSERT_EQ(line.references.size(), 1u);
        EXPECT_EQ(line.references[0].first, 1u);
        EXPECT_EQ(line.references[0].second, row.reference);
        EXPECT_EQ(src.DocumentText(), std::string("a") + row.reference + "b");
    }
}

TEST(DocumentTateSource, LoneSurrogateIsOneReplacementCharacter) {
    TateSource src;
    std::string error;
    ASSERT_TRUE(
        DocumentTateSource::FromRtf("{\\rtf1\\ansi\\uc1 a\\u55357?b}", 0, Base(), src, error));
    ASSERT_EQ(src.LineCount(), 1u);
    ASSERT_EQ(src.LineAt(0).references.size(), 1u);
    EXPECT_EQ(src.LineAt(0).references[0].second, "&#65533;");
    EXPECT_EQ(src.DocumentText(), "a&#65533;b");
}

// Display lines as a view gives them: the document position of each line's first character.
struct DisplayLinesRow {
    const char* name;
    std::vector<int> starts;
    std::vector<const char*> texts;
    std::vector<bool> ends;
};

TEST(DocumentTateSource, DisplayLinesFollowTheLineStarts) {
    // "あいうえ" ¶ "" ¶ "おか" — positions 0..3, 4 is the paragraph end, 5 the empty paragraph,
    // 6 its end, 7..8 "おか".
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("あいうえ"));
    c.insertBlock();
    c.insertBlock();
    c.insertText(QStringLiteral("おか"));
    const DisplayLinesRow rows[] = {
        {"one line per paragraph", {0, 5, 6}, {"あいうえ", "", "おか"}, {true, true, true}},
        {"a paragraph wrapped after two characters",
         {0, 2, 5, 6},
         {"あい", "うえ", "", "おか"},
         {false, true, true, true}},
        {"every character its own line",
         {0, 1, 2, 3, 5, 6, 7},
         {"あ", "い", "う", "え", "", "お", "か"},
         {false, false, false, true, true, false, true}},
        // A start that is no character's (the paragraph end) starts no empty line.
        {"a start on a paragraph end", {0, 4, 5, 6}, {"あいうえ", "", "おか"}, {true, true, true}},
    };
    for (const DisplayLinesRow& row : rows) {
        const TateSource src = DocumentTateSource::FromDisplayLines(doc, row.starts, Base());
        ASSERT_EQ(src.LineCount(), row.texts.size()) << row.name;
        for (std::size_t i = 0; i < row.texts.size(); ++i) {
            EXPECT_EQ(src.LineAt(i).text, Cp932::ToSjis(row.texts[i])) << row.name << " " << i;
            EXPECT_EQ(src.LineAt(i).paragraphEnd, row.ends[i]) << row.name << " " << i;
        }
        EXPECT_EQ(src.DocumentText(), Cp932::ToSjis("あいうえ\r\n\r\nおか")) << row.name;
    }
}

TEST(DocumentTateSource, DisplayLineStartOnHiddenTextBreaksAtTheNextShownCharacter) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("あい"));
    QTextCharFormat hidden;
    hidden.setProperty(TextProperties::HiddenProperty, true);
    c.insertText(QStringLiteral("隠"), hidden);
    c.insertText(QStringLiteral("うえ"), QTextCharFormat());
    const TateSource src = DocumentTateSource::FromDisplayLines(doc, {0, 2}, Base());
    ASSERT_EQ(src.LineCount(), 2u);
    EXPECT_EQ(src.LineAt(0).text, Cp932::ToSjis("あい"));
    EXPECT_EQ(src.LineAt(1).text, Cp932::ToSjis("うえ"));
}

}  // namespace

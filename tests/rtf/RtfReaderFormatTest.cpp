// Character and paragraph formats read from RTF, worked out by hand from the control words.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <functional>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/TextProperties.h"

using namespace rtftest;

namespace {

const char* kHead =
    "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 Mincho;}{\\f1\\fnil"
    "\\fcharset0 Arial;}{\\f2\\fnil\\fcharset128 Gothic;}}{\\colortbl;\\red255\\green0\\blue0;"
    "\\red0\\green0\\blue255;}";

// The format of the character "X" in the body.
QTextCharFormat FormatOfX(const std::string& body) {
    QTextDocument doc;
    EXPECT_TRUE(RtfReader::ReadDocument(std::string(kHead) + body + "}", doc).ok);
    const int at = doc.toPlainText().indexOf(QChar('X'));
    EXPECT_GE(at, 0) << body;
    QTextCursor c(&doc);
    c.setPosition(at + 1);
    return c.charFormat();
}

struct CharCase {
    const char* name;
    const char* body;
    std::function<bool(const QTextCharFormat&)> check;
};

bool Bold(const QTextCharFormat& f) {
    return f.fontWeight() >= QFont::DemiBold;
}
QString Family(const QTextCharFormat& f) {
    return f.fontFamilies().toStringList().value(0);
}

const CharCase kChars[] = {
    {"Bold", "\\b X", Bold},
    {"BoldZeroEnds", "\\b a\\b0 X", [](auto& f) { return !Bold(f); }},
    {"BoldInGroupOnly", "{\\b a}X", [](auto& f) { return !Bold(f); }},
    {"Italic", "\\i X", [](auto& f) { return f.fontItalic(); }},
    {"ItalicZero", "\\i\\i0 X", [](auto& f) { return !f.fontItalic(); }},
    {"Underline", "\\ul X", [](auto& f) { return f.fontUnderline(); }},
    {"UnderlineDotted", "\\uld X", [](auto& f) { return f.fontUnderline(); }},
    {"UlNone", "\\ul\\ulnone X", [](auto& f) { return !f.fontUnderline(); }},
    {"UlZero", "\\ul\\ul0 X", [](auto& f) { return !f.fontUnderline(); }},
    {"Strike", "\\strike X", [](auto& f) { return f.fontStrikeOut(); }},
    {"StrikeZero", "\\strike\\strike0 X", [](auto& f) { return !f.fontStrikeOut(); }},
    {"PlainResetsAll", "\\b\\i\\ul\\strike\\cf1\\fs40\\up6\\f1\\plain X",
     [](auto& f) {
         return !Bold(f) && !f.fontItalic() && !f.fontUnderline() && !f.fontStrikeOut() &&
                f.foreground().style() == Qt::NoBrush && f.fontPointSize() == 12 &&
                !f.hasProperty(TextProperties::VerticalOffsetProperty) && Family(f) == "Mincho";
     }},
    {"SizeHalfPoints", "\\fs21 X", [](auto& f) { return f.fontPointSize() == 10.5; }},
    {"ColourOneAfterAutoEntry", "\\cf1 X",
     [](auto& f) { return f.foreground().color() == QColor(255, 0, 0); }},
    {"ColourTwo", "\\cf2 X", [](auto& f) { return f.foreground().color() == QColor(0, 0, 255); }},
    {"AutoColourIsNoColour", "\\cf1 a\\cf0 X",
     [](auto& f) { return f.foreground().style() == Qt::NoBrush; }},
    {"UnknownColourIsNoColour", "\\cf9 X",
     [](auto& f) { return f.foreground().style() == Qt::NoBrush; }},
    {"Up", "\\fs20\\up6 X",
     [](auto& f) {
         return f.intProperty(TextProperties::VerticalOffsetProperty) == 60 &&
                f.baselineOffset() == 30.0;
     }},
    {"Dn", "\\dn4 X",
     [](auto& f) { return f.intProperty(TextProperties::VerticalOffsetProperty) == -40; }},
    {"UpZero", "\\up6\\up0 X",
     [](auto& f) { return !f.hasProperty(TextProperties::VerticalOffsetProperty); }},
    {"Super", "\\super X",
     [](auto& f) { return f.verticalAlignment() == QTextCharFormat::AlignSuperScript; }},
    {"FontAndCharset", "\\f1 X",
     [](auto& f) {
         return Family(f) == "Arial" && f.intProperty(TextProperties::CharsetProperty) == 0;
     }},
    {"DefaultFontCharset128", "X",
     [](auto& f) {
         return Family(f) == "Mincho" && f.intProperty(TextProperties::CharsetProperty) == 128;
     }},
    // Two-byte characters take the \af given after \dbch; ASCII keeps \f.
    {"DbchFontForJapanese", "\\f1\\dbch\\af2 \\u12354?X",
     [](auto& f) { return Family(f) == "Arial"; }},
};

class ReaderChar : public ::testing::TestWithParam<CharCase> {};
TEST_P(ReaderChar, Format) {
    EXPECT_TRUE(GetParam().check(FormatOfX(GetParam().body))) << GetParam().body;
}
INSTANTIATE_TEST_SUITE_P(Formats, ReaderChar, ::testing::ValuesIn(kChars),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReaderChar, DbchFontAppliesToTheJapaneseCharacter) {
    QTextDocument doc;
    ASSERT_TRUE(
        RtfReader::ReadDocument(std::string(kHead) + "\\f1\\dbch\\af2 a\\u12354?}", doc).ok);
    QTextCursor c(&doc);
    c.setPosition(1);
    EXPECT_EQ(Family(c.charFormat()), "Arial");
    c.setPosition(2);
    EXPECT_EQ(Family(c.charFormat()), "Gothic");
}

struct ParaCase {
    const char* name;
    const char* body;
    int block;
    std::function<bool(const QTextBlock&)> check;
};

Qt::Alignment Align(const QTextBlock& b) {
    return b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

const ParaCase kParas[] = {
    {"Centre", "\\qc a\\par", 0, [](auto& b) { return Align(b) == Qt::AlignHCenter; }},
    {"Right", "\\qr a\\par", 0, [](auto& b) { return Align(b) == Qt::AlignRight; }},
    {"Justify", "\\qj a\\par", 0, [](auto& b) { return Align(b) == Qt::AlignJustify; }},
    {"PardResets", "\\qc a\\par\\pard b\\par", 1,
     [](auto& b) { return Align(b) == Qt::AlignLeft; }},
    {"FormatKeptWithoutPard", "\\qr a\\par b\\par", 1,
     [](auto& b) { return Align(b) == Qt::AlignRight; }},
    {"LastParagraphWithoutPar", "\\qc a", 0, [](auto& b) { return Align(b) == Qt::AlignHCenter; }},
    {"Indents", "\\fi-360\\li720\\ri200 a\\par", 0,
     [](auto& b) {
         const QTextBlockFormat f = b.blockFormat();
         return f.textIndent() == -18 && f.leftMargin() == 36 && f.rightMargin() == 10;
     }},
    {"WordPadBullet",
     "{\\pntext\\f0\\'81\\'45\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'81\\'45}}"
     "\\fi-200\\li200 a\\par {\\pntext\\f0\\'81\\'45\\tab}b\\par\\pard c\\par",
     1,
     [](auto& b) {
         return b.textList() && b.textList() == b.previous().textList() &&
                b.textList()->format().style() == QTextListFormat::ListDisc &&
                !b.next().textList() && b.text() == "b";
     }},
    {"WordListBullet",
     "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}"
     "}\\listid7}}{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}}"
     "{\\listtext\\'b7\\tab}\\ls1\\ilvl0 a\\par{\\listtext\\'b7\\tab}\\ls1 b\\par\\pard c\\par",
     0,
     [](auto& b) {
         return b.text() == "a" && b.textList() &&
                b.textList()->format().style() == QTextListFormat::ListDisc &&
                b.next().textList() == b.textList() && !b.next().next().textList();
     }},
    {"WordListNumbered",
     "{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}\\listid9}}"
     "{\\*\\listoverridetable{\\listoverride\\listid9\\ls2}}{\\listtext 1.\\tab}\\ls2 a\\par",
     0,
     [](auto& b) {
         return b.text() == "a" && b.textList() &&
                b.textList()->format().style() == QTextListFormat::ListDecimal;
     }},
};

class ReaderPara : public ::testing::TestWithParam<ParaCase> {};
TEST_P(ReaderPara, Format) {
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(std::string(kHead) + GetParam().body + "}", doc).ok);
    const QTextBlock b = doc.findBlockByNumber(GetParam().block);
    ASSERT_TRUE(b.isValid());
    EXPECT_TRUE(GetParam().check(b)) << GetParam().body;
}
INSTANTIATE_TEST_SUITE_P(Paragraphs, ReaderPara, ::testing::ValuesIn(kParas),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Numbered lists: their numbering kinds, labels and levels read from Word's list tables and
// written back. Labels are worked out by hand (the katakana orders are the syllabary table and
// the iroha poem) or are what LibreOffice shows for libreoffice-lists.fodt.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "RtfTestUtil.h"
#include "rtf/ListNumbering.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

using namespace rtftest;

namespace {

struct NumberCase {
    int nfc;
    int n;
    const char* text;
};

const NumberCase kNumbers[] = {
    {ListNumbering::Decimal, 12, "12"},         {ListNumbering::LowerLetter, 3, "c"},
    {ListNumbering::LowerLetter, 28, "bb"},     {ListNumbering::UpperLetter, 1, "A"},
    {ListNumbering::LowerRoman, 14, "xiv"},     {ListNumbering::UpperRoman, 1999, "MCMXCIX"},
    {ListNumbering::KatakanaAiueo, 3, "ウ"},    {ListNumbering::KatakanaAiueo, 46, "ン"},
    {ListNumbering::KatakanaAiueo, 47, "アア"}, {ListNumbering::KatakanaIroha, 3, "ハ"},
    {ListNumbering::KatakanaIroha, 47, "ス"},   {ListNumbering::HalfKatakanaAiueo, 2, "ｲ"},
    {ListNumbering::Circled, 3, "③"},           {ListNumbering::Circled, 21, "㉑"},
    {ListNumbering::Circled, 50, "㊿"},         {ListNumbering::DecimalZero, 7, "07"},
};

class ListNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ListNumbers, Text) {
    EXPECT_EQ(ListNumbering::Number(GetParam().nfc, GetParam().n).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, ListNumbers, ::testing::ValuesIn(kNumbers));

TEST(ListNumbering, LabelFromTemplate) {
    ListNumbering n{ListNumbering::LowerLetter, QStringLiteral("%1.%2)"), 1};
    EXPECT_EQ(n.Label({8, 2}, {ListNumbering::Decimal, ListNumbering::LowerLetter}),
              QStringLiteral("8.b)"));
    ListNumbering percent{ListNumbering::Decimal, QStringLiteral("%1%%"), 1};
    EXPECT_EQ(percent.Label({5}, {0}), QStringLiteral("5%"));
}

// The label LibreOffice shows before each list paragraph of libreoffice-lists.rtf, and the
// level: eight lists of three items, the second with two sub-items.
struct ListFileCase {
    const char* name;
    int nfc;
    QTextListFormat::Style style;
    const char* labels[5];  // the five items: 1, 2, (sub 1, sub 2), 3
};

const ListFileCase kListFile[] = {
    {"Decimal", 0, QTextListFormat::ListDecimal, {"1.", "2.", "1.", "2.", "3."}},
    {"LowerLetter", 4, QTextListFormat::ListLowerAlpha, {"a)", "b)", "a)", "b)", "c)"}},
    {"UpperLetter", 3, QTextListFormat::ListUpperAlpha, {"A.", "B.", "A.", "B.", "C."}},
    {"LowerRoman", 2, QTextListFormat::ListLowerRoman, {"i.", "ii.", "i.", "ii.", "iii."}},
    {"UpperRoman", 1, QTextListFormat::ListUpperRoman, {"I.", "II.", "I.", "II.", "III."}},
    {"KatakanaAiueo", 20, QTextListFormat::ListDecimal, {"ア.", "イ.", "ア.", "イ.", "ウ."}},
    {"KatakanaIroha", 21, QTextListFormat::ListDecimal, {"イ.", "ロ.", "イ.", "ロ.", "ハ."}},
    {"Circled", 18, QTextListFormat::ListDecimal, {"①", "②", "①", "②", "③"}},
};

class ListFile : public ::testing::TestWithParam<std::size_t> {};

// Labels from the document: each item's number in its QTextList (from start), in its kind.
std::string LabelOf(const QTextBlock& b) {
    const QTextList* list = b.textList();
    if (!list) return "(no list)";
    const ListNumbering n = ListNumbering::FromFormat(list->format());
    const int level = list->format().indent() - 1;
    std::vector<int> numbers(std::size_t(level + 1), 1);
    std::vector<int> kinds(std::size_t(level + 1), n.nfc);
    numbers[std::size_t(level)] = n.start + list->itemNumber(b);
    return n.Label(numbers, kinds).toStdString();
}

TEST_P(ListFile, KindsAndLevelsAreRead) {
    const ListFileCase& c = kListFile[GetParam()];
    QTextDocument doc;
    ASSERT_TRUE(
        RtfReader::ReadDocument(
            ReadFile(std::string(ORIMAKI_SOURCE) + "/tests/rtf/data/libreoffice-lists.rtf"), doc)
            .ok);
    // Each list is a heading paragraph and five items.
    const int first = int(GetParam()) * 6 + 1;
    const int levels[] = {1, 1, 2, 2, 1};
    for (int k = 0; k < 5; ++k) {
        const QTextBlock b = doc.findBlockByNumber(first + k);
        ASSERT_TRUE(b.textList()) << c.name << " item " << k;
        const QTextListFormat f = b.textList()->format();
        EXPECT_EQ(f.indent(), levels[k]) << c.name << " item " << k;
        EXPECT_EQ(f.style(), c.style) << c.name << " item " << k;
        EXPECT_EQ(f.intProperty(TextProperties::ListNumberFormatProperty), c.nfc) << c.name;
        EXPECT_EQ(LabelOf(b), c.labels[k]) << c.name << " item " << k;
    }
    // The third item continues the first two over the nested ones.
    EXPECT_EQ(doc.findBlockByNumber(first).textList(), doc.findBlockByNumber(first + 4).textList());
}

INSTANTIATE_TEST_SUITE_P(Rows, ListFile, ::testing::Range<std::size_t>(0, 8),
                         [](const auto& i) { return std::string(kListFile[i.param].name); });

// Qt's own list styles, as the editor makes them, are written with their kind and label.
struct QtStyleCase {
    QTextListFormat::Style style;
    const char* levelWords;  // in the written list table
};

const QtStyleCase kQtStyles[] = {
    {QTextListFormat::ListDecimal, "\\levelnfc0\\levelnfcn0"},
    {QTextListFormat::ListLowerAlpha, "\\levelnfc4\\levelnfcn4"},
    {QTextListFormat::ListUpperRoman, "\\levelnfc1\\levelnfcn1"},
    {QTextListFormat::ListDisc, "\\levelnfc23\\levelnfcn23"},
};

class QtListStyles : public ::testing::TestWithParam<QtStyleCase> {};

TEST_P(QtListStyles, WrittenAndReadBack) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("前"));
    c.insertBlock();
    QTextListFormat lf;
    lf.setStyle(GetParam().style);
    c.createList(lf);
    c.insertText(QStringLiteral("一"));
    c.insertBlock();
    c.insertText(QStringLiteral("二"));
    const std::string rtf = RtfWriter::Write(doc);
    EXPECT_NE(rtf.find(GetParam().levelWords), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\ls1\\ilvl0"), std::string::npos) << rtf;
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, back).ok);
    ASSERT_EQ(Text(back), "前\n一\n二");
    EXPECT_FALSE(back.findBlockByNumber(0).textList());
    const QTextList* l = back.findBlockByNumber(1).textList();
    ASSERT_TRUE(l);
    EXPECT_EQ(l->format().style(), GetParam().style);
    EXPECT_EQ(back.findBlockByNumber(2).textList(), l);
}

INSTANTIATE_TEST_SUITE_P(Rows, QtListStyles, ::testing::ValuesIn(kQtStyles));

TEST(ListStart, KeptOverARoundTrip) {
    // word-list-complex.rtf: "Seven Start" is the first item of a list that starts at 7.
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(ReadFile(TestData("rtf/word-list-complex.rtf")), doc).ok);
    QTextBlock seven;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(QStringLiteral("Seven Start"))) seven = b;
    ASSERT_TRUE(seven.isValid() && seven.textList());
    EXPECT_EQ(LabelOf(seven), "7.");
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc), back).ok);
    for (QTextBlock b = back.begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(QStringLiteral("Seven Start"))) {
            EXPECT_EQ(LabelOf(b), "7.");
        }
}

}  // namespace

// The export's five emptied lines hold the header of the program's own RTF and nothing of the
// document, whatever the first paragraph looks like.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"
#include "core/Cp932.h"
#include "rtf/RtfWriter.h"

namespace {

struct FirstParagraph {
    const char* name;
    Qt::Alignment align;
    bool bold;
    double points;
    bool bullet;
};

class YokoFromWriter : public ::testing::TestWithParam<FirstParagraph> {};

TEST_P(YokoFromWriter, EmptiedLinesAreTheHeadersOnly) {
    const FirstParagraph& p = GetParam();
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextBlockFormat bf;
    bf.setAlignment(p.align);
    c.setBlockFormat(bf);
    QTextCharFormat cf;
    cf.setFontFamilies(QStringList{QStringLiteral("ＭＳ 明朝")});
    cf.setFontPointSize(p.points);
    if (p.bold) cf.setFontWeight(QFont::Bold);
    if (p.bullet) c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("最初の段落"), cf);
    c.insertBlock(QTextBlockFormat());
    c.insertText(QStringLiteral("二番目"), QTextCharFormat());

    const std::string rtf = RtfWriter::Write(doc);
    const RtfToHtmlResult converted = RtfToHtmlDetailed(rtf);
    const auto raw = YokoHtmlPage::SplitLines(converted.html);
    ASSERT_GE(raw.size(), 6u);
    // What the five lines held before they were emptied: only the header's output.
    const std::string headerOutput = converted.html.substr(0, converted.headerBytes);
    EXPECT_EQ(headerOutput, "\r\n<BR><DIV ALIGN=LEFT>\r\n\r\n\r\n\r\n");
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(raw[i].empty() || raw[i] == "<BR><DIV ALIGN=LEFT>") << i << ": " << raw[i];

    const auto page = YokoHtmlPage::Lines(rtf, "/tmp/文書.rtf", 0x00FFFFFF);
    ASSERT_EQ(page[7], "<BLOCKQUOTE>");
    for (int i = 8; i < 13; ++i) EXPECT_EQ(page[i], "") << i;
    std::string all;
    for (const std::string& l : page) all += l + "\n";
    EXPECT_NE(all.find(Cp932::ToSjis("最初の段落")), std::string::npos);
    EXPECT_NE(all.find(Cp932::ToSjis("二番目")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, YokoFromWriter,
    ::testing::Values(FirstParagraph{"Plain", Qt::AlignLeft, false, 10.5, false},
                      FirstParagraph{"CentredBold", Qt::AlignHCenter, true, 24, false},
                      FirstParagraph{"Right", Qt::AlignRight, false, 12, false},
                      FirstParagraph{"Bullet", Qt::AlignLeft, false, 11, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The horizontal export's page around the converted text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"
#include "core/Cp932.h"

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};
class YokoSplit : public ::testing::TestWithParam<SplitCase> {};
TEST_P(YokoSplit, AtCrLf) {
    EXPECT_EQ(YokoHtmlPage::SplitLines(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Lines, YokoSplit,
                         ::testing::Values(SplitCase{"Two", "a\r\nb", {"a", "b"}},
                                           SplitCase{"FinalCrLfAddsNoLine", "a\r\n", {"a"}},
                                           SplitCase{"Empty", "", {}},
                                           SplitCase{"LoneLfStaysInTheLine", "a\nb", {"a\nb"}},
                                           SplitCase{"EmptyLines", "\r\n\r\nx", {"", "", "x"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(YokoHtmlPage, EmptiesOnlyTheHeadersLines) {
    const std::string head = "\r\n<BR><DIV ALIGN=LEFT>\r\nhead\r\n";
    const std::string html = head + "doc1\r\ndoc2";
    Lines lines = YokoHtmlPage::SplitLines(html);
    YokoHtmlPage::EmptyHeaderLines(lines, html, head.size());
    EXPECT_EQ(lines, (Lines{"", "", "", "doc1", "doc2"}));

    // Without a header end, only lines that are empty already are emptied.
    Lines plain = {"", "doc", "", "more", "x", "y"};
    YokoHtmlPage::EmptyHeaderLines(plain, "\r\ndoc\r\n\r\nmore\r\nx\r\ny", std::string::npos);
    EXPECT_EQ(plain, (Lines{"", "doc", "", "more", "x", "y"}));

    // A long header: at most five lines are emptied.
    const std::string longHead = "\r\n\r\n\r\n\r\n\r\n\r\nh\r\n";
    Lines many = YokoHtmlPage::SplitLines(longHead + "d");
    YokoHtmlPage::EmptyHeaderLines(many, longHead + "d", longHead.size());
    EXPECT_EQ(many, (Lines{"", "", "", "", "", "", "h", "d"}));
}

TEST(YokoHtmlPage, WholePage) {
    // Four line ends in the header, as the program's RTF writer puts them.
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}\r\n{\\colortbl\\red0\\green0\\blue0;}"
        "\r\n\r\n\r\n\\deflang1041 a<b\\par }";
    const std::string page = YokoHtmlPage::Build(rtf, "/home/u/文書.rtf", 0x00C0C0C0);
    const std::string expected =
        "<HTML><HEAD>\r\n"
        "<META HTTP-EQUIV=\"Content-type\" CONTENT=text/html>\r\n" +
        Cp932::ToSjis(
            "<META name=\"Generator\" content=\"オリマキ９９\">\r\n"
            "<!-- このページは『オリマキ９９』で作成されています -->\r\n"
            "<TITLE>文書.rtf</TITLE>\r\n") +
        "</HEAD>\r\n"
        "<BODY BGCOLOR=\"#C0C0C0\"> \r\n"
        "<BLOCKQUOTE>\r\n"
        "\r\n\r\n\r\n\r\n\r\n"  // the five emptied lines
        "\r\n"                  // the line between the header's output and the paragraph
        "<BR><DIV ALIGN=LEFT>a&ltb\r\n"
        "\r\n\r\n"  // "\r\n" as a line: two empty lines
        "</DIV>\r\n"
        "</BLOCKQUOTE>\r\n"
        "</BODY></HTML>\r\n";
    EXPECT_EQ(page, expected);
}

TEST(YokoHtmlPage, UndeclaredColourStopsTheExport) {
    EXPECT_THROW(YokoHtmlPage::Build("{\\rtf1{\\fonttbl{\\f0\\fnil F;}}\\deflang1041\\cf3 x}",
                                     "/a/b.rtf", 0),
                 RtfToHtmlError);
}

struct PathCase {
    const char* in;
    const char* out;
};
class YokoOutputPath : public ::testing::TestWithParam<PathCase> {};
TEST_P(YokoOutputPath, ReplacesTheExtension) {
    EXPECT_EQ(YokoHtmlPage::OutputPath(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Paths, YokoOutputPath,
                         ::testing::Values(PathCase{"/a/b/文書.rtf", "/a/b/文書.html"},
                                           PathCase{"/a/b/noext", "/a/b/noext.html"},
                                           PathCase{"/a.b/c", "/a.b/c.html"},
                                           PathCase{"/a/x.tar.wri", "/a/x.tar.html"}));

TEST(YokoHtmlPage, TitleKeepsCharactersOutsideCodePage932) {
    EXPECT_EQ(YokoHtmlPage::ToSjisHtml("猫😀.rtf"), Cp932::ToSjis("猫") + "&#128512;.rtf");
}

// A file name in Shift-JIS bytes is not UTF-8: the byte that is not UTF-8 becomes a reference
// and the bytes after it are kept (猫 is 94 4C, and 4C is "L").
TEST(YokoHtmlPage, TitleKeepsTheBytesAfterOneThatIsNotUtf8) {
    EXPECT_EQ(YokoHtmlPage::ToSjisHtml("\x94\x4C.rtf"), "&#148;L.rtf");
}

}  // namespace

// orimaki-cli tate-html and tate-text, run as a separate process on small Shift-JIS files.
// Expected pages are worked out by hand; Japanese is written in UTF-8 and encoded with iconv.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliTateTestSupport.h"

namespace {

struct PageRow {
    const char* name;
    const char* words;
    std::string input;
    std::string expected;
};

std::vector<PageRow> Pages() {
    const std::vector<std::string> head = {
        "<HTML><HEAD>",
        "<META HTTP-EQUIV=\"Content-type\" CONTENT=text/html>",
        "<META name=\"Generator\" content=\"オリマキ９９\">",
        "<!-- このページは『オリマキ９９』で作成されています -->",
    };
    auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    return {
        // Method 1, N = 2, spacing 1: the worked example of the row writer.
        {"method1Example",
         "tate-html --method 1 --lines 2 --spacing 1 --clipboard --no-embed-source INPUT",
         J("あい\r\nう"),
         Lines({"<DIV ALIGN=\"right\"><TT>\r\n<PRE STYLE=\"line-height:20pt;\">"
                "<FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">",
                "　 う あ ", "　 　 い ", "--１-----", "\r\n\r\n", "　 　 　 ", "--２-----",
                "\r\n\r\n", "</FONT></PRE>", "</TT></DIV>"})},
        // Method 3, N = 2, spacing 1, standard font group item 2: the table worked example.
        {"method3Example",
         "tate-html --method 3 --lines 2 --dfont1 2 --clipboard --no-embed-source INPUT",
         J("あ\r\nい"),
         Lines({"<DIV ALIGN=\"right\">",
                "<TABLE>",
                "<TR VALIGN=\"top\">",
                "<TD NOWRAP>い<BR>　</TD>",
                "<TD></TD>",
                "<TD NOWRAP>あ<BR>　</TD>",
                "<TD></TD>",
                "</TR></TABLE>",
                "--１-----",
                "<BR><BR><BR>",
                "<TABLE>",
                "<TR VALIGN=\"top\">",
                "<TD NOWRAP>　</TD>",
                "<TD></TD>",
                "<TD NOWRAP>　</TD>",
                "<TD></TD>",
                "</TR></TABLE>",
                "--２-----",
                "<BR><BR><BR>",
                "</DIV>"})},
        // The file form: head with the file's name as title, comment, wrapper, embedded text.
        {"method0File", "tate-html --method 0 --lines 1 --spacing 0 --separator none INPUT",
         J("あ"),
         Lines(with(head, {"<TITLE>in.txt</TITLE>", "</HEAD>", "<BODY BGCOLOR=\"#FFFFFF\"> ",
                           "<!-- 方式その零：行数1文字間20行間0、テキスト埋め込み、有効タグ-、"
                           "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、センタリングright -->",
                           "<BR>",
                           "<DIV ALIGN=\"right\"><TT>\r\n<PRE STYLE=\"line-height:20pt;\">"
                           "<FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">",
                           "　あ", "\r\n\r\n", "　　", "\r\n\r\n", "</FONT></PRE>", "</TT></DIV>",
                           "</BODY></HTML>", "<!-- 以下は変換元のテキストです\r\nあ\r\n -->"}))},
        // Options that show in the page head and the comment; the font switches with the
        // input's default font "ＭＳ Ｐゴシック" 11 points against the empty cells.
        {"method3Options",
         "tate-html --method 3 --lines 1 --spacing 0 --separator hr --align left --quote 1 "
         "--punct 2 --standard-font mincho --standard-size 34 --no-line-height --font-name "
         "--font-size --mac-fonts --no-embed-source --title Title --background b.png "
         "--bgcolor 0080ff INPUT",
         J("」、"),
         Lines(with(head, {"<TITLE>Title</TITLE>",
                           "</HEAD>",
                           "<BODY BGCOLOR=\"#0080FF\" BACKGROUND=\"b.png\"> ",
                           "<!-- 方式その参：行数1行間0、Html横罫線、マックフォント考慮、"
                           "有効タグ-名前サイズ、標準書体ＭＳ 明朝,等幅明朝サイズ7、括弧閉文字Ｌ、"
                           "句読点『、』、センタリングleft -->",
                           "<BR>",
                           "<DIV ALIGN=\"left\">",
                           "<TABLE>",
                           "<TR VALIGN=\"top\">",
                           "<TD NOWRAP><FONT  FACE=\"ＭＳ 明朝,等幅明朝\" SIZE=\"7\">\r\n"
                           "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=\"2\">Ｌ、<BR>　　</FONT>\r\n"
                           "</FONT></TD>",
                           "</TR></TABLE>",
                           "<HR>",
                           "<BR><BR><BR>",
                           "<TABLE>",
                           "<TR VALIGN=\"top\">",
                           "<TD NOWRAP><FONT  FACE=\"ＭＳ 明朝,等幅明朝\" SIZE=\"7\">\r\n"
                           "<FONT FACE=\"ＭＳ 明朝,等幅明朝\" SIZE=\"7\">　　</FONT>\r\n"
                           "</FONT></TD>",
                           "</TR></TABLE>",
                           "<HR>",
                           "<BR><BR><BR>",
                           "</DIV>",
                           "</BODY></HTML>"}))},
        // Vertical text with the dialog's defaults: N = 50, spacing 1, separator on.
        {"textDefaults", "tate-text INPUT", J("あ"),
         Lines({std::string("　 ") +
                    [] {
                        std::string s;
                        for (int i = 0; i < 49; ++i) s += "　 ";
                        return s;
                    }() +
                    "あ ",
                "-------------------１---------------------", "\r\n\r\n"})},
        {"textFullWidthNoSeparator",
         "tate-text --lines 2 --spacing 1 --full-width --no-separator INPUT", J("「あ\r\nい）"),
         Lines({"　い　　┐", "　∨　あ　", "\r\n\r\n", "　　　　　", "\r\n\r\n"})},
        // --wrap 2 cuts the paragraph into display lines of two characters.
        {"textWrap", "tate-text --lines 3 --spacing 0 --no-separator --wrap 2 INPUT",
         J("あいうえお"), Lines({"　おうあ", "　　えい", "\r\n\r\n", "　　　　", "\r\n\r\n"})},
    };
}

TEST(CliTate, PagesByteForByte) {
    for (const PageRow& p : Pages()) {
        SCOPED_TRACE(p.name);
        TateRun r = Tate(p.words, p.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Cp932::ToUtf8(r.out), Cp932::ToUtf8(p.expected));
        EXPECT_EQ(r.out, p.expected);
    }
}

TEST(CliTate, OutputFileAndStandardOutput) {
    TateRun r = Tate("tate-text --lines 1 --spacing 0 --no-separator INPUT -o OUTPUT", J("あ"));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.empty());
    ASSERT_TRUE(r.fileExists);
    EXPECT_EQ(r.file, Lines({"　あ", "\r\n\r\n", "　　", "\r\n\r\n"}));
}

TEST(CliTate, LineOfFiftyOneCharactersWritesNothing) {
    std::string fifty, fiftyOne;
    for (int i = 0; i < 50; ++i) fifty += "あ";
    fiftyOne = fifty + "い";
    for (const char* words :
         {"tate-html --method 3 INPUT -o OUTPUT", "tate-text INPUT -o OUTPUT"}) {
        SCOPED_TRACE(words);
        TateRun ok = Tate(words, J("x\r\n" + fifty));
        EXPECT_EQ(ok.status, 0);
        EXPECT_TRUE(ok.fileExists);
        TateRun bad = Tate(words, J("x\r\n" + fiftyOne));
        EXPECT_EQ(bad.status, 1);
        EXPECT_FALSE(bad.fileExists);
        EXPECT_TRUE(bad.out.empty());
        EXPECT_NE(bad.err.find("一行の文字数が多すぎます。縦書き表示に適しません。\n"
                               "縦書きHTMLの生成を終了します。"),
                  std::string::npos)
            << bad.err;
    }
}

TEST(CliTate, WarningGoesToStandardErrorAndTheOutputStays) {
    // Spacing 1: 」 after 、 (no space behind it) may garble; the row keeps the cut byte.
    TateRun r = Tate("tate-text --lines 2 --no-separator INPUT", J("」\r\n、"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("文字化けする可能性があります（1行、最初は1段落目）\nご注意ください"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out.substr(0, 9), J("　 ") + " " + "\x81" + J("└") + "  ");
}

TEST(CliTate, BadOptionsAreRefused) {
    const char* bad[] = {
        "tate-html INPUT",                         // no method
        "tate-html --method 5 INPUT",              // no such method
        "tate-html --method 3 --lines 400 INPUT",  // out of range
        "tate-html --method 3 --spacing 16 INPUT",
        "tate-html --method 3 --line-height 4 INPUT",
        "tate-html --method 3 --standard-size 11 INPUT",  // not in the list
        "tate-html --method 3 --separator dots INPUT",
        "tate-html --method 3 --bgcolor red INPUT",
        "tate-html --method 3 --what INPUT",
        "tate-html --method 3",  // no input
        "tate-text --lines 0 INPUT",
        "tate-text --punct 1 INPUT",  // an HTML option
    };
    for (const char* words : bad) {
        TateRun r = Tate(words, J("あ"));
        EXPECT_EQ(r.status, 2) << words;
        EXPECT_TRUE(r.out.empty()) << words;
    }
    TateRun missing = Tate("tate-text /nonexistent/file.txt", "");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("入力ファイルを開けません"), std::string::npos);
}

TEST(CliTate, TitleCharactersOutsideTheCodePageBecomeReferences) {
    TateRun r = Tate("tate-html --method 3 --title 吉𠮷 INPUT", J("あ"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(J("<TITLE>吉&#134071;</TITLE>")), std::string::npos);
}

}  // namespace

namespace {

TEST(CliTate, InputThatIsNotShiftJisIsReported) {
    // "あ" in UTF-8 (E3 81 82): 0xE3 0x81 is a Shift-JIS pair, 0x82 a lead byte cut off;
    // 0x82 0x20 is a lead byte with no trail byte; 0xFF is no character.
    for (const char* bad : {"\xE3\x81\x82", "\x82\x20", "a\xFF"}) {
        TateRun r = Tate("tate-text --lines 1 INPUT", bad);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.err.find("Shift-JIS として読めないバイト"), std::string::npos) << r.err;
        EXPECT_FALSE(r.out.empty());
    }
    TateRun fine = Tate("tate-text --lines 1 INPUT", J("あ"));
    EXPECT_TRUE(fine.err.empty()) << fine.err;
}

}  // namespace

namespace {

// The paragraphs "あ😀い" and "𠮷野": as LibreOffice 7.4 writes them (made from the .fodt beside
// it: \uc0 \u55357\uc1 \u56832\'3f), and by hand with the other two spellings of a surrogate
// pair (\'3f stand-ins; negative numbers with ? stand-ins).
std::vector<std::pair<std::string, std::string>> OutsideCodePageRtfs() {
    return {
        {"libreOffice", Slurp(ORIMAKI_SOURCE "/tests/cli/data/outside-cp932.rtf")},
        {"byHand",
         "{\\rtf1\\ansi\\ansicpg932\\uc1{\\fonttbl{\\f0\\fnil\\fcharset128 Gothic;}}\\f0 "
         "\\'82\\'a0\\u55357\\'3f\\u56832\\'3f\\'82\\'a2\\par \\u-10174?\\u-8265?\\'96\\'ec}"},
    };
}

TEST(CliTate, RtfCharactersOutsideTheCodePageAreReferencesInEveryMethod) {
    // --lines 2 --spacing 0: line 0 あ😀い is the rightmost column, line 1 𠮷野 the leftmost.
    struct MethodRow {
        int method;
        std::vector<std::string> pieces;  // UTF-8
    };
    const MethodRow methods[] = {
        // Rows: the margin, then column 1, then column 0.
        {0, {"\r\n　&#134071;あ\r\n　野&#128512;\r\n　　い\r\n"}},
        {1, {"\r\n　&#134071;あ\r\n　野&#128512;\r\n　　い\r\n"}},
        // Floating tables: column 0 first, each column's end "　<BR>".
        {2, {"\r\nあ<BR>&#128512;<BR>い<BR>　<BR>\r\n", "\r\n&#134071;<BR>野<BR>　<BR>\r\n"}},
        // One table row, the leftmost column first, inside the standard-font FONT tag.
        {3, {"\r\n&#134071;<BR>野<BR>　\r\n", "\r\nあ<BR>&#128512;<BR>い<BR>　\r\n"}},
        {4, {"\r\n&#134071;<BR>野<BR>　　\r\n", "\r\nあ<BR>&#128512;<BR>い<BR>　　\r\n"}},
    };
    for (const auto& [name, rtf] : OutsideCodePageRtfs())
        for (const MethodRow& m : methods) {
            SCOPED_TRACE(name + " method " + std::to_string(m.method));
            TateRun r = Tate(
                "tate-html --method " + std::to_string(m.method) + " --lines 2 --spacing 0 INPUT",
                rtf, "in.rtf");
            EXPECT_EQ(r.status, 0) << r.err;
            for (const std::string& piece : m.pieces)
                EXPECT_NE(r.out.find(J(piece)), std::string::npos) << piece;
            EXPECT_NE(r.out.find(J("<!-- 以下は変換元のテキストです\r\n"
                                   "あ&#128512;い\r\n&#134071;野\r\n -->\r\n")),
                      std::string::npos);
            EXPECT_EQ(r.out.find(J("？")), std::string::npos);
            EXPECT_EQ(r.out.find('?'), std::string::npos);
        }
}

TEST(CliTate, RtfCharactersOutsideTheCodePageInVerticalText) {
    for (const auto& [name, rtf] : OutsideCodePageRtfs()) {
        SCOPED_TRACE(name);
        TateRun r = Tate("tate-text --lines 2 --spacing 0 INPUT", rtf, "in.rtf");
        EXPECT_EQ(r.status, 0) << r.err;
        // Shift-JIS bytes: "?" in the cells; rows of block 1, its separator, the empty block 2.
        EXPECT_EQ(r.out, Lines({"　?あ", "　野?", "　　い", "-１----", "\r\n\r\n", "　　　",
                                "-２----", "\r\n\r\n"}));
        // The characters in the order the rows show them.
        EXPECT_NE(r.err.find("Shift-JIS で書き出せない文字があります: 𠮷😀\n"), std::string::npos)
            << r.err;
    }
}

}  // namespace

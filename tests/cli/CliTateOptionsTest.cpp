// orimaki-cli tate-html options run as a separate process on small Shift-JIS files (through
// the harness in CliTateTestSupport.h). Japanese is written in UTF-8 and encoded with iconv.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliTateTestSupport.h"

namespace {

// The tate-html options that the pages of CliTateTest.cpp leave out: --links (row and table
// forms), --line-height N, --font-style, --font-color, --dfont2 and --wrap. Expected pages are
// worked out by hand from the writers' rules.
struct OptionRow {
    const char* name;
    const char* words;
    std::string input;
    std::string expected;
};

std::vector<OptionRow> OptionRows() {
    return {
        // Method 4, --dfont2 1 (use face, not proportional: box forms on); --wrap 1 cuts "（ぁ"
        // into two display lines, so N = 2 gives one full block and one empty block (L = 2,
        // the last block index 1). The small kana gets its spacer; the colour switch writes the
        // column tags, the style switch adds nothing for unstyled text.
        {"method4LinksFaceColourWrap",
         "tate-html --method 4 --lines 2 --spacing 0 --dfont2 1 --links --line-height 12 "
         "--font-style --font-color --wrap 1 --clipboard --no-embed-source INPUT",
         J("（ぁ"),
         Lines({"<DIV ALIGN=\"right\">",
                "<TABLE>",
                "<TR><TD align=left colSpan=\"1\"><A NAME=\"1End\">▽</A></TD>"
                "<TD align=right colSpan=\"2\"><A NAME=\"1Start\">▽</A></TD></TR>",
                "<TR><TD align=left colSpan=\"1\">×・<A HREF=\"#2End\">↓</A>・"
                "<A HREF=\"#2Start\">＼</A>・<A HREF=\"#1Start\">→</A></TD>"
                "<TD align=right colSpan=\"2\"><A HREF=\"#1End\">←</A>・×・×・"
                "<A HREF=\"#2Start\">↓</A></TD></TR>",
                "<TR VALIGN=\"top\" ALIGN=\"center\">",
                "<TD NOWRAP><FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:12pt;\">"
                "\r\n<FONT COLOR=\"#000000\"><font size=1>　</font>ぁ<BR>　　</FONT>\r\n"
                "</FONT></TD>",
                "<TD NOWRAP><FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:12pt;\">"
                "\r\n<FONT COLOR=\"#000000\">┌┐<BR>　　</FONT>\r\n</FONT></TD>",
                "</TR></TABLE>",
                "-１----",
                "<BR><BR><BR>",
                "<TABLE>",
                "<TR><TD align=left colSpan=\"1\"><A NAME=\"2End\">▽</A></TD>"
                "<TD align=right colSpan=\"2\"><A NAME=\"2Start\">▽</A></TD></TR>",
                "<TR><TD align=left colSpan=\"1\"><A HREF=\"#1End\">↑</A>・×・×・"
                "<A HREF=\"#2Start\">→</A></TD><TD align=right colSpan=\"2\">"
                "<A HREF=\"#2End\">←</A>・<A HREF=\"#1End\">＼</A>・<A HREF=\"#1Start\">↑</A>・×"
                "</TD></TR>",
                "<TR VALIGN=\"top\" ALIGN=\"center\">",
                "<TD NOWRAP><FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:12pt;\">"
                "\r\n<FONT COLOR=\"#000000\">　　</FONT>\r\n</FONT></TD>",
                "<TD NOWRAP><FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:12pt;\">"
                "\r\n<FONT COLOR=\"#000000\">　　</FONT>\r\n</FONT></TD>",
                "</TR></TABLE>",
                "-２----",
                "<BR><BR><BR>",
                "</DIV>"})},
        // Method 0 row form of the navigation rows, N = 1, spacing 0: the run of spaces between
        // the link groups is one full-width space (2 bytes), shorter than the 24 bytes the link
        // row removes, so only the spaces go and both groups stay whole.
        {"method0LinksLineHeight",
         "tate-html --method 0 --lines 1 --spacing 0 --links --line-height 12 --separator none "
         "--clipboard --no-embed-source INPUT",
         J("あ"),
         Lines({"<DIV ALIGN=\"right\"><TT>\r\n<PRE STYLE=\"line-height:12pt;\">"
                "<FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">",
                "<A NAME=\"1End\">▽</A>　<A NAME=\"1Start\">▽</A>",
                "×・<A HREF=\"#2End\">↓</A>・<A HREF=\"#2Start\">＼</A>・<A HREF=\"#1Start\">→</A>"
                "<A HREF=\"#1End\">←</A>・×・×・<A HREF=\"#2Start\">↓</A>",
                "　あ", "\r\n\r\n", "<A NAME=\"2End\">▽</A>　<A NAME=\"2Start\">▽</A>",
                "<A HREF=\"#1End\">↑</A>・×・×・<A HREF=\"#2Start\">→</A>"
                "<A HREF=\"#2End\">←</A>・<A HREF=\"#1End\">＼</A>・<A HREF=\"#1Start\">↑</A>・×",
                "　　", "\r\n\r\n", "</FONT></PRE>", "</TT></DIV>"})},
    };
}

TEST(CliTateOptions, PagesByteForByte) {
    for (const OptionRow& p : OptionRows()) {
        SCOPED_TRACE(p.name);
        TateRun r = Tate(p.words, p.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Cp932::ToUtf8(r.out), Cp932::ToUtf8(p.expected));
        EXPECT_EQ(r.out, p.expected);
    }
}

// An RTF input starts the hidden Qt application; in a session without XDG_RUNTIME_DIR (a
// console login, a container) its start-up note must not reach standard error, which carries
// only the tool's own warnings.
TEST(CliTateOptions, RtfInputWritesNothingToStandardErrorWithoutRuntimeDir) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string keep = saved ? saved : "";
    unsetenv("XDG_RUNTIME_DIR");
    TateRun r = Tate("tate-text --lines 1 --spacing 0 --no-separator INPUT",
                     "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 A;}}\\f0 \\'82\\'a0}",
                     "in.rtf");
    if (saved) setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, Lines({"　あ", "\r\n\r\n", "　　", "\r\n\r\n"}));
}

}  // namespace

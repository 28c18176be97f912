// Methods 2, 3 and 4 through whole runs, and the text passes of the table methods.
#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TatePunctuation.h"
#include "vertical/TateSettingsReader.h"

namespace {

TateSettings Html(int method, TateHtmlDialogValues v) {
    TateWarnings w;
    TateSettings s = TateSettingsReader::FromHtmlDialog(v, method, w);
    EXPECT_TRUE(w.Empty());
    return s;
}

std::string RunMethod(int method, const TateHtmlDialogValues& v,
                      const std::vector<std::string>& lines) {
    TateEngine::Result r =
        TateEngine::Run(SourceOf(lines), Html(method, v), static_cast<TateMethod>(method));
    EXPECT_EQ(r.status, TateEngine::Status::Completed);
    return r.output;
}

TateHtmlDialogValues Clip(int lineCount, int space) {
    TateHtmlDialogValues v;
    v.lineCount = lineCount;
    v.space = space;
    v.clip = true;
    v.textIn = false;
    return v;
}

TEST(ColumnWriter, Method3WorkedExample) {
    TateHtmlDialogValues v = Clip(2, 1);
    v.dFont1 = 2;  // neither FONT nor TT
    EXPECT_SJIS(RunMethod(3, v, {"あ", "い"}), Lines({"<DIV ALIGN=\"right\">",
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
                                                      "</DIV>"}));
}

TEST(ColumnWriter, Method3FaceTagLinksAndHr) {
    TateHtmlDialogValues v = Clip(1, 0);
    v.link = true;
    v.htmlLine = 1;
    v.align = 1;
    v.gosic = false;
    v.fsCombo = 3;
    EXPECT_SJIS(
        RunMethod(3, v, {"「あ"}),
        Lines({"<DIV ALIGN=\"center\">", "<TABLE>",
               "<TR><TD align=left colSpan=\"0\"><A NAME=\"1End\">▽</A></TD>"
               "<TD align=right colSpan=\"1\"><A NAME=\"1Start\">▽</A></TD></TR>",
               "<TR><TD align=left colSpan=\"0\">×・<A HREF=\"#2End\">↓</A>・"
               "<A HREF=\"#2Start\">＼</A>・<A HREF=\"#1Start\">→</A></TD>"
               "<TD align=right colSpan=\"1\"><A HREF=\"#1End\">←</A>・×・×・"
               "<A HREF=\"#2Start\">↓</A></TD></TR>",
               "<TR VALIGN=\"top\">",
               "<TD NOWRAP><FONT  FACE=\"ＭＳ 明朝\" SIZE=\"4\" STYLE=\"line-height:20pt;\">\r\n"
               "￢<BR>あ<BR>　\r\n</FONT></TD>",
               "</TR></TABLE>", "<HR>", "<BR><BR><BR>", "<TABLE>",
               "<TR><TD align=left colSpan=\"0\"><A NAME=\"2End\">▽</A></TD>"
               "<TD align=right colSpan=\"1\"><A NAME=\"2Start\">▽</A></TD></TR>",
               "<TR><TD align=left colSpan=\"0\"><A HREF=\"#1End\">↑</A>・×・×・"
               "<A HREF=\"#2Start\">→</A></TD><TD align=right colSpan=\"1\">"
               "<A HREF=\"#2End\">←</A>・<A HREF=\"#1End\">＼</A>・<A HREF=\"#1Start\">↑</A>・×"
               "</TD></TR>",
               "<TR VALIGN=\"top\">",
               "<TD NOWRAP><FONT  FACE=\"ＭＳ 明朝\" SIZE=\"4\" STYLE=\"line-height:20pt;\">\r\n"
               "　\r\n</FONT></TD>",
               "</TR></TABLE>", "<HR>", "<BR><BR><BR>", "</DIV>"}));
}

TEST(ColumnWriter, Method3MonospaceAndColumnTags) {
    TateHtmlDialogValues v = Clip(1, 0);
    v.dFont1 = 1;
    v.style = true;
    v.size = true;
    v.htmlLine = 2;
    TateSource src;
    src.AppendChars(J("あ"), Fmt("x", 12, clBlack, TateFormat::Bold));
    src.AppendChars(J("い"), Fmt("x", 12, clBlack, TateFormat::Italic));
    src.EndLine();
    TateEngine::Result r = TateEngine::Run(src, Html(3, v), TateMethod::Html3);
    // Column tags: the first cell's font and style open, the last cell's style closes.
    EXPECT_SJIS(r.output,
                Lines({"<DIV ALIGN=\"right\">", "<TABLE>", "<TR VALIGN=\"top\">",
                       "<TD NOWRAP><TT><FONT SIZE=\"3\"><B>あ<BR></B><I>い<BR>　</I></FONT>"
                       "</TT></TD>",
                       "</TR></TABLE>", "<BR><BR><BR>", "<TABLE>", "<TR VALIGN=\"top\">",
                       "<TD NOWRAP><TT><FONT SIZE=\"2\">　</FONT></TT></TD>", "</TR></TABLE>",
                       "<BR><BR><BR>", "</DIV>"}));
}

TEST(FloatingTableWriter, Method2FaceAndMonospace) {
    TateHtmlDialogValues v = Clip(2, 1);
    v.htmlLine = 2;
    const std::string face =
        "<FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:20pt;\">";
    EXPECT_SJIS(RunMethod(2, v, {"あ"}),
                Lines({"<TABLE ALIGN=RIGHT><TR><TD NOWRAP>", face, "あ<BR>　<BR>", "</FONT>",
                       "</TD></TR></TABLE>", "<TABLE ALIGN=RIGHT><TR><TD></TD></TR></TABLE>",
                       "<TABLE ALIGN=RIGHT><TR><TD NOWRAP>", face, "　<BR>", "</FONT>",
                       "</TD></TR></TABLE>", "<TABLE ALIGN=RIGHT><TR><TD></TD></TR></TABLE>",
                       "<BR CLEAR=ALL>", "<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>"}));
    v.dFont1 = 1;
    v.space = 0;
    v.lineCount = 1;
    v.link = true;  // method 2 never writes navigation rows
    v.tenSelect = 1;
    EXPECT_SJIS(
        RunMethod(2, v, {"あ、"}),
        Lines({"<TABLE ALIGN=RIGHT><TR><TD NOWRAP><TT>", "あ<BR>&nbsp;｀<BR>　&nbsp;<BR>",
               "</TT></TD></TR></TABLE>", "<BR CLEAR=ALL>",
               "<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>",
               "<TABLE ALIGN=RIGHT><TR><TD NOWRAP><TT>", "　&nbsp;<BR>", "</TT></TD></TR></TABLE>",
               "<BR CLEAR=ALL>", "<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>"}));
}

TEST(ColumnWriter, Method4AdjustmentsInARun) {
    TateHtmlDialogValues v = Clip(1, 0);
    v.htmlLine = 2;
    v.dFont2 = 1;     // monospaced face: box forms on
    v.lSelect = 1;    // ignored: method 4 always uses ∟
    v.tenSelect = 2;  // ignored
    const std::string face =
        "<TD NOWRAP><FONT  FACE=\"ＭＳ ゴシック\" SIZE=\"2\" STYLE=\"line-height:20pt;\">\r\n";
    EXPECT_SJIS(
        RunMethod(4, v, {"（ぁ」、"}),
        Lines({"<DIV ALIGN=\"right\">", "<TABLE>", "<TR VALIGN=\"top\" ALIGN=\"center\">",
               face + "┌┐<BR><font size=1>　</font>ぁ<BR>└　<BR>　｀<BR>　　\r\n"
                      "</FONT></TD>",
               "</TR></TABLE>", "<BR><BR><BR>", "<TABLE>", "<TR VALIGN=\"top\" ALIGN=\"center\">",
               face + "　　\r\n</FONT></TD>", "</TR></TABLE>", "<BR><BR><BR>", "</DIV>"}));
    v.dFont2 = 0;  // proportional: no box forms, the P names
    const std::string pface =
        "<TD NOWRAP><FONT  FACE=\"ＭＳ Ｐゴシック\" SIZE=\"2\" STYLE=\"line-height:20pt;\">\r\n";
    std::string out = U(RunMethod(4, v, {"（」"}));
    EXPECT_NE(out.find(pface + "∧<BR>└　<BR>　　\r\n</FONT></TD>"), std::string::npos) << out;
}

struct PassRow {
    const char* name;
    int choice;  // 0-3 punctuation placement, -1 method 4, -2 method 4 proportional
    const char* in;
    const char* out;
};

const PassRow kPasses[] = {
    {"none", 0, "あ<BR>｀<BR>い<BR>　", "あ<BR>｀<BR>い<BR>　"},
    {"nbsp", 1, "あ<BR>｀<BR>゜<BR>．", "あ<BR>&nbsp;｀<BR>&nbsp;゜<BR>&nbsp;．"},
    {"joinTen", 2, "あ<BR>｀<BR>い<BR>　　", "あ、<BR>い<BR>　　"},
    {"joinMaruTwice", 3, "あ<BR>゜<BR>゜<BR>　&nbsp;", "あ.<BR>　&nbsp;"},
    {"cc", 2, "あ<BR>｀<BR>｀<BR>｀", "あ、"},
    {"cp", 2, "あ<BR>｀<BR>゜", "あ、"},
    {"cq", 2, "あ<BR>｀<BR>．", "あ、"},
    {"pc", 2, "あ<BR>゜<BR>｀", "あ。"},
    {"pq", 2, "あ<BR>゜<BR>．", "あ。"},
    {"qc", 2, "あ<BR>．<BR>｀", "あ．"},
    {"qp", 2, "あ<BR>．<BR>゜", "あ．"},
    {"ppThenPc", 2, "あ<BR>゜<BR>｀<BR>｀", "あ。"},
    {"commaPeriod", 3, "あ<BR>｀<BR>゜<BR>．", "あ,"},
    {"markAtTheTopStays", 2, "｀<BR>あ", "｀<BR>あ"},
    {"m4Punctuation", -1, "．｀゜", "　．　｀　゜"},
    {"m4Brackets", -1, "┌┐┐￢└┘└∟", "┌┐　┐　┐└┘└　└　"},
    {"m4SmallKana", -1, "ぁっャヮ",
     "<font size=1>　</font>ぁ<font size=1>　</font>っ"
     "<font size=1>　</font>ャ<font size=1>　</font>ヮ"},
    {"m4Gothic", -1, "ＭＳ ゴシック ッ", "ＭＳ ゴシック <font size=1>　</font>ッ"},
    {"m4GothicProportional", -2, "ＭＳ ゴシック ＭＳ 明朝", "ＭＳ Ｐゴシック ＭＳ Ｐ明朝"},
};

class TextPasses : public ::testing::TestWithParam<PassRow> {};

TEST_P(TextPasses, OnOneLine) {
    const PassRow& p = GetParam();
    TateOutput out;
    out.Add(J(p.in));
    if (p.choice >= 0)
        TatePunctuation::Place(out, p.choice);
    else
        TatePunctuation::AdjustMethod4(out, p.choice == -2);
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_SJIS(out.lines[0], p.out);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextPasses, ::testing::ValuesIn(kPasses));

TEST(TextPassesBytes, NoMatchAcrossCharacterBoundaries) {
    // ＝ is 0x81 0x81; followed by "M" (0x4D) the bytes 0x81 0x4D look like ｀.
    TateOutput out;
    out.Add("\x81\x81M");
    TatePunctuation::Place(out, 1);
    TatePunctuation::AdjustMethod4(out, false);
    EXPECT_EQ(out.lines[0], "\x81\x81M");
}

}  // namespace

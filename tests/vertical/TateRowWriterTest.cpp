// The row writer (methods 0 and 1, vertical text) through whole runs of the engine.
#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateMessages.h"

namespace {

std::string RunText(const std::vector<std::string>& lines, int n, int spacing, bool fullWidth,
                    bool separator, std::vector<std::string>* warnings = nullptr) {
    TateSettings s = Plain(n, spacing);
    s.fullWidthSpacing = fullWidth;
    s.separatorKind = separator ? 0 : 2;
    s.useFace = false;
    TateEngine::Result r = TateEngine::Run(SourceOf(lines), s, TateMethod::Text);
    EXPECT_EQ(r.status, TateEngine::Status::Completed);
    if (warnings) *warnings = r.warnings;
    return r.output;
}

struct TextCase {
    const char* name;
    std::vector<std::string> lines;
    int n, spacing;
    bool fullWidth, separator;
    std::vector<std::string> expected;  // output lines
};

std::vector<TextCase> TextCases() {
    return {
        // Method 1's worked example, as vertical text: rows of m, then each column's glyph and
        // one space, the leftmost column (line 1) first.
        {"twoColumnsSpacing1",
         {"あい", "う"},
         2,
         1,
         false,
         false,
         {"　 う あ ", "　 　 い ", "\r\n\r\n", "　 　 　 ", "\r\n\r\n"}},
        // Spacing 0: simple bracket forms, nothing between the columns.
        {"spacing0",
         {"「あ」", "（い）"},
         2,
         0,
         false,
         false,
         {"　∧￢", "　いあ", "　∨∟", "\r\n\r\n", "　　　", "\r\n\r\n"}},
        // Spacing 2: 「 after one space and followed by one, 」 one space to the left.
        {"spacing2Shifts",
         {"「あ」"},
         1,
         2,
         false,
         true,
         {"　  ┐ ", "　 あ  ", "　└   ", "-１----", "\r\n\r\n", "　 　  ", "-２----", "\r\n\r\n"}},
        // Full-width spacing: ┌┐ falls back to ∧ without shift, 」 still moves left.
        {"fullWidth",
         {"（あ", "」い"},
         2,
         1,
         true,
         false,
         {"└　　∧　", "　い　あ　", "\r\n\r\n", "　　　　　", "\r\n\r\n"}},
        // Fewer lines than N: the missing lines are columns of "　".
        {"fewerLinesThanN", {"あ"}, 3, 0, false, false, {"　　　あ", "\r\n\r\n"}},
        // 7 lines with N = 3: three blocks, the last one holds line 6 only.
        {"sevenLines",
         {"あ", "い", "う", "え", "お", "か", "き"},
         3,
         0,
         false,
         false,
         {"　ういあ", "\r\n\r\n", "　かおえ", "\r\n\r\n", "　　　き", "\r\n\r\n"}},
        // 6 lines with N = 3: the third block has no lines and is written empty.
        {"sixLines",
         {"あ", "い", "う", "え", "お", "か"},
         3,
         0,
         false,
         false,
         {"　ういあ", "\r\n\r\n", "　かおえ", "\r\n\r\n", "　　　　", "\r\n\r\n"}},
        // Columns of different lengths: N = 3, あいう / え / おか, last row 2.
        {"ragged",
         {"あいう", "え", "おか"},
         3,
         0,
         false,
         false,
         {"　おえあ", "　か　い", "　　　う", "\r\n\r\n", "　　　　", "\r\n\r\n"}},
        // Separator for N = 3, spacing 1: ten characters, the number at position 5.
        {"separatorN3", {"あ"}, 3, 1, false, true, {"　 　 　 あ ", "----１------", "\r\n\r\n"}},
    };
}

TEST(RowWriter, TextRuns) {
    for (const TextCase& c : TextCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_SJIS(RunText(c.lines, c.n, c.spacing, c.fullWidth, c.separator), Lines(c.expected));
    }
}

TEST(RowWriter, ZeroLinesGiveOneEmptyBlock) {
    TateSettings s = Plain(2, 0);
    TateEngine::Result r = TateEngine::Run(TateSource{}, s, TateMethod::Text);
    EXPECT_SJIS(r.output, Lines({"　　　", "\r\n\r\n"}));
}

TEST(RowWriter, LeftShiftAfterAGlyphWithNoSpaceWarnsAndCutsTheLastByte) {
    std::vector<std::string> warnings;
    // Column 1 (written first) is 、 moved right: the row ends in ｀ with no space behind it.
    const std::string out = RunText({"」", "、"}, 2, 1, false, false, &warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "文字化けする可能性があります（1行、最初は1段落目）\nご注意ください");
    // "　 " + " ｀" with the last byte removed, then └ and two spaces.
    const std::string row = J("　 ") + " " + "\x81" + J("└") + "  ";
    EXPECT_EQ(out.substr(0, row.size() + 2), row + "\r\n");
}

// The warning stands once per run and tells how many rows may be garbled (a row with several
// such columns counts once) and the number of the first block that has one.
struct GarbleCase {
    const char* name;
    std::vector<std::string> lines;
    int n, spacing;
    const char* warning;  // nullptr: none
};

TEST(RowWriter, MayGarbleWarningCountsRowsAndNamesTheFirstBlock) {
    const GarbleCase cases[] = {
        {"oneRow",
         {"」", "、"},
         2,
         1,
         "文字化けする可能性があります（1行、最初は1段落目）\nご注意ください"},
        // Block 1 is clean; block 2 has rows 0 and 2 (」 after ｀), block 3 row 0.
        {"threeRowsFromBlock2",
         {"あ", "い", "」あ」", "、い、", "」", "、"},
         2,
         1,
         "文字化けする可能性があります（3行、最初は2段落目）\nご注意ください"},
        // Columns 2 and 0 both follow a ｀ with no space behind it: still one row.
        {"twoColumnsOneRow",
         {"」", "、", "」", "、"},
         4,
         1,
         "文字化けする可能性があります（1行、最初は1段落目）\nご注意ください"},
        // Only spacing 1 warns.
        {"spacing2", {"」", "、"}, 2, 2, nullptr},
        {"spaceBehind", {"、", "」"}, 2, 1, nullptr},
    };
    for (const GarbleCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> warnings;
        RunText(c.lines, c.n, c.spacing, false, false, &warnings);
        if (!c.warning) {
            EXPECT_TRUE(warnings.empty());
            continue;
        }
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0], c.warning);
    }
}

TEST(RowWriter, NoWarningWhenTheRowEndsWithASpace) {
    std::vector<std::string> warnings;
    const std::string out = RunText({"、", "」"}, 2, 1, false, false, &warnings);
    EXPECT_TRUE(warnings.empty());
    // 」 moves one space to the left, 、 one space to the right.
    EXPECT_SJIS(out, Lines({"　└   ｀", "\r\n\r\n", "　 　 　 ", "\r\n\r\n"}));
}

// Methods 0 and 1 in the clipboard form (wrapper, blocks, closing wrapper).
std::string RunHtmlMethod(TateMethod m, const TateSource& src, TateSettings s) {
    TateEngine::Result r = TateEngine::Run(src, s, m);
    EXPECT_EQ(r.status, TateEngine::Status::Completed);
    return r.output;
}

TEST(RowWriter, Method1WorkedExample) {
    TateSettings s = Plain(2, 1);
    s.separatorKind = 0;
    EXPECT_SJIS(RunHtmlMethod(TateMethod::Html1, SourceOf({"あい", "う"}), s),
                Lines({"<DIV ALIGN=\"right\"><TT>\r\n<PRE STYLE=\"line-height:20pt;\">"
                       "<FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">",
                       "　 う あ ", "　 　 い ", "--１-----", "\r\n\r\n", "　 　 　 ", "--２-----",
                       "\r\n\r\n", "</FONT></PRE>", "</TT></DIV>"}));
}

TEST(RowWriter, Method0Spacing1BracketsAndQuotes) {
    TateSettings s = Plain(2, 1);
    s.lineHeightOn = false;
    // （ is ∧ with no shift; 「 is ┐ written after its column's space unit.
    EXPECT_SJIS(RunHtmlMethod(TateMethod::Html0, SourceOf({"（あ", "「い"}), s),
                Lines({"<DIV ALIGN=\"right\"><TT>\r\n<PRE><FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">",
                       "　　┐∧　", "　い　あ　", "\r\n\r\n", "　　　　　", "\r\n\r\n",
                       "</FONT></PRE>", "</TT></DIV>"}));
}

TEST(RowWriter, ChangeTagsBetweenColumns) {
    TateSettings s = Plain(2, 0);
    s.fontNameSwitch = true;
    TateSource src;
    src.AppendLine(J("あ"), Fmt("ＭＳ 明朝"));
    src.AppendLine(J("い"), Fmt("ＭＳ Ｐゴシック"));
    std::string out = RunHtmlMethod(TateMethod::Html1, src, s);
    // Row 0: the first column opens its font, the next one changes it, the row closes it.
    EXPECT_NE(U(out).find("\r\n　<FONT FACE=\"ＭＳ Ｐゴシック\">い</FONT><FONT FACE=\"ＭＳ 明朝\">"
                          "あ</FONT>\r\n"),
              std::string::npos)
        << U(out);
    // The empty block: both cells have the default font, so no change inside the row.
    EXPECT_NE(U(out).find("\r\n　<FONT FACE=\"ＭＳ ゴシック\">　　</FONT>\r\n"), std::string::npos)
        << U(out);
}

TEST(RowWriter, StyleSwitchClosesEveryStyleAtTheRowEnd) {
    TateSettings s = Plain(1, 0);
    s.fontStyleSwitch = true;
    TateSource src;
    src.AppendLine(J("あ"), Fmt("x", 11, clBlack, TateFormat::Bold | TateFormat::StrikeOut));
    std::string out = RunHtmlMethod(TateMethod::Html1, src, s);
    EXPECT_NE(U(out).find("\r\n　<B><S>あ</B></I></U></S>\r\n"), std::string::npos) << U(out);
}

}  // namespace

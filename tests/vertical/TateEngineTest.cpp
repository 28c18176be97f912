#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateEngine.h"
#include "vertical/TateMessages.h"

namespace {

// Method 3 in the clipboard form with the settings of Plain (no tags, no separator, spacing 0,
// placement 0): the wrapper around the blocks, each block a table row of columns written from
// the leftmost (the block's last line) to the rightmost; a column is its characters each
// followed by <BR>, then the column end "　".
std::string Method3Page(const std::vector<std::vector<std::string>>& blocks) {
    std::vector<std::string> lines{"<DIV ALIGN=\"right\">"};
    for (const auto& columns : blocks) {
        lines.push_back("<TABLE>");
        lines.push_back("<TR VALIGN=\"top\">");
        for (const std::string& c : columns) lines.push_back("<TD NOWRAP>" + c + "</TD>");
        lines.push_back("</TR></TABLE>");
        lines.push_back("<BR><BR><BR>");
    }
    lines.push_back("</DIV>");
    return Lines(lines);
}

std::string Repeat(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

struct LengthRow {
    const char* name;
    std::string line;  // Shift-JIS
    bool tooLong;
};

TEST(Engine, LineLengthCheck) {
    const LengthRow rows[] = {
        {"50full", Repeat(J("あ"), 50), false},
        {"51full", Repeat(J("あ"), 51), true},
        {"50half", std::string(50, '\xB1'), false},
        {"51half", std::string(51, 'a'), true},
        // ｶﾞ counts two characters even though it becomes one cell.
        {"25voicedPairs", Repeat("\xB6\xDE", 25), false},
        {"26voicedPairs", Repeat("\xB6\xDE", 26), true},
    };
    for (int m = 0; m <= 5; ++m)
        for (const LengthRow& r : rows) {
            SCOPED_TRACE(std::string(r.name) + " method " + std::to_string(m));
            TateSource src;
            src.AppendLine("x", Fmt("f"));
            src.AppendLine(r.line, Fmt("f"));
            TateSettings s = Plain(3, 1);
            TateEngine::Result res = TateEngine::Run(src, s, static_cast<TateMethod>(m));
            if (r.tooLong) {
                EXPECT_EQ(res.status, TateEngine::Status::LineTooLong);
                EXPECT_EQ(res.error, TateMessages::kLineTooLong);
                EXPECT_TRUE(res.output.empty());
            } else {
                EXPECT_EQ(res.status, TateEngine::Status::Completed);
                EXPECT_FALSE(res.output.empty());
            }
        }
}

TEST(Engine, LongLineIsCheckedBeforePageBreaks) {
    std::size_t at = 0;
    TateSource src = SourceOf({"▲改頁▼", "あ"});
    src.AppendLine(Repeat(J("い"), 51), Fmt("f"));
    EXPECT_TRUE(TateEngine::HasLongLine(src, &at));
    EXPECT_EQ(at, 2u);
}

TEST(Engine, ProgressCountsEveryColumnAndCancelStops) {
    TateSettings s = Plain(3, 0);
    std::vector<std::size_t> seen;
    std::size_t total = 0;
    // 7 lines, N = 3: three blocks of three columns.
    TateSource src = SourceOf({"あ", "い", "う", "え", "お", "か", "き"});
    TateEngine::Result r =
        TateEngine::Run(src, s, TateMethod::Html3, [&](std::size_t done, std::size_t all) {
            seen.push_back(done);
            total = all;
            return true;
        });
    EXPECT_EQ(r.status, TateEngine::Status::Completed);
    EXPECT_EQ(total, 9u);
    ASSERT_EQ(seen.size(), 9u);
    EXPECT_EQ(seen.back(), 9u);

    int calls = 0;
    r = TateEngine::Run(src, s, TateMethod::Html3,
                        [&](std::size_t, std::size_t) { return ++calls < 4; });
    EXPECT_EQ(r.status, TateEngine::Status::Cancelled);
    EXPECT_EQ(calls, 4);
    EXPECT_TRUE(r.output.empty());
}

TEST(Engine, PageBreakInARun) {
    // N = 3: the marker on line 1 (b = 2) becomes 2 empty lines, "次" starts block 1.
    TateSettings s = Plain(3, 0);
    TateEngine::Result r = TateEngine::Run(SourceOf({"あ", "▲改頁▼", "次"}), s, TateMethod::Text);
    EXPECT_SJIS(r.output, Lines({"　　　あ", "\r\n\r\n", "　　　次", "\r\n\r\n"}));
}

// A page-break marker on the last line with no line break after it: the empty rest of the text
// after the marker is a line of its own on the first line of the next block, so that block's
// rightmost column holds one empty line ("　<BR>" and the column end) while its other columns
// have no line (the column end only).
struct EndBreakCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> blocks;  // columns, leftmost first
};

TEST(Engine, PageBreakOnTheLastLineInTableMethods) {
    const std::vector<std::string> nextBlock{"　", "　", "　<BR>　"};
    const EndBreakCase cases[] = {
        // b = 1: the marker is removed; "あ\r\nい\r\nう\r\n" has 4 lines.
        {"b1", {"あ", "い", "う", "▲改頁▼"}, {{"う<BR>　", "い<BR>　", "あ<BR>　"}, nextBlock}},
        // b = 0: one line break in its place; "あ\r\nい\r\n\r\n" has 4 lines.
        {"b0", {"あ", "い", "▲改頁▼"}, {{"　<BR>　", "い<BR>　", "あ<BR>　"}, nextBlock}},
        // b = 2: N - b + 1 = 2 line breaks; "あ\r\n\r\n\r\n" has 4 lines.
        {"b2", {"あ", "▲改頁▼"}, {{"　<BR>　", "　<BR>　", "あ<BR>　"}, nextBlock}},
    };
    for (const EndBreakCase& c : cases) {
        SCOPED_TRACE(c.name);
        TateEngine::Result r = TateEngine::Run(SourceOf(c.lines), Plain(3, 0), TateMethod::Html3);
        EXPECT_EQ(r.lineCount, 4u);
        EXPECT_SJIS(r.output, Method3Page(c.blocks));
    }
}

// An empty document has no lines: one block whose columns are all empty, whatever N is.
struct EmptyCase {
    TateMethod method;
    int n;
    std::string expected;  // UTF-8
};

TEST(Engine, EmptyDocumentIsOneBlockOfEmptyColumns) {
    const std::string td = "　";
    const EmptyCase cases[] = {
        // Vertical text, spacing 0: one row, the margin and N columns of "　".
        {TateMethod::Text, 1, Lines({"　　", "\r\n\r\n"})},
        {TateMethod::Text, 2, Lines({"　　　", "\r\n\r\n"})},
        {TateMethod::Text, 3, Lines({"　　　　", "\r\n\r\n"})},
        // Method 3: N columns that consist of the column end only.
        {TateMethod::Html3, 1, Method3Page({{td}})},
        {TateMethod::Html3, 2, Method3Page({{td, td}})},
        {TateMethod::Html3, 3, Method3Page({{td, td, td}})},
    };
    const TateFormat f = Fmt("ＭＳ Ｐゴシック");
    for (const EmptyCase& c : cases) {
        SCOPED_TRACE("method " + std::to_string(static_cast<int>(c.method)) + " N " +
                     std::to_string(c.n));
        for (const TateSource& src : {TateSource::FromPlainText("", f, 0), TateSource{}}) {
            TateEngine::Result r = TateEngine::Run(src, Plain(c.n, 0), c.method);
            EXPECT_EQ(r.status, TateEngine::Status::Completed);
            EXPECT_EQ(r.lineCount, 0u);
            EXPECT_SJIS(r.output, c.expected);
        }
    }
}

// Vertical text keeps a character outside code page 932 in its Unicode form (the clipboard)
// and writes "?" for it in the Shift-JIS bytes; the warning names each such character once.
TEST(Engine, VerticalTextKeepsCharactersOutsideTheCodePage) {
    const TateFormat f = Fmt("ＭＳ Ｐゴシック");
    TateSource src;
    src.AppendChars(J("あ"), f);
    src.AppendReference("&#128512;", f);
    src.AppendChars(J("い"), f);
    src.AppendReference("&#134071;", f);
    src.AppendReference("&#128512;", f);
    src.EndLine();
    // N = 2, spacing 0: each row is the margin, the empty column 1 and the cell of column 0.
    TateEngine::Result r = TateEngine::Run(src, Plain(2, 0), TateMethod::Text);
    EXPECT_SJIS(r.output, Lines({"　　あ", "　　?", "　　い", "　　?", "　　?", "\r\n\r\n"}));
    EXPECT_EQ(r.unicodeText, Lines({"　　あ", "　　😀", "　　い", "　　𠮷", "　　😀", "\r\n\r\n"}));
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0],
              "Shift-JIS で書き出せない文字があります: 😀𠮷\n"
              "Shift-JIS のテキストではその文字が「?」になります");

    // Text that only looks like a reference is the document's own: its half-width characters
    // become full-width cells (＆＃６５；), nothing is resolved.
    TateEngine::Result typed = TateEngine::Run(SourceOf({"&#65;"}), Plain(1, 0), TateMethod::Text);
    EXPECT_SJIS(typed.output,
                Lines({"　＆", "　＃", "　６", "　５", "　；", "\r\n\r\n", "　　", "\r\n\r\n"}));
    EXPECT_EQ(typed.unicodeText, U(typed.output));
    EXPECT_TRUE(typed.warnings.empty());

    // Without such characters the Unicode form is the output decoded, with no warning.
    TateEngine::Result plain = TateEngine::Run(SourceOf({"あ"}), Plain(2, 0), TateMethod::Text);
    EXPECT_EQ(plain.unicodeText, Lines({"　　あ", "\r\n\r\n"}));
    EXPECT_TRUE(plain.warnings.empty());
}

TEST(Engine, EmptyLineIsOneFullWidthSpaceInTableMethods) {
    TateSettings s = Plain(2, 0);
    TateEngine::Result r = TateEngine::Run(SourceOf({"", "あ"}), s, TateMethod::Html3);
    EXPECT_NE(U(r.output).find("<TD NOWRAP>あ<BR>　</TD>\r\n<TD NOWRAP>　<BR>　</TD>"),
              std::string::npos)
        << U(r.output);
}

TEST(Engine, PlainTextSourceWrapsAndKeepsTheDocument) {
    TateFormat f = Fmt("ＭＳ Ｐゴシック");
    TateSource src = TateSource::FromPlainText(J("あいうえお\r\nか\nき\r"), f, 2);
    // あい / うえ / お / か / き / (empty last line after the final line break)
    ASSERT_EQ(src.LineCount(), 6u);
    EXPECT_SJIS(src.LineAt(0).text, "あい");
    EXPECT_FALSE(src.LineAt(0).paragraphEnd);
    EXPECT_SJIS(src.LineAt(2).text, "お");
    EXPECT_TRUE(src.LineAt(2).paragraphEnd);
    EXPECT_TRUE(src.LineAt(5).text.empty());
    EXPECT_SJIS(src.DocumentText(), "あいうえお\r\nか\r\nき\r\n");
    EXPECT_EQ(TateSource::FromPlainText("", f, 0).LineCount(), 1u);
}

}  // namespace

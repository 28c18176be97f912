#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateEngine.h"
#include "vertical/TateMessages.h"

namespace {

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

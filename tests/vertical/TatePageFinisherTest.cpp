#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TatePageFinisher.h"
#include "vertical/TateSettingsReader.h"

namespace {

const std::vector<std::string> kHead = {
    "<HTML><HEAD>",
    "<META HTTP-EQUIV=\"Content-type\" CONTENT=text/html>",
    "<META name=\"Generator\" content=\"オリマキ９９\">",
    "<!-- このページは『オリマキ９９』で作成されています -->",
    "<TITLE>題名</TITLE>",
    "</HEAD>",
    "<BODY BGCOLOR=\"#FFFFFF\"> ",
};

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TateSettings Settings(int method, TateHtmlDialogValues v) {
    TateWarnings w;
    return TateSettingsReader::FromHtmlDialog(v, method, w);
}

struct CommentRow {
    const char* name;
    int method;
    TateHtmlDialogValues values;
    const char* comment;
};

std::vector<CommentRow> CommentRows() {
    TateHtmlDialogValues d;  // the dialog's defaults
    TateHtmlDialogValues all;
    all.lineCount = 3;
    all.space = 0;
    all.lineHeightOn = false;
    all.htmlLine = 1;
    all.textIn = false;
    all.macFont = true;
    all.name = all.size = all.style = all.color = true;
    all.dFont1 = 1;
    all.tenSelect = 2;
    all.align = 1;
    all.lSelect = 1;
    TateHtmlDialogValues p1 = d;
    p1.tenSelect = 1;
    p1.htmlLine = 2;
    TateHtmlDialogValues p3 = d;
    p3.tenSelect = 3;
    p3.dFont1 = 2;
    p3.fsCombo = 6;
    TateHtmlDialogValues m4 = d;
    m4.dFont2 = 2;
    return {
        {"method0", 0, d,
         "<!-- 方式その零：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、有効タグ-、"
         "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、センタリングright -->"},
        {"method1", 1, d,
         "<!-- 方式その壱：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、有効タグ-、"
         "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、センタリングright -->"},
        {"method2", 2, d,
         "<!-- 方式その弐：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、有効タグ-、"
         "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、句読点『｀』 -->"},
        {"method3", 3, d,
         "<!-- 方式その参：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、有効タグ-、"
         "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、句読点『｀』、センタリングright -->"},
        {"method4", 4, d,
         "<!-- 方式その四：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、"
         "プロポーショナル、有効タグ-、標準書体ＭＳ ゴシックサイズ2、センタリングright -->"},
        {"method3Everything", 3, all,
         "<!-- 方式その参：行数3行間0、Html横罫線、マックフォント考慮、等幅、"
         "有効タグ-名前サイズスタイル色、括弧閉文字Ｌ、句読点『、』、センタリングcenter -->"},
        {"method2Punct1", 2, p1,
         "<!-- 方式その弐：行数50文字間20行間1、テキスト埋め込み、有効タグ-、"
         "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、句読点『 ｀』 -->"},
        {"method3Punct3", 3, p3,
         "<!-- 方式その参：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、有効タグ-、"
         "括弧閉文字∟、句読点『,』、センタリングright -->"},
        {"method4Monospace", 4, m4,
         "<!-- 方式その四：行数50文字間20行間1、テキスト段落線、テキスト埋め込み、等幅、"
         "有効タグ-、センタリングright -->"},
    };
}

TEST(PageFinisher, SettingsComment) {
    for (const CommentRow& r : CommentRows()) {
        SCOPED_TRACE(r.name);
        TateWarnings w;
        EXPECT_SJIS(TatePageFinisher::SettingsComment(Settings(r.method, r.values), r.method, w),
                    r.comment);
    }
}

TEST(PageFinisher, MacFontNamesInOrderAndNotSearchedAgain) {
    TateOutput out;
    out.Add(J("ＭＳ ゴシック/ＭＳ Ｐゴシック/ＭＳ 明朝/ＭＳ Ｐ明朝"));
    TatePageFinisher::MacFontNames(out);
    EXPECT_SJIS(out.lines[0],
                "ＭＳ ゴシック,Osaka-等幅/ＭＳ Ｐゴシック,Osaka/ＭＳ 明朝,等幅明朝/"
                "ＭＳ Ｐ明朝,平成明朝");
}

// Finishing of every method, file and clipboard form, on one line "あ" with N = 1.
struct FinishRow {
    const char* name;
    int method;
    bool clip;
    std::vector<std::string> expected;
};

std::vector<FinishRow> FinishRows() {
    const std::string p =
        "<DIV ALIGN=\"right\"><TT>\r\n<PRE STYLE=\"line-height:20pt;\">"
        "<FONT FACE=\"ＭＳ ゴシック\" SIZE=\"2\">";
    const std::string embed = "<!-- 以下は変換元のテキストです\r\nあ\r\n -->";
    const std::string comment3 =
        "<!-- 方式その参：行数1文字間20行間0、テキスト埋め込み、有効タグ-、括弧閉文字∟、"
        "句読点『｀』、センタリングright -->";
    const std::vector<std::string> table3 = {"<TABLE>",
                                             "<TR VALIGN=\"top\">",
                                             "<TD NOWRAP>あ<BR>　</TD>",
                                             "</TR></TABLE>",
                                             "<BR><BR><BR>",
                                             "<TABLE>",
                                             "<TR VALIGN=\"top\">",
                                             "<TD NOWRAP>　</TD>",
                                             "</TR></TABLE>",
                                             "<BR><BR><BR>"};
    const std::vector<std::string> rows1 = {"　あ", "\r\n\r\n", "　　", "\r\n\r\n"};
    const std::vector<std::string> floating = {"<TABLE ALIGN=RIGHT><TR><TD NOWRAP>",
                                               "あ<BR>　<BR>",
                                               "</TD></TR></TABLE>",
                                               "<BR CLEAR=ALL>",
                                               "<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>",
                                               "<TABLE ALIGN=RIGHT><TR><TD NOWRAP>",
                                               "　<BR>",
                                               "</TD></TR></TABLE>",
                                               "<BR CLEAR=ALL>",
                                               "<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>"};
    return {
        {"method3File", 3, false,
         Concat({kHead,
                 {comment3, "<BR>", "<DIV ALIGN=\"right\">"},
                 table3,
                 {"</DIV>", "</BODY></HTML>", embed}})},
        {"method3Clip", 3, true, Concat({{"<DIV ALIGN=\"right\">"}, table3, {"</DIV>", embed}})},
        {"method1File", 1, false,
         Concat({kHead,
                 {"<!-- 方式その壱：行数1文字間20行間0、テキスト埋め込み、有効タグ-、"
                  "標準書体ＭＳ ゴシックサイズ2、括弧閉文字∟、センタリングright -->",
                  "<BR>", p},
                 rows1,
                 {"</FONT></PRE>", "</TT></DIV>", "</BODY></HTML>", embed}})},
        {"method1Clip", 1, true, Concat({{p}, rows1, {"</FONT></PRE>", "</TT></DIV>", embed}})},
        {"method2File", 2, false,
         Concat({kHead,
                 {"<!-- 方式その弐：行数1文字間20行間0、テキスト埋め込み、有効タグ-、"
                  "括弧閉文字∟、句読点『｀』 -->",
                  "<BR>"},
                 floating,
                 {"</BODY></HTML>", embed}})},
        {"method2Clip", 2, true, Concat({floating, {embed}})},
        // Method 0 has the same wrapper as method 1 and full-width rows.
        {"method0Clip", 0, true, Concat({{p}, rows1, {"</FONT></PRE>", "</TT></DIV>", embed}})},
        // Method 4: the comment is added after the proportional names, so it keeps the
        // dialog's font name while the page uses the P variant.
        {"method4File", 4, false,
         Concat(
             {kHead,
              {"<!-- 方式その四：行数1文字間20行間0、テキスト埋め込み、プロポーショナル、"
               "有効タグ-、標準書体ＭＳ ゴシックサイズ2、センタリングright -->",
               "<BR>", "<DIV ALIGN=\"right\">", "<TABLE>", "<TR VALIGN=\"top\" ALIGN=\"center\">",
               "<TD NOWRAP><FONT  FACE=\"ＭＳ Ｐゴシック\" SIZE=\"2\" "
               "STYLE=\"line-height:20pt;\">\r\nあ<BR>　　\r\n</FONT></TD>",
               "</TR></TABLE>", "<BR><BR><BR>", "<TABLE>", "<TR VALIGN=\"top\" ALIGN=\"center\">",
               "<TD NOWRAP><FONT  FACE=\"ＭＳ Ｐゴシック\" SIZE=\"2\" "
               "STYLE=\"line-height:20pt;\">\r\n　　\r\n</FONT></TD>",
               "</TR></TABLE>", "<BR><BR><BR>", "</DIV>", "</BODY></HTML>", embed}})},
    };
}

TEST(PageFinisher, FileAndClipboardForms) {
    for (const FinishRow& r : FinishRows()) {
        SCOPED_TRACE(r.name);
        TateHtmlDialogValues v;
        v.lineCount = 1;
        v.space = 0;
        v.htmlLine = 2;
        v.clip = r.clip;
        v.dFont1 = 2;
        v.title = J("題名");
        TateEngine::Result res = TateEngine::Run(SourceOf({"あ"}), Settings(r.method, v),
                                                 static_cast<TateMethod>(r.method));
        EXPECT_SJIS(res.output, Lines(r.expected));
    }
}

TEST(PageFinisher, BackgroundAndColourInTheBodyLine) {
    TateHtmlDialogValues v;
    v.background = "bg.png";
    v.pageColor = RgbColor(0x12, 0xAB, 0xEF);
    v.textIn = false;
    TateEngine::Result res = TateEngine::Run(SourceOf({"あ"}), Settings(3, v), TateMethod::Html3);
    EXPECT_NE(res.output.find("\r\n<BODY BGCOLOR=\"#12ABEF\" BACKGROUND=\"bg.png\"> \r\n"),
              std::string::npos);
}

TEST(PageFinisher, MacNamesApplyToTheWholePageButNotTheEmbeddedText) {
    TateHtmlDialogValues v;
    v.lineCount = 1;
    v.macFont = true;
    TateEngine::Result res =
        TateEngine::Run(SourceOf({"ＭＳ 明朝"}), Settings(3, v), TateMethod::Html3);
    const std::string out = U(res.output);
    EXPECT_NE(out.find("FACE=\"ＭＳ ゴシック,Osaka-等幅\""), std::string::npos);
    // The embedded source is added after the replacement.
    EXPECT_NE(out.find("テキストです\r\nＭＳ 明朝\r\n -->\r\n"), std::string::npos);
}

}  // namespace

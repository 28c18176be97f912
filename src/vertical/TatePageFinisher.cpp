#include "vertical/TatePageFinisher.h"

#include "core/PageHead.h"
#include "vertical/SjisText.h"
#include "vertical/TateHtmlTags.h"
#include "vertical/TatePunctuation.h"

namespace {
std::string U(const char* utf8) {
    return SjisText::Sj(utf8);
}
}  // namespace

std::string TatePageFinisher::SettingsComment(const TateSettings& s, int method, TateWarnings& w) {
    static const char* const labels[] = {"方式その零：", "方式その壱：", "方式その弐：",
                                         "方式その参：", "方式その四："};
    static const char* const punct[] = {"、句読点『｀』", "、句読点『 ｀』", "、句読点『、』",
                                        "、句読点『,』"};
    std::string c = "<!-- ";
    c += U(labels[method < 0 || method > 4 ? 0 : method]);
    c += U("行数") + std::to_string(s.LineCount());
    if (s.lineHeightOn) c += U("文字間") + std::to_string(s.lineHeight);
    c += U("行間") + std::to_string(s.spacing);
    if (s.separatorKind == 0) c += U("、テキスト段落線");
    if (s.separatorKind == 1) c += U("、Html横罫線");
    if (s.embedSource) c += U("、テキスト埋め込み");
    if (s.macFontNames) c += U("、マックフォント考慮");
    if (s.useMonospaceTag) c += U("、等幅");
    if (s.proportional) c += U("、プロポーショナル");
    c += U("、有効タグ-");
    if (s.fontNameSwitch) c += U("名前");
    if (s.fontSizeSwitch) c += U("サイズ");
    if (s.fontStyleSwitch) c += U("スタイル");
    if (s.fontColorSwitch) c += U("色");
    if (s.useFace)
        c += U("、標準書体") + s.defaultFont.name + U("サイズ") +
             std::to_string(TateHtmlTags::HtmlSize(s.defaultFont.size, w));
    if (method != 4) c += U("、括弧閉文字") + s.closingQuote;
    if ((method == 2 || method == 3) && s.punctuation >= 0 && s.punctuation <= 3)
        c += U(punct[s.punctuation]);
    if (method != 2) c += U("、センタリング") + s.alignment;
    c += " -->";
    return c;
}

std::string TatePageFinisher::PreWrapper(const TateSettings& s, TateWarnings& w) {
    std::string p = "<DIV ALIGN=\"" + s.alignment + "\"><TT>\r\n";
    if (s.lineHeightOn)
        p += "<PRE STYLE=\"line-height:" + std::to_string(s.lineHeight) + "pt;\">";
    else
        p += "<PRE>";
    p += "<FONT FACE=\"" + s.defaultFont.name + "\" SIZE=\"" +
         std::to_string(TateHtmlTags::HtmlSize(s.defaultFont.size, w)) + "\">";
    return p;
}

void TatePageFinisher::MacFontNames(TateOutput& out) {
    static const std::pair<std::string, std::string> names[] = {
        {U("ＭＳ ゴシック"), U("ＭＳ ゴシック,Osaka-等幅")},
        {U("ＭＳ Ｐゴシック"), U("ＭＳ Ｐゴシック,Osaka")},
        {U("ＭＳ 明朝"), U("ＭＳ 明朝,等幅明朝")},
        {U("ＭＳ Ｐ明朝"), U("ＭＳ Ｐ明朝,平成明朝")},
    };
    for (const auto& n : names)
        for (std::string& line : out.lines) SjisText::ReplaceAll(line, n.first, n.second);
}

void TatePageFinisher::EmbedSource(TateOutput& out, const std::string& documentText) {
    static const std::string head = U("<!-- 以下は変換元のテキストです") + "\r\n";
    out.Add(head + documentText + "\r\n" + " -->");
}

void TatePageFinisher::Finish(TateOutput& out, const TateSettings& s, int method,
                              const std::string& documentText, TateWarnings& w) {
    auto tail = [&](std::string line) {
        out.Add(std::move(line));
        if (s.macFontNames) MacFontNames(out);
        if (s.embedSource) EmbedSource(out, documentText);
    };
    const std::string div = "<DIV ALIGN=\"" + s.alignment + "\">";

    if (method == 3 || method == 4) {
        if (method == 3) TatePunctuation::Place(out, s.punctuation);
        if (method == 4) TatePunctuation::AdjustMethod4(out, s.proportional);
        if (s.toClipboard) {
            out.Insert(0, div);
            tail("</DIV>");
        } else {
            out.Insert(0, SettingsComment(s, method, w));
            out.Insert(1, "<BR>");
            out.Insert(2, div);
            PageHead::Insert(out.lines, s.title, s.pageColor, s.background);
            out.Add("</DIV>");
            tail("</BODY></HTML>");
        }
    } else if (method == 2) {
        TatePunctuation::Place(out, s.punctuation);
        if (s.toClipboard) {
            if (s.macFontNames) MacFontNames(out);
            if (s.embedSource) EmbedSource(out, documentText);
        } else {
            out.Insert(0, SettingsComment(s, method, w));
            out.Insert(1, "<BR>");
            PageHead::Insert(out.lines, s.title, s.pageColor, s.background);
            tail("</BODY></HTML>");
        }
    } else {
        if (s.toClipboard) {
            out.Insert(0, PreWrapper(s, w));
            out.Add("</FONT></PRE>");
            tail("</TT></DIV>");
        } else {
            out.Insert(0, SettingsComment(s, method, w));
            out.Insert(1, "<BR>");
            out.Insert(2, PreWrapper(s, w));
            PageHead::Insert(out.lines, s.title, s.pageColor, s.background);
            out.Add("</FONT></PRE>");
            out.Add("</TT></DIV>");
            tail("</BODY></HTML>");
        }
    }
}

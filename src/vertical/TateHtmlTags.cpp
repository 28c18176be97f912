#include "vertical/TateHtmlTags.h"

#include "vertical/TateMessages.h"

int TateHtmlTags::HtmlSize(int s, TateWarnings& warnings) {
    if (s == 0) {
        warnings.Add(TateMessages::kSizeError);
        return 1;
    }
    if (s < 0) return 7;
    if (s <= 9) return 1;
    if (s <= 11) return 2;
    if (s <= 13) return 3;
    if (s <= 16) return 4;
    if (s <= 21) return 5;
    if (s <= 33) return 6;
    return 7;
}

std::string TateHtmlTags::ColorText(TColor c) {
    return ColorToHtml(c);
}

std::string TateHtmlTags::FontTag(const TateCell& cell, const TateSettings& s, TateWarnings& w) {
    if (!s.AnyFontTagSwitch()) return {};
    std::string tag = "<FONT";
    if (s.fontNameSwitch) {
        tag += " FACE=\"";
        tag += cell.fontName;
        tag += '"';
    }
    if (s.fontSizeSwitch) {
        tag += " SIZE=\"";
        tag += std::to_string(HtmlSize(cell.fontSize, w));
        tag += '"';
    }
    if (s.fontColorSwitch) {
        tag += " COLOR=\"#";
        tag += ColorText(cell.color);
        tag += '"';
    }
    tag += '>';
    return tag;
}

std::string TateHtmlTags::StyleOpen(int style) {
    std::string t;
    if (style & TateFormat::Bold) t += "<B>";
    if (style & TateFormat::Italic) t += "<I>";
    if (style & TateFormat::Underline) t += "<U>";
    if (style & TateFormat::StrikeOut) t += "<S>";
    return t;
}

std::string TateHtmlTags::StyleClose(int style) {
    std::string t;
    if (style & TateFormat::Bold) t += "</B>";
    if (style & TateFormat::Italic) t += "</I>";
    if (style & TateFormat::Underline) t += "</U>";
    if (style & TateFormat::StrikeOut) t += "</S>";
    return t;
}

void TateHtmlTags::ChangeTags(const TateCell& p, const TateCell& c, const TateSettings& s,
                              TateWarnings& w, std::string& close, std::string& open) {
    close.clear();
    open.clear();
    bool fontChanged =
        (s.fontNameSwitch && p.fontName != c.fontName) ||
        (s.fontSizeSwitch && p.fontSize != c.fontSize) ||
        (s.fontColorSwitch && (ColorToRGB(p.color) & 0xFFFFFF) != (ColorToRGB(c.color) & 0xFFFFFF));
    if (fontChanged) {
        open = FontTag(c, s, w);
        close = "</FONT>";
    }
    if (s.fontStyleSwitch && p.style != c.style) {
        close = StyleClose(p.style) + close;
        open += StyleOpen(c.style);
    }
}

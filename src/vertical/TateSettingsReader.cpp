#include "vertical/TateSettingsReader.h"

#include <algorithm>

#include "vertical/SjisText.h"
#include "vertical/TateMessages.h"

namespace {
int Clamp(int v, int lo, int hi) {
    return std::min(std::max(v, lo), hi);
}
}  // namespace

int TateSettingsReader::SizeOfItem(int item) {
    static const int sizes[] = {8, 10, 12, 14, 18, 24, 34};
    return item >= 0 && item < 7 ? sizes[item] : -1;
}

TateSettings TateSettingsReader::FromHtmlDialog(const TateHtmlDialogValues& v, int method,
                                                TateWarnings& warnings) {
    TateSettings s;
    s.lastColumn = Clamp(v.lineCount, 1, 399) - 1;
    s.spacing = Clamp(v.space, 0, 15);
    s.lineHeight = Clamp(v.lineHeight, 5, 20);
    s.lineHeightOn = v.lineHeightOn;
    s.fontNameSwitch = v.name;
    s.fontSizeSwitch = v.size;
    s.fontStyleSwitch = v.style;
    s.fontColorSwitch = v.color;
    s.separatorKind = Clamp(v.htmlLine, 0, 2);
    s.fullWidthSpacing = false;

    s.defaultFont.name = SjisText::Sj(v.gosic ? "ＭＳ ゴシック" : "ＭＳ 明朝");
    const int points = SizeOfItem(v.fsCombo);
    if (points < 0) warnings.Add(TateMessages::kSizeError);
    s.defaultFont.size = points < 0 ? 10 : points;
    s.defaultFont.color = clBlack;
    s.defaultFont.style = 0;

    s.fileName = v.fileName;
    s.title = v.title;
    s.background = v.background;
    s.pageColor = v.pageColor;
    s.embedSource = v.textIn;
    s.toClipboard = v.clip;
    s.macFontNames = v.macFont;
    s.openInBrowser = v.openHtml;
    s.hyperlinks = v.link;
    s.punctuation = Clamp(v.tenSelect, 0, 3);
    static const char* const aligns[] = {"right", "center", "left"};
    s.alignment = aligns[Clamp(v.align, 0, 2)];
    static const char* const quotes[] = {"∟", "Ｌ", "└"};
    s.closingQuote = SjisText::Sj(quotes[Clamp(v.lSelect, 0, 2)]);

    s.proportional = false;
    s.useFace = true;
    s.useMonospaceTag = false;
    if (method == 2 || method == 3) {
        switch (v.dFont1) {
            case 0:
                break;
            case 1:
                s.useFace = false;
                s.useMonospaceTag = true;
                break;
            default:
                s.useFace = false;
                break;
        }
    } else if (method == 4) {
        s.punctuation = 0;
        s.closingQuote = SjisText::Sj("∟");
        switch (v.dFont2) {
            case 0:
                s.proportional = true;
                break;
            case 1:
                break;
            case 2:
                s.useFace = false;
                s.useMonospaceTag = true;
                break;
            default:
                s.useFace = false;
                break;
        }
    }
    return s;
}

TateSettings TateSettingsReader::FromTextDialog(const TateTextDialogValues& v) {
    TateSettings s;
    s.lastColumn = Clamp(v.lineCount, 1, 399) - 1;
    s.spacing = Clamp(v.space, 0, 15);
    s.separatorKind = v.dan ? 0 : 2;
    s.fullWidthSpacing = v.zero;
    s.defaultFont.name = SjisText::Sj("ＭＳ ゴシック");
    s.defaultFont.size = 11;
    s.defaultFont.color = clBlack;
    s.defaultFont.style = 0;
    s.closingQuote = SjisText::Sj("∟");
    s.lineHeight = 0;
    s.lineHeightOn = false;
    s.embedSource = false;
    s.toClipboard = false;
    s.macFontNames = false;
    s.openInBrowser = false;
    s.hyperlinks = false;
    s.punctuation = 0;
    s.proportional = false;
    s.useFace = false;
    s.useMonospaceTag = false;
    return s;
}

#pragma once
// The settings of one vertical generation run. Texts are Shift-JIS bytes as they are written
// into the output.

#include <string>

#include "core/ColorValue.h"
#include "vertical/TateFormat.h"

// The six kinds of run: the five HTML methods and vertical plain text.
enum class TateMethod { Html0 = 0, Html1 = 1, Html2 = 2, Html3 = 3, Html4 = 4, Text = 5 };

struct TateSettings {
    int lastColumn = 49;  // N - 1, N = lines per block (1 .. 399)
    int spacing = 1;      // 0 .. 15
    int lineHeight = 20;  // points, 5 .. 20
    bool lineHeightOn = true;
    bool fontNameSwitch = false;
    bool fontSizeSwitch = false;
    bool fontStyleSwitch = false;
    bool fontColorSwitch = false;
    int separatorKind = 0;          // 0 hyphens with the block number, 1 <HR>, 2 nothing
    bool fullWidthSpacing = false;  // vertical text only
    // name, size; black, no style. Default: "ＭＳ ゴシック" 10 points.
    TateFormat defaultFont{"\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E", 10, clBlack, 0};
    std::string fileName;
    std::string title;
    std::string background;
    bool embedSource = true;
    bool toClipboard = false;
    bool macFontNames = false;
    bool openInBrowser = false;
    bool hyperlinks = false;
    int punctuation = 0;                    // 0 .. 3
    std::string alignment = "right";        // "right", "center", "left"
    std::string closingQuote = "\x87\x98";  // "∟" (default), "Ｌ" or "└" (Shift-JIS)
    bool proportional = false;
    bool useFace = true;
    bool useMonospaceTag = false;
    TColor pageColor = clWhite;  // background colour of the view: the page's BGCOLOR

    int LineCount() const { return lastColumn + 1; }
    bool AnyFontTagSwitch() const { return fontNameSwitch || fontSizeSwitch || fontColorSwitch; }
};

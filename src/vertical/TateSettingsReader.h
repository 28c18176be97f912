#pragma once
// The values of the vertical HTML dialog and of the vertical text dialog, and how they become
// the settings of a run. The dialogs and the command line share this mapping.

#include <string>

#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

// The HTML dialog's values (item indexes of its radio groups and lists), with its defaults.
struct TateHtmlDialogValues {
    int lineCount = 50;  // 1 .. 399
    bool lineHeightOn = true;
    int lineHeight = 20;  // 5 .. 20
    int space = 1;        // 0 .. 15
    bool gosic = true;    // ＭＳ ゴシック, else ＭＳ 明朝
    int fsCombo = 1;      // 0 .. 6: 8, 10, 12, 14, 18, 24, 34 points
    bool textIn = true;
    bool clip = false;
    bool macFont = false;
    bool openHtml = false;
    bool link = false;
    bool name = false, size = false, style = false, color = false;
    int lSelect = 0;    // closing quote: ∟ Ｌ └
    int tenSelect = 0;  // punctuation placement 0 .. 3
    int align = 0;      // right, center, left
    int dFont1 = 0;     // methods 2, 3: face / monospace tag / nothing
    int dFont2 = 0;     // method 4: proportional / face / monospace tag / nothing
    int htmlLine = 0;   // separator kind
    std::string fileName, title, background;  // Shift-JIS
    TColor pageColor = clWhite;               // the view's background colour
};

// The vertical text dialog's values, with its defaults.
struct TateTextDialogValues {
    int lineCount = 50;
    int space = 1;
    bool dan = true;    // separator line between blocks
    bool zero = false;  // full-width spacing
};

class TateSettingsReader {
public:
    // Points of the size list item (0 → 8 … 6 → 34); -1 for any other item.
    static int SizeOfItem(int item);

    // method 0 .. 4. An item outside the size list raises "エラーじゃ" and keeps 10 points.
    static TateSettings FromHtmlDialog(const TateHtmlDialogValues& v, int method,
                                       TateWarnings& warnings);
    static TateSettings FromTextDialog(const TateTextDialogValues& v);
};

#pragma once
// Finishing a vertical HTML page after the last block: settings comment, wrappers, page head,
// Mac font names and the embedded source text, in the file form or the clipboard form.

#include <string>

#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TatePageFinisher {
public:
    // "<!-- 方式その参：行数50文字間20行間1… -->" describing the run's settings.
    static std::string SettingsComment(const TateSettings& s, int method, TateWarnings& w);

    // The opening wrapper of methods 0 and 1 (DIV, TT, PRE and the default font).
    static std::string PreWrapper(const TateSettings& s, TateWarnings& w);

    // "ＭＳ ゴシック" → "ＭＳ ゴシック,Osaka-等幅" and the three other Mac names, in this order.
    static void MacFontNames(TateOutput& out);

    // The document's text as a comment at the end.
    static void EmbedSource(TateOutput& out, const std::string& documentText);

    // Everything after the last block for HTML method 0 .. 4 (the text passes of the table
    // methods included).
    static void Finish(TateOutput& out, const TateSettings& s, int method,
                       const std::string& documentText, TateWarnings& w);
};

#pragma once
// The tags the vertical HTML writers put around cell texts: HTML sizes, font tags, style tags
// and the change tags between neighbouring cells.

#include <string>

#include "core/ColorValue.h"
#include "vertical/TateCell.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateHtmlTags {
public:
    // HTML size of a point size: 1-9 → 1, 10-11 → 2, 12-13 → 3, 14-16 → 4, 17-21 → 5,
    // 22-33 → 6, 34 and more (and negative sizes) → 7; 0 raises "エラーじゃ" and gives 1.
    static int HtmlSize(int points, TateWarnings& warnings);

    // Six capital hexadecimal digits RRGGBB (system colours resolved first).
    static std::string ColorText(TColor c);

    // "<FONT FACE=.. SIZE=.. COLOR=..>" under the name, size and colour switches; empty when
    // all three are off.
    static std::string FontTag(const TateCell& cell, const TateSettings& s, TateWarnings& w);

    static std::string StyleOpen(int style);
    static std::string StyleClose(int style);

    // The tags written in front of cell c when cell p was written just before it.
    static void ChangeTags(const TateCell& p, const TateCell& c, const TateSettings& s,
                           TateWarnings& w, std::string& close, std::string& open);
};

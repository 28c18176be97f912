#pragma once
// One character position of a vertical column.

#include <string>

#include "core/ColorValue.h"
#include "vertical/TateFormat.h"

struct TateCell {
    std::string text;      // Shift-JIS; one full-width character, empty = no character here
    std::string fontName;  // Shift-JIS
    int fontSize = 0;      // points
    TColor color = clBlack;
    int style = 0;  // TateFormat::Bold | Italic | Underline | StrikeOut

    bool Empty() const { return text.empty(); }
    void SetFormat(const TateFormat& f) {
        fontName = f.name;
        fontSize = f.size;
        color = f.color;
        style = f.style;
    }
};

#pragma once
// The character attributes a vertical column cell carries: font name (Shift-JIS bytes), size in
// points, colour value and style bits.

#include <string>

#include "core/ColorValue.h"

struct TateFormat {
    // Style bits.
    static constexpr int Bold = 1;
    static constexpr int Italic = 2;
    static constexpr int Underline = 4;
    static constexpr int StrikeOut = 8;

    std::string name;  // Shift-JIS
    int size = 10;     // points
    TColor color = clBlack;
    int style = 0;

    bool operator==(const TateFormat& o) const {
        return size == o.size && color == o.color && style == o.style && name == o.name;
    }
    bool operator!=(const TateFormat& o) const { return !(*this == o); }
};

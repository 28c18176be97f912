#pragma once
// One ruby word of a vertically laid-out paragraph: its base clusters and its reading, shaped
// top to bottom in a font of the reading's size, ready to be placed beside the base.

#include <QtGlobal>
#include <vector>

#include "controls/RubyLayoutRules.h"

struct TVerticalRubyGlyph {
    quint32 index = 0;
    int font = 0;  // index into the font cache
    float x = 0;   // from the axis of the reading
    float y = 0;   // below the top of its character
};

struct TVerticalRubyGroup {
    int firstCluster = 0;  // base clusters [firstCluster, endCluster) of the shaped paragraph
    int endCluster = 0;
    int run = 0;       // the run of the first base cluster (format and colour)
    float baseEm = 0;  // the base's font size in pixels
    float em = 0;      // the reading's font size in pixels
    float gap = 0;     // space between the base and the reading (room for an underline)
    RubyLayoutRules::Align align = RubyLayoutRules::Align::Spread;
    std::vector<float> advances;  // along the column, one per reading character
    std::vector<int> firstGlyph;  // of each reading character, and one past the last
    std::vector<TVerticalRubyGlyph> glyphs;
};

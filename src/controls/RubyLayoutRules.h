#pragma once
// Placement of a ruby reading along its base, shared by both views: how the reading's
// characters are spread over the base run, and the options a ruby field carries.

#include <QString>
#include <vector>

namespace RubyLayoutRules {

// Where the reading's characters go when the reading is shorter than its base.
enum class Align {
    Centre,      // packed together in the middle
    Distribute,  // first and last at the ends of the base, the rest evenly between (0:1:0)
    Spread,      // evenly, the space at each end half the space between (1:2:1)
    Start,       // packed at the start of the base
    End,         // packed at its end
};

struct Options {
    Align align = Align::Spread;
    qreal sizeRatio = 0.5;  // the reading's size to the base's
};

// The largest and smallest reading size, as parts of the base size. The horizontal view makes
// room for a reading of half the base size above a line, so a reading is never larger.
constexpr qreal kLargestRatio = 0.5;
constexpr qreal kSmallestRatio = 0.25;

// The options of a ruby field as its instruction writes them before \o: "\* jc2" names the
// alignment (0 centre, 1 distribute, 2 spread, 3 start, 4 end), "\* hps10" the reading's size
// in half points. basePoints is the base's size, for the ratio. Unknown parts are ignored.
Options ParseOptions(const QString& options, qreal basePoints);

// Offsets of the reading's characters from the start of a base `baseLength` long, for the
// characters' advances. A reading as long as its base or longer is packed and centred on it.
std::vector<qreal> Place(qreal baseLength, const std::vector<qreal>& advances, Align align);

// The part of a reading, [first, last) of its `readingCount` characters, drawn beside base
// characters [baseFirst, baseLast) of `baseCount` when a ruby word is split between lines:
// proportional to the base characters each line holds.
std::pair<int, int> SplitReading(int readingCount, int baseCount, int baseFirst, int baseLast);

}  // namespace RubyLayoutRules

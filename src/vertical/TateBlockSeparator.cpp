#include "vertical/TateBlockSeparator.h"

#include "core/HenkanJ.h"

std::string TateBlockSeparator::Text(int k, int lineCount, int spacing) {
    std::string text = "-";
    if ((lineCount - 1) * (spacing + 2) >= 40) {
        text.assign(40, '-');
    } else {
        for (int i = 0; i < lineCount; ++i) {
            text += "--";
            text.append(static_cast<std::size_t>(spacing), '-');
        }
    }
    const std::string number = HanToZen(std::to_string(k + 1));
    // 1-based position len div 2: after the first len div 2 - 1 hyphens.
    std::size_t at = text.size() / 2;
    at = at > 0 ? at - 1 : 0;
    text.insert(at, number);
    return text;
}

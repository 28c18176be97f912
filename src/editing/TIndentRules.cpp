#include "editing/TIndentRules.h"

TIndentRules::Result TIndentRules::Run(int selStart, int selLength, int lineStart, int indentLength,
                                       const std::function<void(int)>& insertAt,
                                       const std::function<int(int, int)>& findCrLf) {
    int caret = lineStart;
    int rest = selStart + selLength - lineStart;  // bytes from the caret to the selection's end
    int k = 0;
    for (;;) {
        ++k;
        insertAt(caret);
        const int q = caret + indentLength;
        const int h = findCrLf(q, q + rest);
        if (h < 0) break;
        caret = h + 2;  // the start of the next paragraph
        rest = selStart + selLength + k * indentLength - caret;
        if (rest <= 0) break;
    }
    return {k, selStart + indentLength, selLength + (k - 1) * indentLength};
}

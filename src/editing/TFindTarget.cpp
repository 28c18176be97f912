#include "editing/TFindTarget.h"

std::vector<int> TFindTarget::FindAll(const QString& text, int length, int start, int end) const {
    std::vector<int> out;
    for (int from = start; from < end;) {
        const int at = Find(text, from, end);
        if (at < 0) break;
        out.push_back(at);
        from = at + std::max(length, 1);
    }
    return out;
}

int TFindTarget::ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                               const std::function<void()>& done) {
    int shift = 0;
    for (int at : starts) {
        SetSelection(at + shift, length);
        const int start = SelStart();
        const int before = SelLength();
        ReplaceSelection(text);
        shift += SelStart() - start - before;
        done();
    }
    return shift;
}

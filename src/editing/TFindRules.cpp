#include "editing/TFindRules.h"

#include "controls/TSjisByteIndex.h"
#include "editing/TFindTarget.h"

namespace {
int FirstCharBytes(const QString& text) {
    return TFindRules::ByteLength(text.left(text.at(0).isHighSurrogate() ? 2 : 1));
}
}  // namespace

int TFindRules::ByteLength(const QString& text) {
    // "\r\n" counts two, as a paragraph end does.
    int n = 0;
    for (QChar c : text)
        n += (c == u'\r' || c == u'\n') ? 1 : TSjisByteIndex::UnitBytes(c.unicode());
    return n;
}

std::pair<int, int> TFindRules::ForwardWindow(TFindTarget& view, TFindState& state) {
    if (state.rangeEnd < 0) {
        if (state.selectionOnly) {
            state.rangeStart = view.SelStart();
            state.rangeEnd = view.SelStart() + view.SelLength();
            state.rangeIsSelection = true;
            view.SetSelection(view.SelStart(), 0);
        } else {
            state.rangeEnd = view.TextLength();
        }
    }
    const int from = view.SelStart() + view.SelLength();
    // The window ends at the range end exactly: a selection-only search never selects past it.
    // Without a selection range the text may have grown or shrunk since the range was set.
    const int end = state.rangeIsSelection ? state.rangeEnd : view.TextLength();
    return {from, end};
}

bool TFindRules::FindNext(TFindTarget& view, TFindState& state) {
    if (state.findText.isEmpty()) return false;
    const auto [from, end] = ForwardWindow(view, state);
    const int at = view.Find(state.findText, from, end);
    if (at < 0) return false;
    view.SetSelection(at, ByteLength(state.findText));
    return true;
}

bool TFindRules::FindPrevious(TFindTarget& view, TFindState& state) {
    if (state.findText.isEmpty()) return false;
    int limit = view.SelStart();
    if (state.rangeStart < 0) {
        if (state.selectionOnly) {
            state.rangeStart = view.SelStart();
            state.rangeEnd = view.SelStart() + view.SelLength();
            state.rangeIsSelection = true;
            limit = state.rangeEnd;
        } else {
            state.rangeStart = 0;
        }
    }
    // Step one character (of the search string's first character) past each match start, so
    // that a one-byte match right before the limit is not skipped.
    const int step = std::max(1, FirstCharBytes(state.findText));
    int last = -1;
    for (int from = state.rangeStart; from < limit;) {
        const int at = view.Find(state.findText, from, limit);
        if (at < 0) break;
        last = at;
        from = at + step;
    }
    if (last < 0) return false;
    view.SetSelection(last, ByteLength(state.findText));
    return true;
}

bool TFindRules::SelectionMatches(const TFindTarget& view, const TFindState& state) {
    return view.SelText().compare(state.findText, Qt::CaseInsensitive) == 0;
}

void TFindRules::Replacing(TFindTarget& view, TFindState& state) {
    const int start = view.SelStart();
    const int before = view.SelLength();
    view.ReplaceSelection(state.replaceText);
    const int after = view.SelStart() - start;
    // The range keeps covering the same text: its end moves with the change of length.
    if (state.rangeIsSelection && start < state.rangeEnd) state.rangeEnd += after - before;
}

bool TFindRules::Replace(TFindTarget& view, TFindState& state) {
    if (!SelectionMatches(view, state)) return false;
    Replacing(view, state);
    return true;
}

int TFindRules::ReplaceAllMatches(TFindTarget& view, TFindState& state,
                                  const std::function<void(int)>& progress) {
    if (state.findText.isEmpty()) return 0;
    const auto [from, end] = ForwardWindow(view, state);
    const int length = ByteLength(state.findText);
    // Each step would search from the end of the text it inserted, which is where the replaced
    // match ended in the text before: the matches follow one another without overlapping.
    const std::vector<int> starts = view.FindAll(state.findText, length, from, end);
    if (starts.empty()) return 0;
    int count = 0;
    const int shift =
        view.ReplaceRanges(starts, length, state.replaceText, [&] { progress(++count); });
    // Every match starts inside the range, whose end follows each change of length.
    if (state.rangeIsSelection) state.rangeEnd += shift;
    return count;
}

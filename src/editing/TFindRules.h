#pragma once
// Find next, find previous, replace and replace all over a view, in Shift-JIS byte positions.
// The dialog, the messages and the history are the caller's; these rules only move the
// selection, change the text and keep the search range.

#include <QString>
#include <functional>
#include <utility>

#include "editing/TFindState.h"

class TFindTarget;

class TFindRules {
public:
    // Byte length of a string as the views count it (two-byte characters 2, CR LF 2).
    static int ByteLength(const QString& text);

    // Searches forward from the end of the selection up to the range end (the selection when
    // selection-only is on and no range is set: the search then starts at its beginning). A
    // match is selected; false (selection unchanged) when there is none or the string is empty.
    static bool FindNext(TFindTarget& view, TFindState& state);

    // Selects the last match that starts at or after the range start and ends at or before the
    // selection start (the selection end when selection-only sets the range now). Candidates are
    // tried one character apart from the start of the previous match, so matches that overlap
    // are found as well. False when there is none.
    static bool FindPrevious(TFindTarget& view, TFindState& state);

    // True when the selected text is the search string, letter case ignored (an empty selection
    // matches an empty search string).
    static bool SelectionMatches(const TFindTarget& view, const TFindState& state);

    // Replaces the selection by the replacement string when it matches the search string.
    // Within a set range, the range end follows the change of length. True when replaced.
    static bool Replace(TFindTarget& view, TFindState& state);

    // From the present selection on: find next, and while it finds, replace. Each search starts
    // after the text just inserted, so a replacement that holds the search string ends. Returns
    // the number of replacements. progress (when given) is called after each replacement.
    // The matches are looked for at once and replaced in one pass (they are the ones the steps
    // would find: each search after an inserted text starts where the replaced match ended);
    // the selection, the range and the text end as the steps leave them.
    template <class Progress>
    static int ReplaceAll(TFindTarget& view, TFindState& state, Progress&& progress);
    static int ReplaceAll(TFindTarget& view, TFindState& state) {
        return ReplaceAll(view, state, [](int) {});
    }

private:
    static void Replacing(TFindTarget& view, TFindState& state);
    // Sets the search range on the first search, as find next does; returns the window
    // [from, end) the next forward search looks in.
    static std::pair<int, int> ForwardWindow(TFindTarget& view, TFindState& state);
    static int ReplaceAllMatches(TFindTarget& view, TFindState& state,
                                 const std::function<void(int)>& progress);
};

template <class Progress>
int TFindRules::ReplaceAll(TFindTarget& view, TFindState& state, Progress&& progress) {
    return ReplaceAllMatches(view, state, [&](int count) { progress(count); });
}

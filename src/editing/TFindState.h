#pragma once
// The find dialog's state as the find rules see it: the two strings, the selection-only switch
// and the search range (both ends -1 while unset; set by the first search after the dialog was
// left, cleared when it is left again).

#include <QString>

struct TFindState {
    QString findText;
    QString replaceText;
    bool selectionOnly = false;
    int rangeStart = -1;
    int rangeEnd = -1;
    // The range is the selection taken by a selection-only search; otherwise the search runs to
    // the end of the text as it stands at each search.
    bool rangeIsSelection = false;
    void ClearRange() {
        rangeStart = rangeEnd = -1;
        rangeIsSelection = false;
    }
};

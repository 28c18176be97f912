#pragma once
// One entry of the undo ring: the document of the active view and where the view stood.

#include "editing/TDocumentSnapshot.h"

struct TSnapshotEntry {
    TDocumentSnapshot document;
    int firstVisibleLine = 0;
    int selStart = 0;
    int selLength = 0;
};

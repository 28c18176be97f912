#include "editing/TViewSnapshot.h"

#include <QTextDocument>

#include "controls/TRichEditEx.h"

TSnapshotEntry TViewSnapshot::Capture(const TRichEditEx& view) {
    TSnapshotEntry e;
    if (view.Document()) e.document = TDocumentSnapshot::Capture(*view.Document());
    e.firstVisibleLine = view.FirstVisibleLine();
    e.selStart = view.SelStart();
    e.selLength = view.SelLength();
    return e;
}

void TViewSnapshot::Restore(TRichEditEx& view, const TSnapshotEntry& entry) {
    QTextDocument* doc = view.Document();
    if (!doc) return;
    view.BeginUpdate();
    entry.document.RestoreInto(doc);
    doc->setModified(true);
    view.SetSelection(entry.selStart, entry.selLength);
    view.LineScroll(entry.firstVisibleLine - view.FirstVisibleLine());
    view.EndUpdate();
}

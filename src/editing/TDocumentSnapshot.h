#pragma once
// A whole rich-text document kept in a compact form that is cheap to take and to copy: the raw
// text as one implicitly shared string, the document's own list of formats (shared with the
// document, which only ever appends to it) and, per paragraph, its block formats, its list and
// the runs of character formats as (length, format index). No rich-text writing or reading is
// involved, so taking a snapshot of a long novel costs a walk over its paragraphs and fragments.
//
// Restoring changes the document in place (the views that show it keep it), as one edit, and
// only where it differs from the snapshot: the paragraphs at the start and at the end that are
// alike in text, formats, list and character runs stay, and only the paragraphs between them
// are replaced, so that the views lay out again just that part. Documents with tables or other
// frames are kept as a copy of the document instead and are rebuilt whole.

#include <QList>
#include <QString>
#include <QTextFormat>
#include <QTextFrameFormat>
#include <QTextListFormat>
#include <memory>
#include <vector>

class QTextDocument;

class TDocumentSnapshot {
public:
    TDocumentSnapshot() = default;

    static TDocumentSnapshot Capture(const QTextDocument& doc);
    // Makes doc the snapshot: afterwards it holds the captured text with every character
    // format, paragraph format, list and the root frame's format. Does nothing for an empty
    // snapshot. The document's own undo history is cleared; its modified flag is left to the
    // caller.
    void RestoreInto(QTextDocument* doc) const;

    // True for a default-constructed snapshot (nothing captured).
    bool IsNull() const { return !data_; }
    // Characters of the document as captured (paragraph ends included).
    int CharacterCount() const;

private:
    struct Patch;  // the paragraph-wise comparison and replacement (TDocumentSnapshot.cpp)
    struct Run {
        int length;
        int format;  // index into formats
    };
    struct Block {
        int position;     // document position of the first character
        int blockFormat;  // index into formats
        int charFormat;   // the paragraph's own character format
        int firstRun;
        int runCount;
        int list;  // index into lists, -1 outside a list
    };
    struct Data {
        QString text;  // raw text of the document
        QList<QTextFormat> formats;
        QTextFrameFormat rootFrame;
        std::vector<Block> blocks;
        std::vector<Run> runs;
        std::vector<QTextListFormat> lists;
        // Documents with frames (tables …) are kept whole.
        std::shared_ptr<QTextDocument> copy;
    };
    // Replaces the whole content of doc (documents with frames on either side).
    void Rebuild(QTextDocument* doc) const;

    std::shared_ptr<const Data> data_;
};

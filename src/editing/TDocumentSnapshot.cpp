#include "editing/TDocumentSnapshot.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <algorithm>

namespace {

bool HasFrames(const QTextDocument& doc) {
    return !doc.rootFrame()->childFrames().isEmpty();
}

// A paragraph format without its link to a list object of the old document.
QTextBlockFormat Unlinked(const QTextFormat& f) {
    QTextBlockFormat b = f.toBlockFormat();
    b.clearProperty(QTextFormat::ObjectIndex);
    return b;
}

}  // namespace

TDocumentSnapshot TDocumentSnapshot::Capture(const QTextDocument& doc) {
    auto d = std::make_shared<Data>();
    d->rootFrame = doc.rootFrame()->frameFormat();
    if (HasFrames(doc)) {
        d->copy.reset(doc.clone());
        TDocumentSnapshot s;
        s.data_ = std::move(d);
        return s;
    }
    d->text = doc.toRawText();
    d->formats = doc.allFormats();
    d->blocks.reserve(size_t(doc.blockCount()));
    QHash<const QTextList*, int> listIds;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Block block{
            b.position(), b.blockFormatIndex(), b.charFormatIndex(), int(d->runs.size()), 0, -1};
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            d->runs.push_back({f.length(), f.charFormatIndex()});
        }
        block.runCount = int(d->runs.size()) - block.firstRun;
        if (const QTextList* list = b.textList()) {
            auto found = listIds.constFind(list);
            if (found == listIds.constEnd()) {
                found = listIds.insert(list, int(d->lists.size()));
                d->lists.push_back(list->format());
            }
            block.list = *found;
        }
        d->blocks.push_back(block);
    }
    TDocumentSnapshot s;
    s.data_ = std::move(d);
    return s;
}

int TDocumentSnapshot::CharacterCount() const {
    if (!data_) return 0;
    if (data_->copy) return data_->copy->characterCount();
    if (data_->blocks.empty()) return 0;
    const Block& last = data_->blocks.back();
    int n = last.position + 1;
    for (int r = 0; r < last.runCount; ++r) n += data_->runs[size_t(last.firstRun + r)].length;
    return n;
}

// Compares the snapshot with a document paragraph by paragraph and replaces the paragraphs
// that differ. Paragraphs are alike when their text (with the paragraph end), block format,
// paragraph character format, character runs and list agree; the lists of the document are
// matched one to one with the snapshot's as alike paragraphs show them.
struct TDocumentSnapshot::Patch {
    const Data& d;
    QTextDocument* doc;
    QList<QTextFormat> docFormats;
    std::vector<QTextList*> lists;  // per snapshot list, the document's list it is matched with
    QHash<const QTextList*, int> matchedLists;
    QHash<quint64, bool> sameFormat;  // (document index, snapshot index, as block format)

    Patch(const Data& data, QTextDocument* target)
        : d(data), doc(target), docFormats(target->allFormats()), lists(data.lists.size()) {}

    bool SameFormat(int docIndex, int snapIndex, bool block) {
        const quint64 key = (quint64(quint32(docIndex)) << 32) |
                            (quint64(quint32(snapIndex)) << 1) | (block ? 1 : 0);
        auto found = sameFormat.constFind(key);
        if (found != sameFormat.constEnd()) return *found;
        const QTextFormat& a = docFormats.at(docIndex);
        const QTextFormat& b = d.formats.at(snapIndex);
        const bool same = block ? Unlinked(a) == Unlinked(b) : a == b;
        sameFormat.insert(key, same);
        return same;
    }

    // True when the document's paragraph b (its text already known to be alike) is snapshot
    // paragraph i; a list match it relies on is recorded.
    bool SameBlock(const QTextBlock& b, const Block& s) {
        if (!SameFormat(b.blockFormatIndex(), s.blockFormat, true) ||
            !SameFormat(b.charFormatIndex(), s.charFormat, false))
            return false;
        // Runs may be cut in other places; every character must have the same format.
        int r = 0;
        int left = 0;  // of run r
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            for (int fragLeft = f.length(); fragLeft > 0;) {
                while (left == 0) {
                    if (r >= s.runCount) return false;
                    left = d.runs[size_t(s.firstRun + r++)].length;
                }
                const Run& run = d.runs[size_t(s.firstRun + r - 1)];
                if (!SameFormat(f.charFormatIndex(), run.format, false)) return false;
                const int n = std::min(left, fragLeft);
                left -= n;
                fragLeft -= n;
            }
        }
        while (left == 0 && r < s.runCount) left = d.runs[size_t(s.firstRun + r++)].length;
        if (left != 0) return false;
        const QTextList* list = b.textList();
        if (!list || s.list < 0) return !list && s.list < 0;
        QTextList*& matched = lists[size_t(s.list)];
        if (matched) return matched == list;
        if (matchedLists.contains(list) || list->format() != d.lists[size_t(s.list)]) return false;
        matched = const_cast<QTextList*>(list);
        matchedLists.insert(list, s.list);
        return true;
    }

    void InsertRuns(QTextCursor& c, const Block& b) {
        int pos = b.position;
        for (int r = 0; r < b.runCount; ++r) {
            const Run& run = d.runs[size_t(b.firstRun + r)];
            c.insertText(d.text.mid(pos, run.length), d.formats.at(run.format).toCharFormat());
            pos += run.length;
        }
    }

    void JoinList(QTextCursor& c, const Block& b) {
        if (b.list < 0) return;
        QTextList*& list = lists[size_t(b.list)];
        if (!list)
            list = c.createList(d.lists[size_t(b.list)]);
        else
            list->add(c.block());
    }

    // Snapshot paragraphs [from, to) as new paragraphs after the cursor's.
    void InsertBlocks(QTextCursor& c, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            const Block& b = d.blocks[i];
            c.insertBlock(Unlinked(d.formats.at(b.blockFormat)),
                          d.formats.at(b.charFormat).toCharFormat());
            InsertRuns(c, b);
            JoinList(c, b);
        }
    }

    void Apply() {
        const QString raw = doc->toRawText();
        const int docSize = int(raw.size());
        const int snapSize = int(d.text.size());
        const int both = std::min(docSize, snapSize);
        const int pre =
            int(std::mismatch(raw.begin(), raw.begin() + both, d.text.begin()).first - raw.begin());
        // The common end may overlap the common start ("aaa" against "aa"); paragraphs are
        // counted from both ends without overlapping, which is what matters.
        int suf = 0;
        while (suf < both && raw.at(docSize - 1 - suf) == d.text.at(snapSize - 1 - suf)) ++suf;

        const int docCount = doc->blockCount();
        const int snapCount = int(d.blocks.size());
        auto snapEnd = [&](int i) {
            return i + 1 < snapCount ? d.blocks[size_t(i) + 1].position : snapSize;
        };
        // Alike paragraphs at the start: wholly (paragraph end included) in the common start.
        int p = 0;
        QTextBlock b = doc->begin();
        for (; p < docCount && p < snapCount; ++p, b = b.next()) {
            const QTextBlock next = b.next();
            const int end = next.isValid() ? next.position() : docSize;
            if (end > pre || snapEnd(p) != end || !SameBlock(b, d.blocks[size_t(p)])) break;
        }
        // Alike paragraphs at the end: wholly in the common end, at the same distance from it.
        int s = 0;
        b = doc->lastBlock();
        for (; p + s < docCount && p + s < snapCount; ++s, b = b.previous()) {
            const Block& sb = d.blocks[size_t(snapCount - 1 - s)];
            if (docSize - b.position() > suf || snapSize - sb.position != docSize - b.position() ||
                !SameBlock(b, sb))
                break;
        }
        int docMiddle = docCount - p - s;
        int snapMiddle = snapCount - p - s;
        if (docMiddle == 0 && snapMiddle == 0) return;
        // At the very start, a paragraph can only be added or removed by rebuilding the first
        // paragraph that stays as well.
        if (p == 0 && (docMiddle == 0 || snapMiddle == 0)) {
            --s;
            ++docMiddle;
            ++snapMiddle;
        }
        QTextCursor c(doc);
        const QTextBlock first = doc->findBlockByNumber(p);
        const QTextBlock last = doc->findBlockByNumber(p + docMiddle - 1);
        if (snapMiddle == 0) {
            // Only paragraphs to remove: from the end of the paragraph before them.
            const QTextBlock before = first.previous();
            c.setPosition(before.position() + before.length() - 1);
            c.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
            c.removeSelectedText();
            return;
        }
        if (docMiddle == 0) {
            const QTextBlock before = doc->findBlockByNumber(p - 1);
            c.setPosition(before.position() + before.length() - 1);
            InsertBlocks(c, size_t(p), size_t(p + snapMiddle));
            return;
        }
        // The differing paragraphs become one empty paragraph, which takes the first
        // paragraph's place; the rest follow it.
        c.setPosition(first.position());
        c.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        QTextBlock kept = c.block();
        if (QTextList* list = kept.textList()) list->remove(kept);
        const Block& head = d.blocks[size_t(p)];
        c.setBlockFormat(Unlinked(d.formats.at(head.blockFormat)));
        c.setBlockCharFormat(d.formats.at(head.charFormat).toCharFormat());
        InsertRuns(c, head);
        JoinList(c, head);
        InsertBlocks(c, size_t(p + 1), size_t(p + snapMiddle));
    }
};

void TDocumentSnapshot::RestoreInto(QTextDocument* doc) const {
    if (!data_ || !doc) return;
    const Data& d = *data_;
    if (d.copy || HasFrames(*doc)) {
        Rebuild(doc);
        return;
    }
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.beginEditBlock();
    if (doc->rootFrame()->frameFormat() != d.rootFrame)
        doc->rootFrame()->setFrameFormat(d.rootFrame);
    Patch(d, doc).Apply();
    c.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

void TDocumentSnapshot::Rebuild(QTextDocument* doc) const {
    const Data& d = *data_;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    doc->rootFrame()->setFrameFormat(d.rootFrame);
    if (d.copy) {
        c.insertFragment(QTextDocumentFragment(d.copy.get()));
    } else {
        std::vector<QTextList*> lists(d.lists.size(), nullptr);
        for (size_t i = 0; i < d.blocks.size(); ++i) {
            const Block& b = d.blocks[i];
            const QTextBlockFormat bf = Unlinked(d.formats.at(b.blockFormat));
            const QTextCharFormat cf = d.formats.at(b.charFormat).toCharFormat();
            if (i == 0) {
                c.setBlockFormat(bf);
                c.setBlockCharFormat(cf);
            } else {
                c.insertBlock(bf, cf);
            }
            int pos = b.position;
            for (int r = 0; r < b.runCount; ++r) {
                const Run& run = d.runs[size_t(b.firstRun + r)];
                c.insertText(d.text.mid(pos, run.length), d.formats.at(run.format).toCharFormat());
                pos += run.length;
            }
            if (b.list >= 0) {
                QTextList*& list = lists[size_t(b.list)];
                if (!list)
                    list = c.createList(d.lists[size_t(b.list)]);
                else
                    list->add(c.block());
            }
        }
    }
    c.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

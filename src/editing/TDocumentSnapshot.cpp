#include "editing/TDocumentSnapshot.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>

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

void TDocumentSnapshot::RestoreInto(QTextDocument* doc) const {
    if (!data_ || !doc) return;
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

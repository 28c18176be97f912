#include "controls/TSjisByteWalker.h"

#include <QTextDocument>
#include <algorithm>

#include "controls/TSjisByteIndex.h"

TSjisByteWalker::TSjisByteWalker(QTextDocument* doc, const TSjisByteIndex* index)
    : doc_(doc), index_(index) {
    Enter(doc->begin());
}

void TSjisByteWalker::Enter(const QTextBlock& b) {
    block_ = b;
    text_ = b.text();
    const int n = b.blockNumber();
    paragraphStart_ = index_->ParagraphStart(n);
    paragraphBytes_ = index_->ParagraphBytes(n);
    offset_ = 0;
    bytes_ = 0;
}

void TSjisByteWalker::MoveTo(int offset) {
    if (offset < offset_) {
        offset_ = 0;
        bytes_ = 0;
    }
    for (; offset_ < offset; ++offset_)
        bytes_ += TSjisByteIndex::UnitBytes(text_[offset_].unicode());
}

int TSjisByteWalker::ByteOfPosition(int docPos) {
    if (docPos <= 0) return 0;
    if (docPos < block_.position() || docPos >= block_.position() + block_.length()) {
        const QTextBlock b = doc_->findBlock(docPos);
        if (!b.isValid()) return index_->TotalBytes();
        Enter(b);
    }
    const int inBlock = docPos - block_.position();
    if (inBlock >= text_.size()) return paragraphStart_ + paragraphBytes_;
    MoveTo(inBlock);
    return paragraphStart_ + bytes_;
}

int TSjisByteWalker::PositionOfByte(int bytePos) {
    if (bytePos <= 0) return 0;
    if (bytePos >= index_->TotalBytes()) return std::max(0, doc_->characterCount() - 1);
    if (bytePos < paragraphStart_) Enter(doc_->begin());
    // The paragraph that holds bytePos (its end included): forward from the present one.
    while (bytePos >= paragraphStart_ + paragraphBytes_ + 2 && block_.next().isValid())
        Enter(block_.next());
    const int offset = bytePos - paragraphStart_;
    if (offset >= paragraphBytes_) return block_.position() + int(text_.size());
    // The character that holds the byte.
    if (bytes_ > offset) MoveTo(0);
    while (offset_ < text_.size()) {
        const int w = TSjisByteIndex::UnitBytes(text_[offset_].unicode());
        if (bytes_ + w > offset) break;
        bytes_ += w;
        ++offset_;
    }
    return block_.position() + offset_;
}

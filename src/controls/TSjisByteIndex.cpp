#include "controls/TSjisByteIndex.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

TSjisByteIndex* TSjisByteIndex::For(QTextDocument* doc) {
    if (!doc) return nullptr;
    auto* index = doc->findChild<TSjisByteIndex*>(QString(), Qt::FindDirectChildrenOnly);
    return index ? index : new TSjisByteIndex(doc);
}

TSjisByteIndex::TSjisByteIndex(QTextDocument* doc) : QObject(doc), doc_(doc) {
    // A document reports its changes only once it has a layout; a document without a view
    // would otherwise change under the index unnoticed.
    doc->documentLayout();
    connect(doc, &QTextDocument::contentsChange, this, &TSjisByteIndex::OnContentsChange);
    Rebuild();
}

int TSjisByteIndex::UnitBytes(char16_t u) {
    if (u < 0x80) return 1;
    if (u >= 0xFF61 && u <= 0xFF9F) return 1;  // half-width katakana
    if (u == 0x00A5 || u == 0x203E) return 1;  // code page 932 writes these as 0x5C and 0x7E
    if (u >= 0xDC00 && u <= 0xDFFF) return 0;  // the high surrogate counted the pair
    return 2;  // two-byte characters, line and paragraph separators, unmappable characters
}

int TSjisByteIndex::TextBytes(QStringView text) {
    int n = 0;
    for (QChar c : text) n += UnitBytes(c.unicode());
    return n;
}

void TSjisByteIndex::Rebuild() {
    bytes_.clear();
    bytes_.reserve(size_t(doc_->blockCount()));
    for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next())
        bytes_.push_back(TextBytes(b.text()));
    dirtyFrom_ = 0;
}

void TSjisByteIndex::OnContentsChange(int from, int /*removed*/, int added) {
    const int count = doc_->blockCount();
    const int oldCount = int(bytes_.size());
    QTextBlock first = doc_->findBlock(from);
    QTextBlock last = doc_->findBlock(from + added);
    if (!first.isValid()) first = doc_->lastBlock();
    if (!last.isValid()) last = doc_->lastBlock();
    const int firstNo = first.blockNumber();
    const int newLast = last.blockNumber();
    const int oldLast = newLast - (count - oldCount);
    if (firstNo > newLast || oldLast < firstNo - 1 || oldLast >= oldCount) {
        Rebuild();
        return;
    }
    std::vector<int> fresh;
    fresh.reserve(size_t(newLast - firstNo + 1));
    for (QTextBlock b = first; b.isValid() && b.blockNumber() <= newLast; b = b.next())
        fresh.push_back(TextBytes(b.text()));
    bytes_.erase(bytes_.begin() + firstNo, bytes_.begin() + oldLast + 1);
    bytes_.insert(bytes_.begin() + firstNo, fresh.begin(), fresh.end());
    dirtyFrom_ = std::min(dirtyFrom_, firstNo);
}

void TSjisByteIndex::CheckShape() const {
    // A notification the index did not see (or one it could not place) shows as a different
    // paragraph count; measure everything again rather than answer wrongly.
    if (int(bytes_.size()) != doc_->blockCount()) const_cast<TSjisByteIndex*>(this)->Rebuild();
}

void TSjisByteIndex::EnsureSums() const {
    CheckShape();
    const int n = int(bytes_.size());
    if (int(sums_.size()) != n + 1) {
        sums_.resize(size_t(n) + 1);
        dirtyFrom_ = 0;
    }
    if (dirtyFrom_ >= n + 1) return;
    int from = std::max(dirtyFrom_, 0);
    if (from == 0) sums_[0] = 0;
    for (int i = std::max(from, 1); i <= n; ++i)
        sums_[size_t(i)] = sums_[size_t(i) - 1] + bytes_[size_t(i) - 1] + 2;
    dirtyFrom_ = n + 1;
}

int TSjisByteIndex::TotalBytes() const {
    EnsureSums();
    const int n = int(bytes_.size());
    return n == 0 ? 0 : sums_[size_t(n) - 1] + bytes_[size_t(n) - 1];
}

int TSjisByteIndex::ParagraphStart(int n) const {
    EnsureSums();
    n = std::clamp(n, 0, int(bytes_.size()));
    return sums_[size_t(n)];
}

int TSjisByteIndex::ByteOfPosition(int docPos) const {
    EnsureSums();
    if (docPos <= 0) return 0;
    QTextBlock b = doc_->findBlock(docPos);
    if (!b.isValid()) return TotalBytes();
    const int n = b.blockNumber();
    const int inBlock = docPos - b.position();
    const QString text = b.text();
    if (inBlock >= text.size()) return sums_[size_t(n)] + bytes_[size_t(n)];
    return sums_[size_t(n)] + TextBytes(QStringView(text).left(inBlock));
}

int TSjisByteIndex::PositionOfByte(int bytePos) const {
    EnsureSums();
    if (bytePos <= 0) return 0;
    const int n = int(bytes_.size());
    if (bytePos >= TotalBytes()) return std::max(0, doc_->characterCount() - 1);
    // Last paragraph whose start is at or before bytePos.
    auto it = std::upper_bound(sums_.begin(), sums_.begin() + n, bytePos);
    const int p = int(it - sums_.begin()) - 1;
    QTextBlock b = doc_->findBlockByNumber(p);
    const int offset = bytePos - sums_[size_t(p)];
    const QString text = b.text();
    if (offset >= bytes_[size_t(p)]) return b.position() + int(text.size());
    int acc = 0;
    for (int j = 0; j < text.size(); ++j) {
        const int w = UnitBytes(text[j].unicode());
        if (acc + w > offset) return b.position() + j;
        acc += w;
    }
    return b.position() + int(text.size());
}

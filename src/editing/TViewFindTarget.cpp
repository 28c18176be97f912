#include "editing/TViewFindTarget.h"

#include "controls/TRichEditEx.h"

int TViewFindTarget::SelStart() const {
    return view_.SelStart();
}

int TViewFindTarget::SelLength() const {
    return view_.SelLength();
}

void TViewFindTarget::SetSelection(int start, int length) {
    view_.SetSelection(start, length);
}

int TViewFindTarget::TextLength() const {
    return view_.TextLength();
}

QString TViewFindTarget::SelText() const {
    return view_.SelText();
}

void TViewFindTarget::ReplaceSelection(const QString& text) {
    view_.SetSelText(text);
}

int TViewFindTarget::Find(const QString& text, int start, int end) const {
    if (start >= end) return -1;
    return view_.FindText(text, start, end);
}

std::vector<int> TViewFindTarget::FindAll(const QString& text, int length, int start,
                                          int end) const {
    if (start >= end) return {};
    return view_.FindAllText(text, length, start, end);
}

int TViewFindTarget::ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                                   const std::function<void()>& done) {
    return view_.ReplaceRanges(starts, length, text, done);
}

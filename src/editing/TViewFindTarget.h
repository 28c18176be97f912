#pragma once
// The find rules' view of an editing view.

#include "editing/TFindTarget.h"

class TRichEditEx;

class TViewFindTarget : public TFindTarget {
public:
    explicit TViewFindTarget(TRichEditEx& view) : view_(view) {}
    int SelStart() const override;
    int SelLength() const override;
    void SetSelection(int start, int length) override;
    int TextLength() const override;
    QString SelText() const override;
    void ReplaceSelection(const QString& text) override;
    int Find(const QString& text, int start, int end) const override;
    // One scan and one edit block (TRichEditEx::FindAllText, ReplaceRanges).
    std::vector<int> FindAll(const QString& text, int length, int start, int end) const override;
    int ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                      const std::function<void()>& done) override;

private:
    TRichEditEx& view_;
};

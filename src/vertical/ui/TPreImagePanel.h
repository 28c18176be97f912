#pragma once
// The sample of vertical text on the HTML dialog's preview page: "あいうえお", "かきくけこ" and
// "ＡＢＣＤＥ" standing as three columns from right to left, with the markers A (lines per
// block), B (character spacing) and C (column spacing). The font switches of the dialog show
// their effect on the three samples.

#include <QFrame>
#include <array>

#include "core/ColorValue.h"

class QLabel;

class TPreImagePanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBaseSize = 12;  // points of the samples with no size switch

    explicit TPreImagePanel(QWidget* parent = nullptr);

    // The three sample columns, rightmost first.
    QLabel* Sample(int i) const { return samples_[std::size_t(i)]; }
    static QString SampleText(int i);

    void SetBackground(TColor color);
    // Name switch on: the three display fonts; off: every sample in the standard font.
    void SetFontNames(bool on, const QString& standardFont);
    void SetSizes(bool on);
    void SetStyles(bool on);
    void SetColors(bool on);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Place();
    std::array<QLabel*, 3> samples_{};
};

#include "vertical/ui/TPreImagePanel.h"

#include <QLabel>
#include <QPainter>

#include "controls/TRichEditEx.h"

namespace {
const char* const kTexts[3] = {"あいうえお", "かきくけこ", "ＡＢＣＤＥ"};
const char* const kDisplayFonts[3] = {"ＨＧｺﾞｼｯｸE-PRO", "HG正楷書体-PRO", "HG丸ｺﾞｼｯｸM-PRO"};
constexpr int kColumnWidth = 26;
constexpr int kColumnGap = 14;
constexpr int kTop = 26;
}  // namespace

TPreImagePanel::TPreImagePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PreImage"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumSize(170, 190);
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("PreLabel%1").arg(i + 1));
        QString vertical;
        for (QChar c : QString::fromUtf8(kTexts[i])) {
            if (!vertical.isEmpty()) vertical += QLatin1Char('\n');
            vertical += c;
        }
        l->setText(vertical);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        samples_[std::size_t(i)] = l;
    }
    SetFontNames(false, QStringLiteral("ＭＳ ゴシック"));
    SetSizes(false);
    SetStyles(false);
    SetColors(false);
}

QString TPreImagePanel::SampleText(int i) {
    return QString::fromUtf8(kTexts[i]);
}

void TPreImagePanel::SetBackground(TColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, TRichEditEx::ToQColor(color));
    setPalette(p);
}

void TPreImagePanel::SetFontNames(bool on, const QString& standardFont) {
    for (int i = 0; i < 3; ++i) {
        QFont f = samples_[std::size_t(i)]->font();
        f.setFamilies({on ? QString::fromUtf8(kDisplayFonts[i]) : standardFont});
        samples_[std::size_t(i)]->setFont(f);
    }
    Place();
}

void TPreImagePanel::SetSizes(bool on) {
    // "かきくけこ" 2 points smaller, "ＡＢＣＤＥ" 2 points larger.
    const int sizes[3] = {kBaseSize, on ? kBaseSize - 2 : kBaseSize,
                          on ? kBaseSize + 2 : kBaseSize};
    for (int i = 0; i < 3; ++i) {
        QFont f = samples_[std::size_t(i)]->font();
        f.setPointSize(sizes[i]);
        samples_[std::size_t(i)]->setFont(f);
    }
    Place();
}

void TPreImagePanel::SetStyles(bool on) {
    // Italic; bold underlined; struck out.
    for (int i = 0; i < 3; ++i) {
        QFont f = samples_[std::size_t(i)]->font();
        f.setItalic(on && i == 0);
        f.setBold(on && i == 1);
        f.setUnderline(on && i == 1);
        f.setStrikeOut(on && i == 2);
        samples_[std::size_t(i)]->setFont(f);
    }
    Place();
}

void TPreImagePanel::SetColors(bool on) {
    const QColor colors[3] = {Qt::blue, Qt::red, Qt::darkGreen};
    for (int i = 0; i < 3; ++i) {
        QPalette p = samples_[std::size_t(i)]->palette();
        p.setColor(QPalette::WindowText, on ? colors[i] : QColor(Qt::black));
        samples_[std::size_t(i)]->setPalette(p);
    }
}

void TPreImagePanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Place();
}

void TPreImagePanel::Place() {
    // Three columns from the right edge leftwards, the first line of the block on the right.
    const int right = width() - 34;
    for (int i = 0; i < 3; ++i) {
        QLabel* l = samples_[std::size_t(i)];
        const QSize hint = l->sizeHint();
        const int x = right - (i + 1) * kColumnWidth - i * kColumnGap;
        l->setGeometry(x, kTop, kColumnWidth, std::max(hint.height(), height() - kTop - 8));
    }
    update();
}

void TPreImagePanel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const int right = width() - 34;
    const int left = right - 3 * kColumnWidth - 2 * kColumnGap;
    // A: across the three columns (the lines of one block).
    p.drawLine(left, 12, right, 12);
    p.drawLine(left, 8, left, 16);
    p.drawLine(right, 8, right, 16);
    p.drawText(QRect(left, 0, right - left, 12), Qt::AlignCenter, QStringLiteral("A"));
    // B: beside the first column, between two characters (the character spacing).
    const QLabel* first = samples_[0];
    const int lineH = first->fontMetrics().lineSpacing();
    const int bx = right + 8;
    const int by = kTop + lineH;
    p.drawLine(bx, by - 3, bx + 8, by - 3);
    p.drawLine(bx, by + 3, bx + 8, by + 3);
    p.drawText(QRect(bx + 10, by - 8, 16, 16), Qt::AlignCenter, QStringLiteral("B"));
    // C: under the gap between the first and the second column (the column spacing).
    const int gapRight = right - kColumnWidth;
    const int gapLeft = gapRight - kColumnGap;
    const int cy = height() - 14;
    p.drawLine(gapLeft, cy, gapRight, cy);
    p.drawText(QRect(gapLeft - 4, cy - 14, kColumnGap + 8, 12), Qt::AlignCenter,
               QStringLiteral("C"));
}

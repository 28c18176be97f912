#include "vertical/ui/TScrollingLabel.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int kStepPixels = 2;
constexpr int kStepMs = 30;
}  // namespace

TScrollingLabel::TScrollingLabel(const QString& text, QWidget* parent)
    : QFrame(parent), text_(text), timer_(new QTimer(this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    timer_->setInterval(kStepMs);
    connect(timer_, &QTimer::timeout, this, &TScrollingLabel::Step);
}

void TScrollingLabel::SetText(const QString& text) {
    text_ = text;
    offset_ = 0;
    update();
}

void TScrollingLabel::Start() {
    offset_ = 0;
    timer_->start();
    update();
}

void TScrollingLabel::Stop() {
    timer_->stop();
}

bool TScrollingLabel::Scrolling() const {
    return timer_->isActive();
}

void TScrollingLabel::Step() {
    offset_ += kStepPixels;
    // Through once the text's end has left the left edge: in again from the right.
    if (offset_ > contentsRect().width() + fontMetrics().horizontalAdvance(text_)) offset_ = 0;
    update();
}

QSize TScrollingLabel::sizeHint() const {
    const int h = fontMetrics().height() + 2 * frameWidth() + 6;
    return {200, h};
}

void TScrollingLabel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    const QRect r = contentsRect().adjusted(3, 0, -3, 0);
    p.setClipRect(r);
    const int x = timer_->isActive() ? r.right() - offset_ : r.left();
    p.drawText(QRect(x, r.top(), fontMetrics().horizontalAdvance(text_) + 4, r.height()),
               Qt::AlignVCenter | Qt::AlignLeft, text_);
}

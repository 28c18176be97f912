#include "controls/TanlRuler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
// Across the scale, from the outer edge: the first-line marker hangs in [0, 7], the band of
// the scale fills [5, 19], the left and right markers stand in [11, 18], the foot in [19, 24].
constexpr int kHalf = 4;
constexpr int kFirstTip = 7;
constexpr int kBandTop = 5;
constexpr int kBandBottom = 19;
constexpr int kStandTip = 11;
constexpr int kStandBase = 18;
constexpr int kFootTop = 19;
constexpr int kFootBottom = 24;
constexpr int kGrab = 5;  // pixels either side of a marker that still grab it

QPainterPath Triangle(int along, int base, int tip) {
    QPainterPath path;
    path.moveTo(along - kHalf, base);
    path.lineTo(along + kHalf, base);
    path.lineTo(along, tip);
    path.closeSubpath();
    return path;
}
}  // namespace

TanlRuler::TanlRuler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ruler"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(kThickness);
    setMouseTracking(false);
}

void TanlRuler::SetFirstIndent(int px) {
    first_ = px;
    update();
}
void TanlRuler::SetLeftIndent(int px) {
    left_ = px;
    update();
}
void TanlRuler::SetRightIndent(int px) {
    right_ = px;
    update();
}
void TanlRuler::SetIndents(int first, int left, int right) {
    first_ = first;
    left_ = left;
    right_ = right;
    update();
}

void TanlRuler::SetLeftMargin(int px) {
    margin_ = px;
    update();
}

int TanlRuler::ClientWidth() const {
    return clientWidth_ > 0 ? clientWidth_ : Length();
}

void TanlRuler::SetClientWidth(int px) {
    clientWidth_ = std::max(0, px);
    update();
}

void TanlRuler::SetStep(int px) {
    step_ = std::max(2, px);
    update();
}

void TanlRuler::SetOrientation(Qt::Orientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    if (o == Qt::Horizontal) {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
        setFixedHeight(kThickness);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        setFixedWidth(kThickness);
    }
    updateGeometry();
    update();
}

QSize TanlRuler::sizeHint() const {
    return orientation_ == Qt::Horizontal ? QSize(400, kThickness) : QSize(kThickness, 400);
}

QSize TanlRuler::minimumSizeHint() const {
    return orientation_ == Qt::Horizontal ? QSize(0, kThickness) : QSize(kThickness, 0);
}

int TanlRuler::Along(const QPoint& p) const {
    return orientation_ == Qt::Horizontal ? p.x() : p.y();
}

int TanlRuler::Across(const QPoint& p) const {
    return orientation_ == Qt::Horizontal ? p.y() : width() - p.x();
}

int TanlRuler::Length() const {
    return orientation_ == Qt::Horizontal ? width() : height();
}

int TanlRuler::Clamp(int position) const {
    return std::clamp(position, 0, std::max(0, ClientWidth()));
}

TanlRuler::Marker TanlRuler::MarkerAt(const QPoint& p) const {
    const int a = Along(p);
    const int c = Across(p);
    auto near = [&](int pos) { return std::abs(a - (margin_ + pos)) <= kGrab; };
    if (c >= 0 && c <= kFirstTip + 1 && near(first_)) return FirstMarker;
    if (c >= kFootTop && c <= kThickness && near(left_)) {
        // The right marker has no foot: below the stands the nearer of the two is meant.
        if (!near(right_) || std::abs(a - margin_ - left_) <= std::abs(a - margin_ - right_))
            return BothMarker;
    }
    if (c >= kStandTip - 1 && c <= kThickness) {
        const bool l = near(left_);
        const bool r = near(right_);
        if (l && r)
            return std::abs(a - margin_ - left_) <= std::abs(a - margin_ - right_) ? LeftMarker
                                                                                   : RightMarker;
        if (l) return LeftMarker;
        if (r) return RightMarker;
    }
    return NoMarker;
}

QPoint TanlRuler::MarkerPoint(Marker m) const {
    int pos = 0;
    int across = 0;
    switch (m) {
        case FirstMarker:
            pos = first_;
            across = 3;
            break;
        case LeftMarker:
            pos = left_;
            across = 15;
            break;
        case RightMarker:
            pos = right_;
            across = 15;
            break;
        case BothMarker:
            pos = left_;
            across = 22;
            break;
        default:
            return {};
    }
    const int a = margin_ + pos;
    return orientation_ == Qt::Horizontal ? QPoint(a, across) : QPoint(width() - across, a);
}

void TanlRuler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    if (orientation_ == Qt::Vertical) {
        // Drawn as lying across the top, then stood upright with its inner edge on the left.
        p.translate(width(), 0);
        p.rotate(90);
    }
    const int length = Length();
    const int cw = ClientWidth();
    // The band of the scale: the text's span in the base colour, the rest shaded.
    const QRect band(margin_, kBandTop, cw, kBandBottom - kBandTop);
    p.fillRect(QRect(0, kBandTop, length, kBandBottom - kBandTop), pal.color(QPalette::Mid));
    p.fillRect(band, pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(band.adjusted(0, 0, -1, -1));

    // Steps from a first-line indent of 0 (two pixels in); every fifth longer, every tenth
    // numbered.
    QFont small = font();
    small.setPixelSize(8);
    p.setFont(small);
    p.setPen(pal.color(QPalette::Text));
    const int zero = margin_ + 2;
    const int mid = (kBandTop + kBandBottom) / 2;
    for (int k = 1;; ++k) {
        const int a = zero + k * step_;
        if (a > margin_ + cw || a > length) break;
        if (k % 10 == 0) {
            p.drawText(QRect(a - 12, kBandTop, 24, kBandBottom - kBandTop), Qt::AlignCenter,
                       QString::number(k));
        } else if (k % 5 == 0) {
            p.drawLine(a, mid - 3, a, mid + 3);
        } else {
            p.drawLine(a, mid - 1, a, mid + 1);
        }
    }

    // Markers.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pal.color(QPalette::Shadow), 1));
    p.setBrush(pal.color(QPalette::Button));
    const int f = margin_ + first_;
    const int l = margin_ + left_;
    const int r = margin_ + right_;
    p.drawPath(Triangle(f, 0, kFirstTip));
    p.drawPath(Triangle(l, kStandBase, kStandTip));
    p.drawRect(QRectF(l - kHalf, kFootTop, 2 * kHalf, kFootBottom - kFootTop));
    p.drawPath(Triangle(r, kStandBase, kStandTip));
    if (drag_ != NoMarker) {
        // A guide across the band where the dragged marker is.
        const int a = drag_ == RightMarker ? r : drag_ == FirstMarker ? f : l;
        p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawLine(a, kBandTop, a, kBandBottom);
    }
}

void TanlRuler::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    drag_ = MarkerAt(e->position().toPoint());
    if (drag_ == NoMarker) return;
    startFirst_ = first_;
    startLeft_ = left_;
    startRight_ = right_;
    const int pos = drag_ == RightMarker ? right_ : drag_ == FirstMarker ? first_ : left_;
    grabOffset_ = Along(e->position().toPoint()) - margin_ - pos;
    update();
}

void TanlRuler::DragTo(int along) {
    const int pos = Clamp(along - margin_ - grabOffset_);
    switch (drag_) {
        case FirstMarker:
            first_ = pos;
            break;
        case LeftMarker:
            left_ = pos;
            break;
        case RightMarker:
            right_ = pos;
            break;
        case BothMarker: {
            // Both keep their distance; neither leaves the scale.
            const int lo = -std::min(startFirst_, startLeft_);
            const int hi = std::max(lo, ClientWidth() - std::max(startFirst_, startLeft_));
            const int delta = std::clamp(pos - startLeft_, lo, hi);
            first_ = startFirst_ + delta;
            left_ = startLeft_ + delta;
            break;
        }
        default:
            return;
    }
    update();
}

void TanlRuler::mouseMoveEvent(QMouseEvent* e) {
    if (drag_ == NoMarker) return;
    DragTo(Along(e->position().toPoint()));
}

void TanlRuler::mouseReleaseEvent(QMouseEvent* e) {
    if (drag_ == NoMarker || e->button() != Qt::LeftButton) return;
    DragTo(Along(e->position().toPoint()));
    const Marker m = drag_;
    drag_ = NoMarker;
    update();
    if (first_ != startFirst_ || left_ != startLeft_ || right_ != startRight_)
        emit IndentChange(int(m));
}

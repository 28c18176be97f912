#include "print/TPageRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

#include "controls/TVerticalLayout.h"
#include "controls/TVerticalPainter.h"

TPageRenderer::TPageRenderer(QTextDocument* document, bool vertical)
    : doc_(document), vertical_(vertical) {}

TPageRenderer::~TPageRenderer() = default;

void TPageRenderer::SetVertical(bool vertical) {
    if (vertical == vertical_) return;
    vertical_ = vertical;
    dirty_ = true;
}

void TPageRenderer::SetElementSize(const QSizeF& mm) {
    if (mm == elementMm_) return;
    elementMm_ = mm;
    dirty_ = true;
}

bool TPageRenderer::Stale() const {
    return dirty_ || !doc_ || doc_->revision() != revision_;
}

void TPageRenderer::Paginate() {
    if (!Stale()) return;
    dirty_ = false;
    pageStarts_.clear();
    lineSpans_.clear();
    if (!doc_) return;
    revision_ = doc_->revision();
    const qreal width = std::max<qreal>(1, elementMm_.width() * kPixelsPerMm);
    const qreal height = std::max<qreal>(1, elementMm_.height() * kPixelsPerMm);
    if (vertical_) {
        copy_.reset();
        if (!layout_) layout_ = std::make_unique<TVerticalLayout>(doc_.data());
        layout_->SetEagerEdits(false);
        layout_->CheckDefaultFont();
        layout_->SetColumnHeight(height);
        const int count = layout_->ColumnCount();
        for (int first = 0; first < count;) {
            pageStarts_.push_back(first);
            first = TVerticalPainter::LastColumnWithin(*layout_, first, width) + 1;
        }
        if (pageStarts_.empty()) pageStarts_.push_back(0);
    } else {
        layout_.reset();
        copy_.reset(doc_->clone());
        copy_->setDefaultFont(doc_->defaultFont());
        copy_->setDocumentMargin(0);
        copy_->setTextWidth(width);
        // Whole lines to a page: a line that would reach past the page's height begins the
        // next page.
        QAbstractTextDocumentLayout* lay = copy_->documentLayout();
        for (QTextBlock b = copy_->begin(); b.isValid(); b = b.next()) {
            const QRectF br = lay->blockBoundingRect(b);
            QTextLayout* tl = b.layout();
            for (int i = 0; tl && i < tl->lineCount(); ++i) {
                const QTextLine line = tl->lineAt(i);
                const qreal top = br.top() + line.y();
                const qreal bottom = top + line.height();
                if (lineSpans_.empty())
                    lineSpans_.emplace_back(0, bottom);
                else if (bottom - lineSpans_.back().first > height + 0.01)
                    lineSpans_.emplace_back(top, bottom);
                else
                    lineSpans_.back().second = std::max(lineSpans_.back().second, bottom);
            }
        }
        if (lineSpans_.empty()) lineSpans_.emplace_back(0, height);
    }
}

int TPageRenderer::PageCount() {
    Paginate();
    return static_cast<int>(vertical_ ? pageStarts_.size() : lineSpans_.size());
}

int TPageRenderer::FirstColumn(int page) {
    Paginate();
    if (!vertical_ || page < 0 || page >= static_cast<int>(pageStarts_.size())) return -1;
    return pageStarts_[static_cast<size_t>(page)];
}

int TPageRenderer::LastColumn(int page) {
    Paginate();
    if (!vertical_ || page < 0 || page >= static_cast<int>(pageStarts_.size())) return -1;
    if (page + 1 < static_cast<int>(pageStarts_.size()))
        return pageStarts_[static_cast<size_t>(page + 1)] - 1;
    return layout_->ColumnCount() - 1;
}

QString TPageRenderer::PageText(int page) {
    if (page < 0 || page >= PageCount()) return {};
    QString text;
    if (vertical_) {
        const int last = LastColumn(page);
        for (int g = FirstColumn(page); g <= last; ++g) {
            const TVerticalLayout::ColumnRef c = layout_->Column(g);
            if (!c.valid()) break;
            const int a = layout_->ColumnStart(c);
            const int b = layout_->ColumnEnd(c);
            QTextCursor cur(doc_.data());
            cur.setPosition(a);
            cur.setPosition(b, QTextCursor::KeepAnchor);
            text += cur.selectedText().remove(QChar::ParagraphSeparator);
        }
        return text;
    }
    const auto [pageTop, pageBottom] = lineSpans_[static_cast<size_t>(page)];
    QAbstractTextDocumentLayout* lay = copy_->documentLayout();
    for (QTextBlock b = copy_->begin(); b.isValid(); b = b.next()) {
        const QRectF br = lay->blockBoundingRect(b);
        QTextLayout* tl = b.layout();
        for (int i = 0; tl && i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const qreal y = br.top() + line.y();
            if (y >= pageTop - 0.01 && y + line.height() <= pageBottom + 0.01)
                text += b.text().mid(line.textStart(), line.textLength());
        }
    }
    return text;
}

void TPageRenderer::PaintPage(QPainter& painter, int page, QPointF elementTopLeft,
                              qreal dotsPerMm) {
    if (page < 0 || page >= PageCount()) return;
    painter.save();
    painter.translate(elementTopLeft);
    painter.scale(dotsPerMm / kPixelsPerMm, dotsPerMm / kPixelsPerMm);
    const qreal width = elementMm_.width() * kPixelsPerMm;
    const qreal height = elementMm_.height() * kPixelsPerMm;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (vertical_) {
        TVerticalPaintOptions options;
        options.text = Qt::black;
        options.readableText = true;
        TVerticalPainter::PaintRange(painter, *layout_, FirstColumn(page), LastColumn(page),
                                     QPointF(width, 0), options);
    } else {
        const auto [pageTop, pageBottom] = lineSpans_[static_cast<size_t>(page)];
        const QRectF shown(0, pageTop, width, std::min(height, pageBottom - pageTop));
        painter.translate(0, -pageTop);
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = shown;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        copy_->documentLayout()->draw(&painter, ctx);
    }
    painter.restore();
}

bool TPageRenderer::PrintPage(QPainter& painter, QPagedPaintDevice& device, int page, bool first,
                              QPointF elementTopLeftMm) {
    if (!first && !device.newPage()) return false;
    const qreal dotsPerMm = device.logicalDpiX() / 25.4;
    PaintPage(painter, page, elementTopLeftMm * dotsPerMm, dotsPerMm);
    return true;
}

#include "controls/TColorSwatchDelegate.h"

#include <QPainter>

#include "controls/QtColor.h"

TColorSwatchDelegate::TColorSwatchDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TColorSwatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const TColor color = TColor(index.data(ColorRole).toUInt());
    PaintEntry(painter, option.rect, index.data(Qt::DisplayRole).toString(), color, showName_,
               selected, option.palette, option.font);
}

QSize TColorSwatchDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(itemHeight_);
    s.setWidth(s.width() + 30);
    return s;
}

void TColorSwatchDelegate::PaintEntry(QPainter* painter, const QRect& rect, const QString& name,
                                      TColor color, bool showName, bool selected,
                                      const QPalette& palette, const QFont& font) {
    painter->save();
    const QColor fill = QtColor::ToQColor(color);
    if (!showName) {
        painter->fillRect(rect, fill.isValid() ? fill : palette.color(QPalette::Base));
        if (selected) {
            painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
            painter->drawRect(rect.adjusted(1, 1, -1, -1));
        }
        painter->restore();
        return;
    }
    painter->fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    // Swatch from (left + 2, top + 2) to (left + 26, bottom - 2), outline included.
    const QRect swatch(QPoint(rect.left() + 2, rect.top() + 2),
                       QPoint(rect.left() + 26, rect.bottom() - 2));
    painter->setPen(Qt::black);
    if (fill.isValid()) {
        painter->fillRect(swatch, fill);
    } else {
        painter->fillRect(swatch, Qt::white);
        painter->drawLine(swatch.bottomLeft(), swatch.topRight());
    }
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->setFont(font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect(QPoint(rect.left() + 30, rect.top() + 1), rect.bottomRight());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
    painter->restore();
}

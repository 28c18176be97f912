#pragma once
// Draws the entries of the colour box: a swatch of the entry's colour and its name, or (without
// names) a bar of the colour filling the entry.

#include <QStyledItemDelegate>

#include "core/ColorValue.h"

class TColorSwatchDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Item data role that holds the entry's colour value (TColor as uint).
    static constexpr int ColorRole = Qt::UserRole + 1;

    explicit TColorSwatchDelegate(QObject* parent = nullptr);

    bool showName() const { return showName_; }
    void setShowName(bool on) { showName_ = on; }
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int h) { itemHeight_ = h; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // One entry in rect: with showName the rectangle is filled with the background (the
    // highlight when selected), a swatch from (left + 2, top + 2) to (left + 26, bottom - 2) in
    // the colour with a black outline, and the name from (left + 30, top + 1); without it the
    // whole rectangle is the colour. A value without a colour (clNone) gets an empty swatch
    // crossed by a diagonal.
    static void PaintEntry(QPainter* painter, const QRect& rect, const QString& name, TColor color,
                           bool showName, bool selected, const QPalette& palette,
                           const QFont& font);

private:
    bool showName_ = true;
    int itemHeight_ = 14;
};

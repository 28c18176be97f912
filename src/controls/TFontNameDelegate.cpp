#include "controls/TFontNameDelegate.h"

#include <QPainter>
#include <QPixmap>

TFontNameDelegate::Look TFontNameDelegate::LookOf(const QString& name, const QStringList& japanese,
                                                  const QStringList& scalable, bool shiftJisMode) {
    Look look;
    look.text = japanese.contains(name) ? QColor(Qt::black) : QColor(0x66, 0x66, 0x66);
    look.mark = !scalable.contains(name) ? NoMark
                : shiftJisMode           ? ScalableMark
                                         : ScalableMarkSjisOff;
    return look;
}

QPixmap TFontNameDelegate::MarkPixmap(Mark mark) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    if (mark == NoMark) return pm;
    // Two overlapping letters "T" as on an outline-font sign: blue while Shift-JIS mode is on,
    // green while it is off.
    const QColor back = mark == ScalableMark ? QColor(0x1f, 0x4e, 0xa8) : QColor(0x2e, 0x8b, 0x3a);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::NoPen);
    p.setBrush(back.lighter(160));
    p.drawRoundedRect(QRectF(1.5, 1.5, 9, 9), 1.5, 1.5);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(5.5, 5.5, 9, 9), 1.5, 1.5);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 9, 9), Qt::AlignCenter, QStringLiteral("T"));
    p.drawText(QRectF(5.5, 5.5, 9, 9), Qt::AlignCenter, QStringLiteral("T"));
    return pm;
}

TFontNameDelegate::TFontNameDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TFontNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QString name = index.data(Qt::DisplayRole).toString();
    const Look look = lookOf_ ? lookOf_(name) : Look{QColor(Qt::black), NoMark};
    const QRect r = option.rect;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    if (look.mark != NoMark) painter->drawPixmap(r.left() + 1, r.top() - 1, MarkPixmap(look.mark));
    QFont f(name);
    f.setPointSize(9);
    painter->setFont(f);
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : look.text);
    painter->drawText(QRect(r.left() + 22, r.top() + 1, r.width() - 22, r.height() - 1),
                      Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->restore();
}

QSize TFontNameDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(kItemHeight);
    s.setWidth(s.width() + 22);
    return s;
}

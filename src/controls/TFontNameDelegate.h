#pragma once
// Draws the items of the font name box: each name in its own font at 9 points, black for a
// Japanese font and grey for the others, with a small mark before the names of scalable
// (outline) fonts. The mark has two faces: one while Shift-JIS mode is on, one while it is off.

#include <QColor>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

class TFontNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum Mark { NoMark = -1, ScalableMark = 30, ScalableMarkSjisOff = 31 };
    struct Look {
        QColor text;
        Mark mark;
    };
    static constexpr int kItemHeight = 18;

    // How one name is drawn, from the Japanese and scalable font lists and the mode.
    static Look LookOf(const QString& name, const QStringList& japanese,
                       const QStringList& scalable, bool shiftJisMode);
    // The mark's picture (16 x 16).
    static QPixmap MarkPixmap(Mark mark);

    explicit TFontNameDelegate(QObject* parent = nullptr);
    // Where the delegate learns the look of a name (the lists and the mode live elsewhere).
    void SetLookOf(std::function<Look(const QString&)> lookOf) { lookOf_ = std::move(lookOf); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<Look(const QString&)> lookOf_;
};

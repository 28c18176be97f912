#pragma once
// One band of a bar area: a tool bar with its identity, its caption shown at its start (when
// captions are on) and the length it asks for in its row. A band is dragged within the bar
// areas of its window only: let go anywhere else, it returns to where it stood.

#include <QToolBar>

class QLabel;

class TBand : public QToolBar {
    Q_OBJECT
public:
    TBand(int id, const QString& caption, QWidget* parent = nullptr);

    int Id() const { return id_; }
    QString Caption() const { return windowTitle(); }
    void SetCaptionShown(bool shown);
    bool CaptionShown() const;
    // Length along the band's row (width in the top area, height in the right-hand area) the
    // band asks for; it never asks for less than its tools need.
    void SetPreferredLength(int length);
    int PreferredLength() const { return preferred_; }
    // Length it has in its row now.
    int Length() const { return orientation() == Qt::Horizontal ? width() : height(); }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;

private:
    // Where the bands of the window stood when a drag began.
    QByteArray placesBeforeDrag_;
    int id_;
    int preferred_ = 0;
    QLabel* caption_ = nullptr;
    QAction* captionAction_ = nullptr;
};

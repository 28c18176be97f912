#pragma once
// The ruler of the editing panel: a scale with three indent markers that the mouse drags.
//
// Marker positions are pixels along the scale, counted from the origin (LeftMargin, a pixel of
// the widget along its length). The first-line marker hangs from the outer edge; the left
// marker stands on the inner edge, on a foot that moves it together with the first-line
// marker; the right marker stands on the inner edge too. The inner edge is the one that faces
// the text: the bottom when the ruler lies across the top of the text, the left side when it
// stands upright beside vertical columns (the scale then runs top to bottom).
//
// When a drag ends with a marker moved, IndentChange names the marker: 0 first-line, 1 left,
// 2 right, 3 the foot (first-line and left together). A press that ends where it began changes
// nothing and reports nothing.

#include <QWidget>

class TanlRuler : public QWidget {
    Q_OBJECT
public:
    enum Marker { FirstMarker = 0, LeftMarker = 1, RightMarker = 2, BothMarker = 3, NoMarker = -1 };
    static constexpr int kThickness = 25;
    static constexpr int kDefaultMargin = 20;

    explicit TanlRuler(QWidget* parent = nullptr);

    int FirstIndent() const { return first_; }
    int LeftIndent() const { return left_; }
    int RightIndent() const { return right_; }
    void SetFirstIndent(int px);
    void SetLeftIndent(int px);
    void SetRightIndent(int px);
    void SetIndents(int first, int left, int right);

    // The widget pixel along the length where position 0 lies.
    int LeftMargin() const { return margin_; }
    void SetLeftMargin(int px);
    // Length of the scale. Unless set (0), the widget's own length.
    int ClientWidth() const;
    void SetClientWidth(int px);
    // Pixels of one scale step (a character of the text); every tenth step is numbered.
    int Step() const { return step_; }
    void SetStep(int px);

    Qt::Orientation Orientation() const { return orientation_; }
    void SetOrientation(Qt::Orientation o);

    // A marker is being dragged.
    bool Dragging() const { return drag_ != NoMarker; }

    // The marker under a widget point, NoMarker when none.
    Marker MarkerAt(const QPoint& p) const;
    // Widget point at the middle of a marker's handle (tests, hints).
    QPoint MarkerPoint(Marker m) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void IndentChange(int marker);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Along and across the scale; across 0 is the outer edge.
    int Along(const QPoint& p) const;
    int Across(const QPoint& p) const;
    int Length() const;
    int Clamp(int position) const;
    void DragTo(int along);

    Qt::Orientation orientation_ = Qt::Horizontal;
    int first_ = 0;
    int left_ = 0;
    int right_ = 330;
    int margin_ = kDefaultMargin;
    int clientWidth_ = 0;
    int step_ = 16;
    // Drag state.
    Marker drag_ = NoMarker;
    int grabOffset_ = 0;  // pointer less marker position at the press
    int startFirst_ = 0;
    int startLeft_ = 0;
    int startRight_ = 0;
};

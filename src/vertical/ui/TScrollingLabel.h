#pragma once
// A one-line text that scrolls from right to left through its frame and starts again once it
// has scrolled through.

#include <QFrame>
#include <QString>

class QTimer;

class TScrollingLabel : public QFrame {
    Q_OBJECT
public:
    explicit TScrollingLabel(const QString& text, QWidget* parent = nullptr);

    QString Text() const { return text_; }
    void SetText(const QString& text);
    // Starts the scrolling from the right edge.
    void Start();
    void Stop();
    bool Scrolling() const;
    // Pixels the text has moved since it entered at the right edge.
    int Offset() const { return offset_; }
    // Moves by one step (the timer's tick).
    void Step();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString text_;
    QTimer* timer_;
    int offset_ = 0;
};

#pragma once
// A check button of the format bar with a third, indeterminate state: shown when the style it
// stands for covers only part of the selection. A click clears the indeterminate state and
// toggles the button as usual.

#include <QToolButton>

class TStyleButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(bool Indeterminate READ Indeterminate WRITE SetIndeterminate)
public:
    explicit TStyleButton(QWidget* parent = nullptr);

    bool Indeterminate() const { return indeterminate_; }
    // Indeterminate: the button stands up, drawn with a hatched grey face.
    void SetIndeterminate(bool on);

protected:
    void paintEvent(QPaintEvent* e) override;
    void nextCheckState() override;

private:
    bool indeterminate_ = false;
};

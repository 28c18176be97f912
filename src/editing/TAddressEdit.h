#pragma once
// The address box: the first click after entering it selects the whole address, later clicks
// place the caret; Enter and leaving the box are reported to the address bar.

#include <QLineEdit>

class TAddressEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TAddressEdit(QWidget* parent = nullptr);
    bool clickSelect() const { return clickSelect_; }

signals:
    void enterPressed();
    void left();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool clickSelect_ = false;
};

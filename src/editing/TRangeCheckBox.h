#pragma once
// The find dialog's "search only within the selected region" box: a mouse-up clears it
// whenever it is checked, so a mouse click never leaves it checked. The dialog's opening preset
// and the keyboard (Space) are the ways to check it.

#include <QCheckBox>

class TRangeCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

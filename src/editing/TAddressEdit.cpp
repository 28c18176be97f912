#include "editing/TAddressEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

TAddressEdit::TAddressEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("AddressEdit"));
}

void TAddressEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (!clickSelect_) selectAll();
    clickSelect_ = true;
}

void TAddressEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TAddressEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu of the box is not leaving it.
    if (event->reason() == Qt::PopupFocusReason) return;
    clickSelect_ = false;
    emit left();
}

#include "vertical/ui/TateDialogParts.h"

#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

QSpinBox* TateDialogParts::Number(const char* name, const char* editName, int lo, int hi,
                                  QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromUtf8(name));
    s->setRange(lo, hi);
    if (auto* e = s->findChild<QLineEdit*>()) e->setObjectName(QString::fromUtf8(editName));
    return s;
}

void TateDialogParts::FixedModalFrame(QDialog* dialog, const QString& name, const QString& title) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    // Fixed dialog border, no size grip.
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setModal(true);
}

#include "vertical/ui/TCancelForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "vertical/TateMessages.h"

TCancelForm::TCancelForm(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("CancelForm"));
    setWindowTitle(QString::fromUtf8(TateMessages::kProgressCaption));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* v = new QVBoxLayout(this);
    label_ = new QLabel(QString::fromUtf8(TateMessages::kProgressText), this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    v->addWidget(label_);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    v->addWidget(bar_);
    button_ = new QPushButton(QString::fromUtf8("キャンセル"), this);
    button_->setObjectName(QStringLiteral("CancelBtn"));
    v->addWidget(button_, 0, Qt::AlignCenter);
    v->setSizeConstraint(QLayout::SetFixedSize);
    connect(button_, &QPushButton::clicked, this, &QWidget::close);
}

void TCancelForm::SetProgress(std::size_t done, std::size_t total) {
    bar_->setValue(total == 0 ? 1000 : int(done * 1000 / total));
}

void TCancelForm::closeEvent(QCloseEvent* e) {
    cancelled_ = true;
    e->accept();
}

#include "vertical/ui/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& objectName, const QString& caption,
                         const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(objectName + QStringLiteral("Item%1").arg(i));
        group_->addButton(b, i);
        layout->addWidget(b);
        buttons_.push_back(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        emit itemChosen(id);
        emit clicked(id);
    });
}

int TRadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int i) {
    if (i >= 0 && i < Count()) {
        buttons_[std::size_t(i)]->setChecked(true);
    } else if (QAbstractButton* b = group_->checkedButton()) {
        group_->setExclusive(false);
        b->setChecked(false);
        group_->setExclusive(true);
    }
    emit itemChosen(ItemIndex());
}

QStringList TRadioGroup::Items() const {
    QStringList list;
    for (const QRadioButton* b : buttons_) list << b->text();
    return list;
}

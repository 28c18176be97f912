#include "vertical/ui/TTateTextForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/SettingsStore.h"
#include "vertical/ui/TateDialogParts.h"
#include "vertical/ui/TateDialogStore.h"

namespace {
QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}
}  // namespace

TTateTextForm::TTateTextForm(QWidget* parent) : QDialog(parent) {
    TateDialogParts::FixedModalFrame(this, QStringLiteral("TateTextForm"), U("縦書きテキスト"));
    auto* v = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    lineCountUD_ = TateDialogParts::Number("LineCountUD", "LineCountEdit", 1, 399, this);
    spaceUD_ = TateDialogParts::Number("SpaceUD", "Edit3", 0, 15, this);
    auto* lineLabel = new QLabel(U("Ａ：1段落の行数"), this);
    lineLabel->setObjectName(QStringLiteral("LineCountLabel"));
    auto* spaceLabel = new QLabel(U("Ｃ：行間隔"), this);
    spaceLabel->setObjectName(QStringLiteral("SpaceLabel"));
    grid->addWidget(lineLabel, 0, 0);
    grid->addWidget(lineCountUD_, 0, 1);
    grid->addWidget(spaceLabel, 1, 0);
    grid->addWidget(spaceUD_, 1, 1);
    v->addLayout(grid);
    danLineChk_ = new QCheckBox(U("段落分けの線を入れる"), this);
    danLineChk_->setObjectName(QStringLiteral("DanLineChk"));
    v->addWidget(danLineChk_);
    auto* zeroRow = new QHBoxLayout;
    tateText0Chk_ = new QCheckBox(U("半角スペースを排除"), this);
    tateText0Chk_->setObjectName(QStringLiteral("TateText0Chk"));
    staticText1_ = new QLabel(U("半角スペースを排除\n『方式-その零』と同じ"), this);
    staticText1_->setObjectName(QStringLiteral("StaticText1"));
    staticText1_->setTextFormat(Qt::PlainText);
    staticText1_->setCursor(Qt::PointingHandCursor);
    staticText1_->installEventFilter(this);
    zeroRow->addWidget(tateText0Chk_);
    zeroRow->addWidget(staticText1_);
    zeroRow->addStretch();
    v->addLayout(zeroRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    bitBtn1_ = new QPushButton(QStringLiteral("OK"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn2_ = new QPushButton(U("キャンセル"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn2_);
    v->addLayout(buttons);
    v->setSizeConstraint(QLayout::SetFixedSize);
    connect(bitBtn1_, &QPushButton::clicked, this, &TTateTextForm::OkClick);
    connect(bitBtn2_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TTateTextForm::eventFilter(QObject* watched, QEvent* e) {
    // Clicking the text beside the check box toggles it.
    if (watched == staticText1_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        tateText0Chk_->toggle();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TTateTextForm::LoadValues(const SettingsStore& store) {
    const TateTextDialogValues v = TateDialogStore::ReadText(store);
    lineCountUD_->setValue(v.lineCount);
    spaceUD_->setValue(v.space);
    danLineChk_->setChecked(v.dan);
    tateText0Chk_->setChecked(v.zero);
}

TateTextDialogValues TTateTextForm::Values() const {
    TateTextDialogValues v;
    v.lineCount = lineCountUD_->value();
    v.space = spaceUD_->value();
    v.dan = danLineChk_->isChecked();
    v.zero = tateText0Chk_->isChecked();
    return v;
}

void TTateTextForm::OkClick() {
    SettingsStore store;
    TateDialogStore::WriteText(store, Values());
    store.Sync();
    accept();
}

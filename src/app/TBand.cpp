#include "app/TBand.h"

#include <QLabel>

TBand::TBand(int id, const QString& caption, QWidget* parent) : QToolBar(caption, parent), id_(id) {
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("BandCaption"));
    caption_->setContentsMargins(4, 0, 4, 0);
    captionAction_ = addWidget(caption_);
    connect(this, &QToolBar::orientationChanged, this, [this](Qt::Orientation o) {
        caption_->setAlignment(o == Qt::Horizontal ? Qt::AlignVCenter | Qt::AlignLeft
                                                   : Qt::AlignHCenter | Qt::AlignTop);
    });
}

void TBand::SetCaptionShown(bool shown) {
    captionAction_->setVisible(shown);
}

bool TBand::CaptionShown() const {
    return captionAction_->isVisible();
}

void TBand::SetPreferredLength(int length) {
    preferred_ = std::max(0, length);
    updateGeometry();
}

QSize TBand::sizeHint() const {
    QSize s = QToolBar::sizeHint();
    if (orientation() == Qt::Horizontal)
        s.setWidth(std::max(s.width(), preferred_));
    else
        s.setHeight(std::max(s.height(), preferred_));
    return s;
}

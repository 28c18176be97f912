#include "app/TBand.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>

TBand::TBand(int id, const QString& caption, QWidget* parent) : QToolBar(caption, parent), id_(id) {
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("BandCaption"));
    caption_->setContentsMargins(4, 0, 4, 0);
    captionAction_ = addWidget(caption_);
    // Bands are dragged within their bar area only; they never become windows of their own.
    setFloatable(false);
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

bool TBand::event(QEvent* e) {
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (window && e->type() == QEvent::MouseButtonPress) placesBeforeDrag_ = window->saveState();
    const bool handled = QToolBar::event(e);
    // While it is dragged out of its row the band is a window of its own; a band that may not
    // float but is let go where no bar area takes it is left as such a window by the tool bar,
    // so it is put back in its place.
    if (window && e->type() == QEvent::MouseButtonRelease && isFloating() &&
        !placesBeforeDrag_.isEmpty())
        window->restoreState(placesBeforeDrag_);
    return handled;
}

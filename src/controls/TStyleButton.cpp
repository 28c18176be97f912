#include "controls/TStyleButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

TStyleButton::TStyleButton(QWidget* parent) : QToolButton(parent) {
    setCheckable(true);
}

void TStyleButton::SetIndeterminate(bool on) {
    if (on) setChecked(false);
    if (indeterminate_ == on) return;
    indeterminate_ = on;
    update();
}

void TStyleButton::nextCheckState() {
    indeterminate_ = false;
    QToolButton::nextCheckState();
}

void TStyleButton::paintEvent(QPaintEvent* e) {
    if (!indeterminate_) {
        QToolButton::paintEvent(e);
        return;
    }
    // As a pressed button with a half-tone face and grey text: neither up nor down.
    QStylePainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    opt.state |= QStyle::State_On | QStyle::State_Sunken;
    opt.state &= ~QStyle::State_Raised;
    opt.palette.setColor(QPalette::ButtonText,
                         palette().color(QPalette::Disabled, QPalette::ButtonText));
    p.drawComplexControl(QStyle::CC_ToolButton, opt);
    QColor hatch = palette().color(QPalette::Dark);
    hatch.setAlpha(110);
    p.fillRect(rect().adjusted(2, 2, -2, -2), QBrush(hatch, Qt::Dense5Pattern));
}

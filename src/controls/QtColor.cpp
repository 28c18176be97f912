#include "controls/QtColor.h"

QColor QtColor::ToQColor(TColor c) {
    if (c == clNone) return QColor();
    TColor rgb = ColorToRGB(c);
    return QColor(ColorRed(rgb), ColorGreen(rgb), ColorBlue(rgb));
}

TColor QtColor::FromQColor(const QColor& color) {
    if (!color.isValid()) return clNone;
    QColor rgb = color.toRgb();
    return RgbColor(std::uint8_t(rgb.red()), std::uint8_t(rgb.green()), std::uint8_t(rgb.blue()));
}

void QtColor::LoadSystemColors(const QPalette& p) {
    auto set = [](TColor systemColor, const QColor& c) {
        SystemColors::Set(int(systemColor & 0xFF), FromQColor(c));
    };
    set(clScrollBar, p.color(QPalette::Active, QPalette::Button));
    set(clBackground, p.color(QPalette::Active, QPalette::Window));
    set(clActiveCaption, p.color(QPalette::Active, QPalette::Highlight));
    set(clInactiveCaption, p.color(QPalette::Inactive, QPalette::Highlight));
    set(clMenu, p.color(QPalette::Active, QPalette::Window));
    set(clWindow, p.color(QPalette::Active, QPalette::Base));
    set(clWindowFrame, p.color(QPalette::Active, QPalette::Shadow));
    set(clMenuText, p.color(QPalette::Active, QPalette::WindowText));
    set(clWindowText, p.color(QPalette::Active, QPalette::Text));
    set(clCaptionText, p.color(QPalette::Active, QPalette::HighlightedText));
    set(clActiveBorder, p.color(QPalette::Active, QPalette::Window));
    set(clInactiveBorder, p.color(QPalette::Inactive, QPalette::Window));
    set(clAppWorkSpace, p.color(QPalette::Active, QPalette::Dark));
    set(clHighlight, p.color(QPalette::Active, QPalette::Highlight));
    set(clHighlightText, p.color(QPalette::Active, QPalette::HighlightedText));
    set(clBtnFace, p.color(QPalette::Active, QPalette::Button));
    set(clBtnShadow, p.color(QPalette::Active, QPalette::Mid));
    set(clGrayText, p.color(QPalette::Disabled, QPalette::Text));
    set(clBtnText, p.color(QPalette::Active, QPalette::ButtonText));
    set(clInactiveCaptionText, p.color(QPalette::Inactive, QPalette::HighlightedText));
    set(clBtnHighlight, p.color(QPalette::Active, QPalette::Light));
    set(cl3DDkShadow, p.color(QPalette::Active, QPalette::Shadow));
    set(cl3DLight, p.color(QPalette::Active, QPalette::Midlight));
    set(clInfoText, p.color(QPalette::Active, QPalette::ToolTipText));
    set(clInfoBk, p.color(QPalette::Active, QPalette::ToolTipBase));
}

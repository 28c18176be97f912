#pragma once
// Between the program's colour values (TColor: red in the low byte, system colours 0x80xxxxxx)
// and Qt's QColor, and the table of system colours filled from a Qt palette.

#include <QColor>
#include <QPalette>

#include "core/ColorValue.h"

class QtColor {
public:
    // The colour a value shows: system colours resolved through the current table; clNone
    // gives an invalid QColor.
    static QColor ToQColor(TColor c);
    // The colour value of a QColor (alpha ignored); an invalid QColor gives clNone.
    static TColor FromQColor(const QColor& color);
    // Fills the system colour table from a palette (window, text, highlight, buttons, tool
    // tips …), so that clWindow, clBtnFace and the others show the desktop's colours.
    static void LoadSystemColors(const QPalette& palette);
};

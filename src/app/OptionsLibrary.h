#pragma once
// The options command's side of the options library: loads libDllDialog.so (beside the
// program, or from the installation's library folder) with QLibrary, hands it the twelve values and
// reads them back. A missing library or entry point is silently ignored.

#include <QString>
#include <functional>

#include "core/ColorValue.h"

class QWidget;

class OptionsLibrary {
public:
    struct Values {
        QString fontName;
        int fontSize = 11;
        TColor fontColor = clBlack;
        QString newFileExt;
        QString documentExt;
        TColor backColor = clWhite;
        quint8 colorFileType = 0;
        QString programFile;
        bool sendToWanted = true;    // always passed in as true
        bool desktopWanted = false;  // always passed in as false
        int tabOption = 0;
    };

    // What the main window does with the results, called in this order by Apply.
    struct Appliers {
        std::function<void(const QString& name, int size, TColor color)> defaultFont;
        std::function<void(const QString& ext)> newFileExt;
        std::function<void(const QString& ext)> documentExt;
        std::function<void(TColor color)> backColor;
        std::function<void(quint8 type)> colorFileType;  // also loads the colour list
        std::function<void(bool sendTo, bool desktop)> launchers;
        std::function<void(int tab)> tabOption;
    };

    // The library file: "libDllDialog.so" beside the program in the build tree, else in the
    // installation's library folder (see DataLocation).
    static QString DefaultLibraryName();

    // Loads the library, calls ShowDLLForm with the values (changed in place) and unloads it.
    // False when the library or its entry point is missing; the values are then untouched.
    static bool Call(Values& values, QWidget* owner, const QString& library = DefaultLibraryName());

    // Runs the appliers in order with the returned values.
    static void Apply(const Values& values, const Appliers& appliers);
};

#pragma once
// The program's launchers "オリマキ９９.desktop" in the desktop folder and in the user's
// applications folder (the send-to stand-in): made when wanted and missing, removed when not
// wanted. A launcher points at the program with its icon and works in the desktop folder
// (in the home folder while there is no desktop folder). An installed program is named as
// "orimaki" with the theme's "orimaki" icon; a program elsewhere (the build tree) by its full
// path with the icon beside it.

#include <QString>

class Launchers {
public:
    // Makes or removes both launchers; false with a Japanese message when one cannot be made.
    static bool Apply(bool sendToWanted, bool desktopWanted, const QString& programFile,
                      QString* error);

    // The launcher's text for the program file.
    static QString DesktopEntry(const QString& programFile);

    // The program of the Exec key: its bare name when the search path finds this same file
    // under that name, else its full path quoted.
    static QString ExecName(const QString& programFile);
    // A value of the Exec key: the program quoted as a desktop entry wants it.
    static QString QuoteExec(const QString& programFile);
    // A string value of a desktop entry: backslash, line breaks and tabs escaped.
    static QString EscapeValue(const QString& text);

    // The launchers' working folder: the desktop folder when it exists, else the home folder.
    static QString WorkingFolder();

private:
    static bool MakeOrRemove(bool wanted, const QString& folder, const QString& programFile,
                             QString* error);
};

#pragma once
// The options library's one entry point, "ShowDLLForm", as the program calls it after loading
// libDllDialog.so with QLibrary("DllDialog"). Every in/out value is read by the library as the
// current setting and written back when the user confirms the dialog; on Cancel the values
// stay as they came in, except the two launcher flags, which then report the launchers as they
// are (so a cancelled dialog creates and removes nothing).
//
// Colours are colour values (low byte red, then green, then blue; 0x80 in the high byte marks a
// system colour). Extensions carry their dot; an empty document extension means none.

#include <QtGlobal>

class QString;
class QWidget;

#define ORIMAKI_SHOW_DLL_FORM_ARGS                                                       \
    QString *fontName, int *fontSize, quint32 *fontColor, QString *newFileExt,           \
        QString *documentExt, quint32 *backColor, quint8 *colorFileType, QWidget *owner, \
        const QString *programFile, bool *sendToWanted, bool *desktopWanted, int *tabOption

using ShowDLLFormFunction = void (*)(ORIMAKI_SHOW_DLL_FORM_ARGS);

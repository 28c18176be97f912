#pragma once
// The stored values of the vertical HTML dialog and the vertical text dialog: section "HTML"
// of the settings store. "LineCount" and "Space" are shared by the two dialogs. A value that
// is missing, unreadable or out of its control's range reads as the dialog's default.

#include <QStringList>

#include "vertical/TateSettingsReader.h"

class SettingsStore;

class TateDialogStore {
public:
    static constexpr const char* kSection = "HTML";
    // The title and background histories keep at most this many entries.
    static constexpr int kMaxHistory = 20;

    struct Html {
        TateHtmlDialogValues values;  // fileName, title and background are not stored
        QStringList titles;           // newest first
        QStringList backgrounds;
    };

    static Html ReadHtml(const SettingsStore& store);
    // Writes every value and the first kMaxHistory entries of each history.
    static void WriteHtml(SettingsStore& store, const Html& html);

    static TateTextDialogValues ReadText(const SettingsStore& store);
    static void WriteText(SettingsStore& store, const TateTextDialogValues& values);

    // Puts text at the top of a history unless it is there already (or empty when
    // keepEmpty is false).
    static void AddToHistory(QStringList& history, const QString& text, bool keepEmpty);
};

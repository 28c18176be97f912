#pragma once
// Loading a colour name list into the colour box: the six list files are checked in the list
// folder ("ColorList/", see DataLocation), the file of the colour file type replaces the box's
// extended list, the box gets the width of that list, and the colour chosen before is kept.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TColorLookupComboBox;

class ColorListLoader {
public:
    enum class Result {
        Loaded,      // the list of the type was read and shown
        NoFileRead,  // a type outside 0-5: nothing read, the extended group still listed
        Cancelled,   // files missing and the user chose Cancel: the box is unchanged
        ReadFailed,  // the list file could not be read: reported, the box is unchanged
    };

    // The list folder "ColorList/": beside the program in the build tree, in the data folders
    // once installed (see DataLocation).
    static QString DefaultFolder();
    // The names of the six list files missing from folder (empty when all are there).
    static QStringList MissingFiles(const QString& folder);

    // Loads the list of colorFileType (0-5) from folder into box. When a list file is missing
    // the error box is shown (OK/Cancel); OK calls requestClose (the main window's close
    // request) and the load goes on, Cancel ends it. parent owns the message boxes.
    static Result Load(TColorLookupComboBox* box, int colorFileType, const QString& folder,
                       QWidget* parent, const std::function<void()>& requestClose);

    // The texts of the missing-files box.
    static const char* MissingCaption();
    static const char* MissingText();
};

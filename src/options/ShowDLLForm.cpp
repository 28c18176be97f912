// The library's entry point: shows the options dialog modally over the program's window and
// hands the edited values back.

#include <QFileInfo>
#include <QString>

#include "options/DllDialogApi.h"
#include "options/LauncherLocation.h"
#include "options/TOptionsDialog.h"

extern "C" Q_DECL_EXPORT void ShowDLLForm(ORIMAKI_SHOW_DLL_FORM_ARGS) {
    if (!fontName || !fontSize || !fontColor || !newFileExt || !documentExt || !backColor ||
        !colorFileType || !sendToWanted || !desktopWanted || !tabOption)
        return;
    (void)programFile;
    // The launcher boxes show what is there, so confirming the dialog unchanged keeps them.
    const bool sendToThere = QFileInfo::exists(LauncherLocation::SendToLauncher());
    const bool desktopThere = QFileInfo::exists(LauncherLocation::DesktopLauncher());

    TOptionsDialog::Values in;
    in.fontName = *fontName;
    in.fontSize = *fontSize;
    in.fontColor = *fontColor;
    in.newFileExt = *newFileExt;
    in.documentExt = *documentExt;
    in.backColor = *backColor;
    in.colorFileType = *colorFileType;
    in.sendTo = sendToThere;
    in.desktop = desktopThere;
    in.tab = *tabOption;

    TOptionsDialog dialog(in, owner);
    if (dialog.exec() != QDialog::Accepted) {
        *sendToWanted = sendToThere;
        *desktopWanted = desktopThere;
        return;
    }
    const TOptionsDialog::Values out = dialog.values();
    *fontName = out.fontName;
    *fontSize = out.fontSize;
    *fontColor = out.fontColor;
    *newFileExt = out.newFileExt;
    *documentExt = out.documentExt;
    *backColor = out.backColor;
    *colorFileType = static_cast<quint8>(out.colorFileType);
    *sendToWanted = out.sendTo;
    *desktopWanted = out.desktop;
    *tabOption = out.tab;
}

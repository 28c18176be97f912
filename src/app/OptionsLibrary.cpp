#include "app/OptionsLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "core/DataLocation.h"
#include "options/DllDialogApi.h"

QString OptionsLibrary::DefaultLibraryName() {
    // Beside the program in the build tree, in <libdir>/orimaki once installed.
    return QString::fromStdString(
        DataLocation::ForProgram(QCoreApplication::applicationDirPath().toStdString())
            .LibraryPath("libDllDialog.so"));
}

bool OptionsLibrary::Call(Values& v, QWidget* owner, const QString& library) {
    QLibrary lib(library);
    if (!lib.load()) return false;
    auto entry = reinterpret_cast<ShowDLLFormFunction>(lib.resolve("ShowDLLForm"));
    if (!entry) {
        lib.unload();
        return false;
    }
    quint32 fontColor = v.fontColor;
    quint32 backColor = v.backColor;
    quint8 colorFileType = v.colorFileType;
    entry(&v.fontName, &v.fontSize, &fontColor, &v.newFileExt, &v.documentExt, &backColor,
          &colorFileType, owner, &v.programFile, &v.sendToWanted, &v.desktopWanted, &v.tabOption);
    v.fontColor = fontColor;
    v.backColor = backColor;
    v.colorFileType = colorFileType;
    lib.unload();
    return true;
}

void OptionsLibrary::Apply(const Values& v, const Appliers& a) {
    if (a.defaultFont) a.defaultFont(v.fontName, v.fontSize, v.fontColor);
    if (a.newFileExt) a.newFileExt(v.newFileExt);
    if (a.documentExt) a.documentExt(v.documentExt);
    if (a.backColor) a.backColor(v.backColor);
    if (a.colorFileType) a.colorFileType(v.colorFileType);
    if (a.launchers) a.launchers(v.sendToWanted, v.desktopWanted);
    if (a.tabOption) a.tabOption(v.tabOption);
}

#pragma once
// Where the program's launchers live: "オリマキ９９.desktop" in the desktop folder and in the
// user's applications folder (which stands in for the send-to menu: the program then appears
// in "Open with"). Shared by the program, which makes and removes them, and the options
// library, which shows whether they exist.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace LauncherLocation {

inline QString FileName() {
    return QStringLiteral("オリマキ９９.desktop");
}

inline QString DesktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

inline QString SendToFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

inline QString DesktopLauncher() {
    return QDir(DesktopFolder()).filePath(FileName());
}
inline QString SendToLauncher() {
    return QDir(SendToFolder()).filePath(FileName());
}

}  // namespace LauncherLocation

#include "app/Launchers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/DataLocation.h"
#include "core/FailureReason.h"
#include "options/LauncherLocation.h"

QString Launchers::QuoteExec(const QString& programFile) {
    // Inside double quotes, ", `, $ and \ are escaped with a backslash; the backslash itself
    // is then escaped once more as a string value of the file.
    QString quoted;
    for (const QChar c : programFile) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));  // field codes start with %
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Launchers::EscapeValue(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else
            out += c;
    }
    return out;
}

QString Launchers::ExecName(const QString& programFile) {
    const QFileInfo program(programFile);
    const QString name = program.fileName();
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+-]+$"));
    if (plain.match(name).hasMatch()) {
        // The name alone when it finds this very program on the search path.
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty() && !program.canonicalFilePath().isEmpty() &&
            QFileInfo(found).canonicalFilePath() == program.canonicalFilePath())
            return name;
    }
    return QuoteExec(program.absoluteFilePath());
}

QString Launchers::WorkingFolder() {
    // The desktop launcher folder is made only when a desktop launcher is wanted; a launcher
    // whose working folder is missing does not start at all.
    const QString desktop = LauncherLocation::DesktopFolder();
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir()) return desktop;
    return QDir::homePath();
}

QString Launchers::DesktopEntry(const QString& programFile) {
    const QFileInfo program(programFile);
    const QString iconBeside = program.dir().filePath(QStringLiteral("orimaki.png"));
    // An installed program is started and drawn by name, as the system's own launcher does;
    // one in the build tree or elsewhere by its full path and the icon beside it.
    QString icon = QStringLiteral("accessories-text-editor");
    if (QFileInfo::exists(iconBeside))
        icon = iconBeside;
    else if (!DataLocation::ForProgram(program.absolutePath().toStdString())
                  .InstalledIcon()
                  .empty())
        icon = QStringLiteral("orimaki");
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=オリマキ９９\n");
    text += QStringLiteral("GenericName=縦書きエディタ\n");
    text += QStringLiteral("Comment=日本語の文書を縦書きで編集します\n");
    text += QStringLiteral("Exec=") + ExecName(programFile) + QStringLiteral(" %f\n");
    text += QStringLiteral("Icon=") + EscapeValue(icon) + QLatin1Char('\n');
    text += QStringLiteral("Path=") + EscapeValue(WorkingFolder()) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Categories=Utility;TextEditor;\n");
    text += QStringLiteral("MimeType=text/plain;text/rtf;application/rtf;\n");
    return text;
}

bool Launchers::MakeOrRemove(bool wanted, const QString& folder, const QString& programFile,
                             QString* error) {
    if (folder.isEmpty()) return !wanted;
    const QString path = QDir(folder).filePath(LauncherLocation::FileName());
    if (!wanted) {
        if (QFileInfo::exists(path)) QFile::remove(path);  // a missing one is no error
        return true;
    }
    if (QFileInfo::exists(path)) return true;
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("フォルダを作成できません。\n%1").arg(folder);
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = DesktopEntry(programFile).toUtf8();
    bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (ok) {
        // Desktops only start launchers that may be executed.
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                        QFileDevice::ExeGroup | QFileDevice::ExeOther);
    } else if (error) {
        *error = QStringLiteral("ランチャーを作成できません。\n%1\n%2")
                     .arg(path, QString::fromStdString(
                                    FailureReason::Describe(file.errorString().toStdString())));
    }
    return ok;
}

bool Launchers::Apply(bool sendToWanted, bool desktopWanted, const QString& programFile,
                      QString* error) {
    const bool sendTo =
        MakeOrRemove(sendToWanted, LauncherLocation::SendToFolder(), programFile, error);
    const bool desktop =
        MakeOrRemove(desktopWanted, LauncherLocation::DesktopFolder(), programFile, error);
    return sendTo && desktop;
}

#include "app/GeneratedOutput.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include "core/FailureReason.h"

bool GeneratedOutput::WriteFile(const QString& path, const std::string& bytes, QString* error) {
    QSaveFile file(path);
    const qint64 size = qint64(bytes.size());
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) ok = file.write(bytes.data(), size) == size;
    if (ok) ok = file.commit();
    if (!ok) {
        const QString reason =
            QString::fromStdString(FailureReason::Describe(file.errorString().toStdString()));
        file.cancelWriting();
        if (error)
            *error = QString::fromUtf8("ファイルを作成できません。\n%1\n%2").arg(path, reason);
    }
    return ok;
}

void GeneratedOutput::ToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool GeneratedOutput::Open(const QString& path, const OpenUrl& hook) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    return hook ? hook(url) : QDesktopServices::openUrl(url);
}

bool GeneratedOutput::SameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (!fa.exists() || !fb.exists()) return false;
    return fa.canonicalFilePath() == fb.canonicalFilePath();
}

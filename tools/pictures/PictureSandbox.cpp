#include "PictureSandbox.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "app/SettingsStore.h"
#include "controls/MessageService.h"

PictureSandbox::PictureSandbox() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(cwd_.path());
    MessageService::SetResponder([](const MessageService::Record& r) {
        if (r.buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
        if (r.buttons & QMessageBox::No) return QMessageBox::No;
        return QMessageBox::Ok;
    });
}

PictureSandbox::~PictureSandbox() {
    MessageService::SetResponder({});
    QDir::setCurrent(oldCwd_);
}

void PictureSandbox::Reset() {
    QFile::remove(SettingsStore::FilePath());
    MessageService::ClearHistory();
}

#pragma once
// A main window on a settings store of its own: every test starts from an empty store in a
// temporary folder (never the user's), in a temporary current folder, with message boxes
// answered (Cancel, else No, else OK) unless a test queues its own answers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/SettingsStore.h"
#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir settingsDir;
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    void SetUp() override {
        QFile::remove(SettingsStore::FilePath());
        oldCwd_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
        MessageService::ClearHistory();
        MessageService::SetResponder([](const MessageService::Record& r) {
            if (r.buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
            if (r.buttons & QMessageBox::No) return QMessageBox::No;
            return QMessageBox::Ok;
        });
    }

    void TearDown() override {
        Stop();
        QDir::setCurrent(oldCwd_);
        MessageService::SetResponder({});
    }

    TOMForm* Start(const QStringList& args = {}) {
        Stop();
        form_ = new TOMForm(args);
        form_->show();
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
        QApplication::processEvents();
        return form_;
    }

    void Stop() {
        if (!form_) return;
        form_->RichEditEx1()->SetModified(false);
        delete form_;
        form_ = nullptr;
    }

    // Closes the window as the close box does; true when it closed.
    bool Close() { return form_->close(); }

    static void Store(const QString& key, const QString& text) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                    QStringLiteral("Orimaki"));
        s.setValue(key, text);
        s.sync();
    }

    static QString Stored(const QString& key) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                    QStringLiteral("Orimaki"));
        return s.value(key).toString();
    }

    static bool StoreExists() { return QFile::exists(SettingsStore::FilePath()); }

    TOMForm* form_ = nullptr;
    QTemporaryDir cwd_;
    QString oldCwd_;
};

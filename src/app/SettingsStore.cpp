#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>

#include "core/SettingsTable.h"
#include "core/SettingsValue.h"

namespace {
std::unique_ptr<QSettings> Open() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Velmora"), QStringLiteral("Orimaki"));
}

std::string Std(const QString& s) {
    return s.toStdString();
}
}  // namespace

SettingsStore::SettingsStore() : s_(Open()) {
    readable_ = s_->status() == QSettings::NoError;
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FilePath() {
    return Open()->fileName();
}

QString SettingsStore::Text(const char* section, const QString& name, bool* found) const {
    *found = false;
    if (!readable_) return {};
    const QString key = QString::fromLatin1(section) + QLatin1Char('/') + name;
    const QVariant v = s_->value(key);
    if (!v.isValid()) return {};
    *found = true;
    // A text with commas that was not written by this program reads back as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

QString SettingsStore::Default(const char* section, const QString& name) const {
    return QString::fromStdString(
        SettingsTable::DefaultText(section, Std(name), Std(QDir::currentPath())));
}

int SettingsStore::Int(const char* section, const QString& name) const {
    const int def = SettingsValue::ReadInteger(Std(Default(section, name)), 0);
    bool found = false;
    const QString t = Text(section, name, &found);
    return found ? SettingsValue::ReadInteger(Std(t), def) : def;
}

bool SettingsStore::Bool(const char* section, const QString& name) const {
    const bool def = SettingsValue::ReadBool(Std(Default(section, name)), false);
    bool found = false;
    const QString t = Text(section, name, &found);
    return found ? SettingsValue::ReadBool(Std(t), def) : def;
}

QString SettingsStore::String(const char* section, const QString& name) const {
    bool found = false;
    const QString t = Text(section, name, &found);
    return found ? t : Default(section, name);
}

TColor SettingsStore::Color(const char* section, const QString& name) const {
    const TColor def = SettingsValue::ReadColor(Std(Default(section, name)), clBlack);
    bool found = false;
    const QString t = Text(section, name, &found);
    return found ? SettingsValue::ReadColor(Std(t), def) : def;
}

void SettingsStore::SetString(const char* section, const QString& name, const QString& value) {
    if (!readable_ && !replaced_) {
        // Replace the damaged file rather than merge good values into it.
        const QString path = s_->fileName();
        s_.reset();
        QFile::remove(path);
        s_ = Open();
        replaced_ = true;
    }
    s_->setValue(QString::fromLatin1(section) + QLatin1Char('/') + name, value);
}

void SettingsStore::SetInt(const char* section, const QString& name, int value) {
    SetString(section, name, QString::fromStdString(SettingsValue::WriteInteger(value)));
}

void SettingsStore::SetBool(const char* section, const QString& name, bool value) {
    SetString(section, name, QString::fromStdString(SettingsValue::WriteBool(value)));
}

void SettingsStore::SetColor(const char* section, const QString& name, TColor value) {
    SetString(section, name, QString::fromStdString(SettingsValue::WriteColor(value)));
}

bool SettingsStore::Sync() {
    s_->sync();
    return s_->status() == QSettings::NoError;
}

QString SettingsStore::BandName(int n, const char* suffix) {
    return QString::fromStdString(SettingsValue::BandName(n, suffix));
}

QString SettingsStore::RBandName(int n, const char* suffix) {
    return QString::fromStdString(SettingsValue::RBandName(n, suffix));
}

QString SettingsStore::FindStrName(int n) {
    return QString::fromStdString(SettingsValue::FindStrName(n));
}

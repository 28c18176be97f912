#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include "core/IniDocument.h"
#include "core/SettingsTable.h"
#include "core/SettingsValue.h"

namespace {
std::string Std(const QString& s) {
    return s.toStdString();
}
}  // namespace

SettingsStore::SettingsStore() {
    const QFileInfo info(FilePath());
    QFile file(info.filePath());
    QByteArray bytes;
    if (info.exists()) {
        // Anything but a regular file (a folder, a pipe that would wait for a writer) is
        // not read.
        if (info.isFile() && file.open(QIODevice::ReadOnly)) {
            bytes = file.read(kMaxFileBytes + 1);
            if (bytes.size() > kMaxFileBytes) {
                // Only whole lines of the start count.
                bytes.truncate(kMaxFileBytes);
                bytes.truncate(bytes.lastIndexOf('\n') + 1);
            }
        } else {
            readable_ = false;
        }
    }
    doc_ = std::make_unique<IniDocument>(
        IniDocument::Parse(std::string_view(bytes.constData(), size_t(bytes.size()))));
}

SettingsStore::~SettingsStore() = default;

const std::vector<int>& SettingsStore::DroppedLines() const {
    return doc_->DroppedLines();
}

QString SettingsStore::FilePath() {
    // Qt's settings classes decide where the per-user INI file of the program lives.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                     QStringLiteral("Orimaki"))
        .fileName();
}

QString SettingsStore::Text(const char* section, const QString& name, bool* found) const {
    const std::optional<std::string> text = doc_->Text(section, Std(name));
    *found = text.has_value();
    return text ? QString::fromStdString(*text) : QString();
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
    doc_->SetText(section, Std(name), Std(value));
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
    // A store that is a link to a file elsewhere is written where the link points.
    const QFileInfo info(FilePath());
    const QString path =
        info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.filePath();
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const std::string text = doc_->Write();
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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

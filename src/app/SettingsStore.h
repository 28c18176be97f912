#pragma once
// The main window's settings store: an INI file in the user's configuration folder
// (organization "Velmora", application "Orimaki"), one group per section, every value kept as
// text. The texts are read and written by the rules of SettingsValue, and a value that is
// missing or unreadable gives the default of SettingsTable.
//
// A store file that cannot be read (no permission, not an INI file, damaged) is treated as
// empty: every value gives its default. Writing to such a file first replaces it.

#include <QString>
#include <memory>

#include "core/ColorValue.h"

class QSettings;

class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();

    // False when the store file exists but could not be read.
    bool Readable() const { return readable_; }
    static QString FilePath();

    // Reads: the stored text by the type's rule, the table's default when it is missing or
    // unreadable.
    int Int(const char* section, const QString& name) const;
    bool Bool(const char* section, const QString& name) const;
    QString String(const char* section, const QString& name) const;
    TColor Color(const char* section, const QString& name) const;
    // The raw text, or nullopt-like empty with found = false.
    QString Text(const char* section, const QString& name, bool* found) const;

    void SetInt(const char* section, const QString& name, int value);
    void SetBool(const char* section, const QString& name, bool value);
    void SetString(const char* section, const QString& name, const QString& value);
    void SetColor(const char* section, const QString& name, TColor value);

    // Writes what was set to the file; false when it could not be written.
    bool Sync();

    // Composed value names ("Band3Width", "RBand1Break", "FindStr(0)").
    static QString BandName(int n, const char* suffix);
    static QString RBandName(int n, const char* suffix);
    static QString FindStrName(int n);

private:
    QString Default(const char* section, const QString& name) const;
    std::unique_ptr<QSettings> s_;
    bool readable_ = true;
    bool replaced_ = false;
};

#pragma once
// The main window's settings store: an INI file in the user's configuration folder
// (organization "Velmora", application "Orimaki"), one section per group, every value kept as
// text. The texts are read and written by the rules of SettingsValue, and a value that is
// missing or unreadable gives the default of SettingsTable.
//
// The file is read line by line (IniDocument): a damaged line is left out and every other
// value is still read. Writing rewrites the whole file from what was read and what was set,
// so the damaged lines are gone afterwards; values of other sections are kept as they were.
// A file that cannot be opened at all (no permission) reads as empty.

#include <QString>
#include <memory>
#include <vector>

#include "core/ColorValue.h"

class IniDocument;

class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();

    // False when the store file exists but could not be read.
    bool Readable() const { return readable_; }
    // Lines of the file that could not be read (1-based); they are not written again.
    const std::vector<int>& DroppedLines() const;
    static QString FilePath();

    // Reads: the stored text by the type's rule, the table's default when it is missing or
    // unreadable.
    int Int(const char* section, const QString& name) const;
    bool Bool(const char* section, const QString& name) const;
    QString String(const char* section, const QString& name) const;
    TColor Color(const char* section, const QString& name) const;
    // The raw text, or empty with found = false.
    QString Text(const char* section, const QString& name, bool* found) const;

    void SetInt(const char* section, const QString& name, int value);
    void SetBool(const char* section, const QString& name, bool value);
    void SetString(const char* section, const QString& name, const QString& value);
    void SetColor(const char* section, const QString& name, TColor value);

    // Writes the file (replacing it in one step); false when it could not be written.
    bool Sync();

    // Composed value names ("Band3Width", "RBand1Break", "FindStr(0)").
    static QString BandName(int n, const char* suffix);
    static QString RBandName(int n, const char* suffix);
    static QString FindStrName(int n);

    // A store file larger than this is not one the program wrote: only its start is read.
    static constexpr qint64 kMaxFileBytes = 1 << 20;

private:
    QString Default(const char* section, const QString& name) const;
    std::unique_ptr<IniDocument> doc_;
    bool readable_ = true;
};

#pragma once
// Every setting the main window keeps in the settings store: section, value name, type and
// default, as data. The Qt layer binds these rows to the INI store; the rules for turning the
// texts into values are in SettingsValue.
//
// Texts (names, defaults) are UTF-8 here; the store keeps them as text.

#include <string>
#include <string_view>
#include <vector>

enum class SettingType { Integer, Boolean, String, Color };

// How the default of a row is found.
enum class SettingDefault {
    Fixed,             // defaultText, in the written form of the type ("160", "1", "clBlack")
    Index,             // the row's own number n ("Band2ID" defaults to 2)
    CurrentDirectory,  // the process's current directory followed by "/"
};

// One row of the table. Plain rows have repeat 0 and their name in prefix. Numbered rows
// compose their names from prefix, n and suffix for n = 0 … repeat-1; a repeat of
// SettingRow::kFindHistory means n = 0 … FindStrCount-1.
struct SettingRow {
    static constexpr int kFindHistory = -1;

    const char* section;
    const char* prefix;
    const char* suffix;
    int repeat;
    SettingType type;
    SettingDefault defaultKind;
    const char* defaultText;
    const char* meaning;
};

// One setting with its full value name and its default text (written form).
struct SettingEntry {
    std::string section;
    std::string name;
    SettingType type;
    std::string defaultText;
};

class SettingsTable {
public:
    // Most find strings written at a close: a longer history is cut to its first 20.
    static constexpr int kMaxFindStrings = 20;
    // Bands of the top and right-hand bar areas.
    static constexpr int kTopBands = 5;
    static constexpr int kRightBands = 2;

    // The rows in the order in which the settings are read and written.
    static const std::vector<SettingRow>& Rows();

    // Every setting with its full name, in table order: bands expanded, the find history for
    // n = 0 … findStrCount-1, "FileAddress" defaulting to currentDirectory + "/".
    // findStrCount is clamped to 0 … kMaxFindStrings both for writing (a longer history is cut)
    // and for reading (a damaged count such as 2000000000 cannot make the load read millions
    // of values; the program itself never writes more than 20).
    static std::vector<SettingEntry> Expand(int findStrCount, std::string_view currentDirectory);

    // The row that composes the value name (section and full name), or nullptr.
    static const SettingRow* FindRow(std::string_view section, std::string_view name);
    // The default text of a value name (empty when the name is unknown).
    static std::string DefaultText(std::string_view section, std::string_view name,
                                   std::string_view currentDirectory = {});

    // The folder part of a document path as written into "FileAddress": everything up to and
    // including the last "/" (empty when there is none).
    static std::string FileAddressOf(std::string_view documentPath);
};

#include "core/SettingsTable.h"

#include <algorithm>

#include "core/SettingsValue.h"

namespace {

using T = SettingType;
using D = SettingDefault;

const std::vector<SettingRow> kRows = {
    {"Window", "MainTop", "", 0, T::Integer, D::Fixed, "160", "top of the main window"},
    {"Window", "MainLeft", "", 0, T::Integer, D::Fixed, "230", "left of the main window"},
    {"Window", "MainHeight", "", 0, T::Integer, D::Fixed, "600", "height of the main window"},
    {"Window", "MainWidth", "", 0, T::Integer, D::Fixed, "780", "width of the main window"},
    {"Window", "FindTop", "", 0, T::Integer, D::Fixed, "200", "top of the find dialog"},
    {"Window", "FindLeft", "", 0, T::Integer, D::Fixed, "120", "left of the find dialog"},
    {"Bar", "String", "", 0, T::Boolean, D::Fixed, "1", "bar captions shown"},
    {"Bar", "Vertical", "", 0, T::Boolean, D::Fixed, "0", "bars vertical"},
    {"Bar", "Tool", "", 0, T::Boolean, D::Fixed, "1", "tool bar shown"},
    {"Bar", "Find", "", 0, T::Boolean, D::Fixed, "1", "find bar shown"},
    {"Bar", "Font", "", 0, T::Boolean, D::Fixed, "1", "font bar shown"},
    {"Bar", "Style", "", 0, T::Boolean, D::Fixed, "1", "style bar shown"},
    {"Bar", "Address", "", 0, T::Boolean, D::Fixed, "1", "address bar shown"},
    {"Bar", "Ruler", "", 0, T::Boolean, D::Fixed, "0", "ruler shown"},
    {"Bar", "Band", "ID", SettingsTable::kTopBands, T::Integer, D::Index, "",
     "identity of the band at position n of the top bar area"},
    {"Bar", "Band", "Width", SettingsTable::kTopBands, T::Integer, D::Fixed, "200",
     "width of the band at position n"},
    {"Bar", "Band", "Break", SettingsTable::kTopBands, T::Boolean, D::Fixed, "1",
     "the band at position n starts a new row"},
    {"Bar", "RBand", "ID", SettingsTable::kRightBands, T::Integer, D::Index, "",
     "identity of the band at position n of the right-hand bar area"},
    {"Bar", "RBand", "Height", SettingsTable::kRightBands, T::Integer, D::Fixed, "200",
     "size of the band at position n of the right-hand bar area"},
    {"Bar", "RBand", "Break", SettingsTable::kRightBands, T::Boolean, D::Fixed, "1",
     "that band starts a new column"},
    {"Option", "DFontName", "", 0, T::String, D::Fixed, "ＭＳ Ｐゴシック",
     "name of the default font"},
    {"Option", "DFontSize", "", 0, T::Integer, D::Fixed, "11", "size of the default font"},
    {"Option", "DFontColor", "", 0, T::Color, D::Fixed, "clBlack", "colour of the default font"},
    {"Option", "BackColor", "", 0, T::Color, D::Fixed, "clWhite",
     "background colour of both editing views"},
    {"Option", "ColorFileType", "", 0, T::Integer, D::Fixed, "0", "colour file type"},
    {"Option", "Tab", "", 0, T::Integer, D::Fixed, "2", "tab option"},
    {"Option", "NewFileExt", "", 0, T::String, D::Fixed, ".wri", "new file extension"},
    {"Etc", "FileAddress", "", 0, T::String, D::CurrentDirectory, "",
     "folder of the document path"},
    {"Etc", "Vertical", "", 0, T::Boolean, D::Fixed, "0", "vertical flag"},
    {"Etc", "Wrap", "", 0, T::Boolean, D::Fixed, "1", "wrap-off flag"},
    {"Etc", "IndentStr", "", 0, T::String, D::Fixed, ">", "indent string"},
    {"Etc", "ShiftJis", "", 0, T::Boolean, D::Fixed, "1", "Shift-JIS mode"},
    {"Etc", "FindStrCount", "", 0, T::Integer, D::Fixed, "0", "number of stored find strings"},
    {"Etc", "FindStr(", ")", SettingRow::kFindHistory, T::String, D::Fixed, "", "the find history"},
};

std::string DirectoryDefault(std::string_view currentDirectory) {
    std::string s(currentDirectory);
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

std::string DefaultOf(const SettingRow& row, int n, std::string_view currentDirectory) {
    switch (row.defaultKind) {
        case SettingDefault::Index:
            return std::to_string(n);
        case SettingDefault::CurrentDirectory:
            return DirectoryDefault(currentDirectory);
        case SettingDefault::Fixed:
            break;
    }
    return row.defaultText;
}

// The number n of a composed name for this row, or -1 when the name is not the row's.
int MatchNumber(const SettingRow& row, std::string_view name) {
    std::string_view prefix = row.prefix;
    std::string_view suffix = row.suffix;
    if (row.repeat == 0) return name == prefix ? 0 : -1;
    if (name.size() <= prefix.size() + suffix.size()) return -1;
    if (name.substr(0, prefix.size()) != prefix) return -1;
    if (name.substr(name.size() - suffix.size()) != suffix) return -1;
    std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 1 && digits[0] == '0') return -1;  // no leading zeros
    if (digits.size() > 4) return -1;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    int limit =
        row.repeat == SettingRow::kFindHistory ? SettingsTable::kMaxFindStrings : row.repeat;
    return n < limit ? n : -1;
}

}  // namespace

const std::vector<SettingRow>& SettingsTable::Rows() {
    return kRows;
}

std::vector<SettingEntry> SettingsTable::Expand(int findStrCount,
                                                std::string_view currentDirectory) {
    std::vector<SettingEntry> out;
    int history = std::clamp(findStrCount, 0, kMaxFindStrings);
    for (const SettingRow& row : kRows) {
        if (row.repeat == 0) {
            out.push_back({row.section, row.prefix, row.type, DefaultOf(row, 0, currentDirectory)});
            continue;
        }
        int count = row.repeat == SettingRow::kFindHistory ? history : row.repeat;
        for (int n = 0; n < count; ++n)
            out.push_back({row.section, SettingsValue::ComposeName(row.prefix, n, row.suffix),
                           row.type, DefaultOf(row, n, currentDirectory)});
    }
    return out;
}

const SettingRow* SettingsTable::FindRow(std::string_view section, std::string_view name) {
    for (const SettingRow& row : kRows)
        if (section == row.section && MatchNumber(row, name) >= 0) return &row;
    return nullptr;
}

std::string SettingsTable::DefaultText(std::string_view section, std::string_view name,
                                       std::string_view currentDirectory) {
    const SettingRow* row = FindRow(section, name);
    if (!row) return {};
    return DefaultOf(*row, MatchNumber(*row, name), currentDirectory);
}

std::string SettingsTable::FileAddressOf(std::string_view documentPath) {
    std::size_t slash = documentPath.rfind('/');
    if (slash == std::string_view::npos) return {};
    return std::string(documentPath.substr(0, slash + 1));
}

#pragma once
// The text of the settings file: sections of "name=value" lines in the INI form that Qt's
// settings classes write (keys with %XX escapes, values with C escapes, quotes around values
// with ',' ';' '=' or outer spaces, "@@" for a leading "@"), read one line at a time.
//
// Every line stands on its own: a line that cannot be read (not UTF-8, a raw control
// character, no '=', an empty key, a broken escape, an unclosed quote, a broken "[section]"
// header) is dropped and counted, and the lines around it are read as usual. The lines after
// a broken header are dropped with it, since they cannot be placed in a section. Comments
// (";" lines) and blank lines are skipped. Entries that were read but not set are written
// back as they were; dropped lines and comments are not written again.
//
// All texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    static IniDocument Parse(std::string_view bytes);

    // The text of a value: nullopt when it is missing or is not a text (a value written by
    // Qt for another type, such as "@Variant(...)", or "@Invalid()"). A list of several items
    // (commas outside quotes) reads as its items joined by ", ".
    std::optional<std::string> Text(std::string_view section, std::string_view key) const;
    void SetText(std::string_view section, std::string_view key, std::string_view text);

    // The whole file: "[section]" and its lines, a blank line between sections.
    std::string Write() const;

    // Lines that could not be read (1-based line numbers).
    const std::vector<int>& DroppedLines() const { return dropped_; }

    // The parts of a line, escaped and unescaped. Unescaping gives nullopt for a broken text.
    static std::string EscapeKey(std::string_view key);
    static std::optional<std::string> UnescapeKey(std::string_view escaped);
    static std::string EscapeValue(std::string_view text);

    enum class ValueKind { Text, NotText };
    struct Value {
        ValueKind kind = ValueKind::Text;
        std::string text;
    };
    static std::optional<Value> UnescapeValue(std::string_view escaped);

private:
    struct Entry {
        std::string key;
        std::string escapedKey;
        std::string escapedValue;
        Value value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& SectionFor(std::string_view name);
    static void Put(Section& section, Entry entry);

    std::vector<Section> sections_;
    std::vector<int> dropped_;
};

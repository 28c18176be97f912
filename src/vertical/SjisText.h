#pragma once
// Text passes over Shift-JIS output lines. Matches are only taken at character boundaries, so
// a trail byte followed by a lead byte never looks like a character it is not.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class SjisText {
public:
    // UTF-8 literal to Shift-JIS (the program's own literals; all of them are in code page 932).
    static std::string Sj(std::string_view utf8);

    // UTF-8 user text (titles, file names) to Shift-JIS for an HTML page: every character that
    // code page 932 cannot hold becomes a numeric character reference "&#N;".
    static std::string ForHtml(std::string_view utf8);

    // Replaces every occurrence of `from` by `to`; the inserted text is not searched again.
    // `keep(s, pos)` may refuse an occurrence at byte pos (it is then left alone).
    // Returns the number of replacements.
    static std::size_t ReplaceAll(
        std::string& s, std::string_view from, std::string_view to,
        const std::function<bool(const std::string&, std::size_t)>& keep = nullptr);

    // True when `pattern` starts at byte pos of s.
    static bool At(const std::string& s, std::size_t pos, std::string_view pattern) {
        return pos + pattern.size() <= s.size() && s.compare(pos, pattern.size(), pattern) == 0;
    }
};

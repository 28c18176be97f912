#include "core/ColorListFile.h"

#include "core/Cp932.h"

namespace {

struct ListFile {
    const char* name;
    int width;
};

const ListFile kFiles[ColorListFile::kFileCount] = {
    {"KanjiColor.txt", 165}, {"KanaColor.txt", 240},   {"HTMLAColor.txt", 185},
    {"HTMLKColor.txt", 200}, {"MacWinColor.txt", 200}, {"UserColor.txt", 250},
};

// True when s is well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF);
// multiByte tells whether any character took more than one byte.
bool IsValidUtf8(std::string_view s, bool& multiByte) {
    multiByte = false;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        char32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multiByte = true;
        i += len;
    }
    return true;
}

// Invalid UTF-8 sequences replaced by U+FFFD (used only for a file marked UTF-8 by its BOM).
std::string SanitizeUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t len = 1;
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b >= 0xC2 && b <= 0xDF)
            len = 2;
        else if (b >= 0xE0 && b <= 0xEF)
            len = 3;
        else if (b >= 0xF0 && b <= 0xF4)
            len = 4;
        else if (b >= 0x80)
            len = 0;
        bool multi = false;
        if (len > 0 && i + len <= s.size() && IsValidUtf8(s.substr(i, len), multi)) {
            out.append(s.substr(i, len));
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

}  // namespace

const char* ColorListFile::FileNameForType(int colorFileType) {
    if (colorFileType < 0 || colorFileType >= kFileCount) return nullptr;
    return kFiles[colorFileType].name;
}

int ColorListFile::BoxWidthForType(int colorFileType) {
    if (colorFileType < 0 || colorFileType >= kFileCount) return 0;
    return kFiles[colorFileType].width;
}

std::vector<std::string> ColorListFile::DecodeLines(std::string_view fileBytes) {
    std::string_view bytes = fileBytes;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return SplitLines(SanitizeUtf8(bytes.substr(3)));
    bool multiByte = false;
    if (IsValidUtf8(bytes, multiByte) && multiByte) return SplitLines(bytes);
    return SplitLines(Cp932::Decode(bytes).utf8);
}

std::vector<std::string> ColorListFile::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string_view ColorListFile::NameOf(std::string_view line) {
    // "=" is ASCII and never part of a multi-byte character in UTF-8 (nor a trail byte in
    // Shift-JIS), so the first byte 0x3D is the first "=".
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return line.substr(0, eq);
}

std::string_view ColorListFile::ValueTextOf(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return line.substr(eq + 1);
}

TColor ColorListFile::ValueOf(std::string_view valueText) {
    return StringToColorOr(valueText, clNone);
}

std::string ColorListFile::FoldName(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

bool ColorListFile::SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldName(a) == FoldName(b);
}

#include "core/IniDocument.h"

#include <cstdint>

namespace {

constexpr std::string_view kGeneral = "General";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char HexUpper(unsigned v) {
    return "0123456789ABCDEF"[v & 15];
}

char HexLower(unsigned v) {
    return "0123456789abcdef"[v & 15];
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

bool IsScalar(char32_t cp) {
    return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// Decodes strict UTF-8 (no overlong forms, no surrogates) into code points.
bool DecodeUtf8(std::string_view s, std::vector<char32_t>* out) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            len = 1;
            cp = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
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
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[len] || !IsScalar(cp)) return false;
        if (out) out->push_back(cp);
        i += len;
    }
    return true;
}

// A raw control character never appears in a line the settings classes write: they escape
// them all.
bool HasControl(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
    return false;
}

bool IsKeyChar(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// The text of a value after its escapes: the "@" forms of the settings classes.
IniDocument::Value TypedValue(std::string item) {
    using Kind = IniDocument::ValueKind;
    if (item.empty() || item[0] != '@') return {Kind::Text, std::move(item)};
    if (item.size() > 1 && item[1] == '@') return {Kind::Text, item.substr(1)};
    const std::string_view v = item;
    if (v.substr(0, 8) == "@String(" && v.back() == ')')
        return {Kind::Text, std::string(v.substr(8, v.size() - 9))};
    for (std::string_view type :
         {"@Invalid(", "@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
        if (v.substr(0, type.size()) == type && v.back() == ')') return {Kind::NotText, {}};
    return {Kind::Text, std::move(item)};
}

}  // namespace

// ----- escapes ----------------------------------------------------------------------------------

std::string IniDocument::EscapeKey(std::string_view key) {
    std::vector<char32_t> cps;
    if (!DecodeUtf8(key, &cps)) cps.clear();
    std::string out;
    auto unit = [&out](unsigned u) {
        out += "%U";
        for (int shift = 12; shift >= 0; shift -= 4) out += HexUpper(u >> shift);
    };
    for (char32_t c : cps) {
        if (c == '/') {
            out += '\\';
        } else if (IsKeyChar(c)) {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += HexUpper(c >> 4);
            out += HexUpper(c);
        } else if (c <= 0xFFFF) {
            unit(unsigned(c));
        } else {
            const char32_t v = c - 0x10000;
            unit(unsigned(0xD800 + (v >> 10)));
            unit(unsigned(0xDC00 + (v & 0x3FF)));
        }
    }
    return out;
}

std::optional<std::string> IniDocument::UnescapeKey(std::string_view escaped) {
    const std::string_view s = Trim(escaped);
    std::string out;
    char32_t high = 0;  // a UTF-16 high surrogate waiting for its low half
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '%') {
            // Qt's writer escapes quotes in names; a raw one is the start of damage.
            if (high || c == '"') return std::nullopt;
            out += c == '\\' ? '/' : c;
            continue;
        }
        char32_t cp = 0;
        const bool wide = i + 1 < s.size() && s[i + 1] == 'U';
        const std::size_t digits = wide ? 4 : 2;
        const std::size_t from = i + (wide ? 2 : 1);
        if (from + digits > s.size()) return std::nullopt;
        for (std::size_t k = 0; k < digits; ++k) {
            const int h = HexValue(s[from + k]);
            if (h < 0) return std::nullopt;
            cp = cp * 16 + char32_t(h);
        }
        i = from + digits - 1;
        if (high) {
            if (cp < 0xDC00 || cp > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00);
            high = 0;
        } else if (cp >= 0xD800 && cp <= 0xDBFF) {
            high = cp;
            continue;
        } else if (!IsScalar(cp)) {
            return std::nullopt;
        }
        AppendUtf8(out, cp);
    }
    if (high || out.empty()) return std::nullopt;
    return out;
}

std::string IniDocument::EscapeValue(std::string_view text) {
    std::string s(text);
    if (!s.empty() && s[0] == '@') s.insert(s.begin(), '@');
    const bool hasNul = s.find('\0') != std::string::npos;
    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (char c : s) {
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfHex && HexValue(c) >= 0) {
            out += "\\x";
            out += HexLower(unsigned(c) >> 4);
            out += HexLower(unsigned(c));
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
            case '\0':
                out += "\\0";
                escapeNextIfHex = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    const auto u = static_cast<unsigned char>(c);
                    out += "\\x";
                    if (u >= 16) out += '1';
                    out += HexLower(u);
                    escapeNextIfHex = true;
                } else {
                    out += c;
                }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    if (hasNul) out = "@String(" + out + ")";
    return out;
}

std::optional<IniDocument::Value> IniDocument::UnescapeValue(std::string_view s) {
    std::vector<std::string> items;
    std::string current;
    std::string blanks;  // blanks outside quotes, kept only when more of the item follows
    bool started = false;
    bool quoted = false;
    auto add = [&](std::string_view piece) {
        current += blanks;
        blanks.clear();
        current += piece;
        started = true;
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            quoted = !quoted;
            add({});
            continue;
        }
        if (c == '\\') {
            if (++i >= s.size()) return std::nullopt;  // continuation lines are not written
            const char e = s[i];
            std::string piece;
            switch (e) {
                case 'a':
                    piece = "\a";
                    break;
                case 'b':
                    piece = "\b";
                    break;
                case 'f':
                    piece = "\f";
                    break;
                case 'n':
                    piece = "\n";
                    break;
                case 'r':
                    piece = "\r";
                    break;
                case 't':
                    piece = "\t";
                    break;
                case 'v':
                    piece = "\v";
                    break;
                case '"':
                case '\'':
                case '?':
                case '\\':
                    piece = std::string(1, e);
                    break;
                case 'x': {
                    char32_t cp = 0;
                    std::size_t j = i + 1;
                    for (; j < s.size() && HexValue(s[j]) >= 0; ++j) {
                        cp = cp * 16 + char32_t(HexValue(s[j]));
                        if (cp > 0x10FFFF) return std::nullopt;
                    }
                    if (j == i + 1 || !IsScalar(cp)) return std::nullopt;
                    i = j - 1;
                    AppendUtf8(piece, cp);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        char32_t cp = char32_t(e - '0');
                        for (int k = 0;
                             k < 2 && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++k)
                            cp = cp * 8 + char32_t(s[++i] - '0');
                        AppendUtf8(piece, cp);
                        break;
                    }
                    return std::nullopt;
            }
            add(piece);
            continue;
        }
        if (!quoted) {
            if (c == ';') break;  // a comment follows
            if (c == ',') {
                items.push_back(std::move(current));
                current.clear();
                blanks.clear();
                started = false;
                continue;
            }
            if (IsBlank(c)) {
                if (started) blanks += c;
                continue;
            }
        }
        add(std::string_view(&s[i], 1));
    }
    if (quoted) return std::nullopt;
    items.push_back(std::move(current));
    if (items.size() == 1) return TypedValue(std::move(items[0]));
    std::string joined;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) joined += ", ";
        const bool doubled = items[k].size() > 1 && items[k][0] == '@' && items[k][1] == '@';
        joined += doubled ? items[k].substr(1) : items[k];
    }
    return Value{ValueKind::Text, std::move(joined)};
}

// ----- the document -----------------------------------------------------------------------------

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::string section(kGeneral);
    bool placed = true;  // false after a broken header: its lines have no section
    int number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty()) continue;
        if (HasControl(line) || !DecodeUtf8(line, nullptr)) {
            doc.dropped_.push_back(number);
            continue;
        }
        if (trimmed.front() == ';') continue;
        if (trimmed.front() == '[') {
            std::optional<std::string> name;
            if (trimmed.size() > 2 && trimmed.back() == ']') {
                const std::string_view inner = trimmed.substr(1, trimmed.size() - 2);
                // Qt writes a group that is itself called "General" as "%General".
                name = inner == "%General" ? std::string(kGeneral) : UnescapeKey(inner);
            }
            placed = name.has_value();
            if (placed)
                section = *name;
            else
                doc.dropped_.push_back(number);
            continue;
        }
        const std::size_t eq = line.find('=');
        std::optional<std::string> key;
        std::optional<Value> value;
        if (placed && eq != std::string_view::npos) {
            key = UnescapeKey(line.substr(0, eq));
            if (key) value = UnescapeValue(Trim(line.substr(eq + 1)));
        }
        if (!key || !value) {
            doc.dropped_.push_back(number);
            continue;
        }
        Put(doc.SectionFor(section), {std::move(*key), std::string(Trim(line.substr(0, eq))),
                                      std::string(Trim(line.substr(eq + 1))), std::move(*value)});
    }
    return doc;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    for (Section& s : sections_)
        if (s.name == name) return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (s.name == name) return &s;
    return nullptr;
}

IniDocument::Section& IniDocument::SectionFor(std::string_view name) {
    if (Section* s = FindSection(name)) return *s;
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

void IniDocument::Put(Section& section, Entry entry) {
    // A name given twice: the later line counts, as with Qt's reader.
    for (Entry& e : section.entries) {
        if (e.key == entry.key) {
            e = std::move(entry);
            return;
        }
    }
    section.entries.push_back(std::move(entry));
}

std::optional<std::string> IniDocument::Text(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    for (const Entry& e : s->entries)
        if (e.key == key)
            return e.value.kind == ValueKind::Text ? std::optional<std::string>(e.value.text)
                                                   : std::nullopt;
    return std::nullopt;
}

void IniDocument::SetText(std::string_view section, std::string_view key, std::string_view text) {
    Put(SectionFor(section), {std::string(key),
                              EscapeKey(key),
                              EscapeValue(text),
                              {ValueKind::Text, std::string(text)}});
}

std::string IniDocument::Write() const {
    std::string out;
    for (const Section& s : sections_) {
        if (s.entries.empty()) continue;
        if (!out.empty()) out += '\n';
        out += '[';
        out += s.name == kGeneral ? std::string(kGeneral) : EscapeKey(s.name);
        out += "]\n";
        for (const Entry& e : s.entries) {
            out += e.escapedKey;
            out += '=';
            out += e.escapedValue;
            out += '\n';
        }
    }
    return out;
}

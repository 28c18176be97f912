#include "convert/RtfFieldFlattener.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "convert/FieldInstruction.h"
#include "core/Cp932.h"
#include "core/Utf8.h"

namespace {

using View = std::string_view;

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

struct Control {
    std::size_t end = 0;  // index past the control sequence
    View word;            // the control word's letters; empty for an escape or symbol
    long param = 0;
    bool hasParam = false;
};

// The control sequence at s[i] == '\\'.
Control ReadControl(View s, std::size_t i) {
    Control c;
    const std::size_t n = s.size();
    if (i + 1 >= n) {
        c.end = n;
        return c;
    }
    const unsigned char b = static_cast<unsigned char>(s[i + 1]);
    if (b == '\'') {
        c.end = std::min(n, i + 4);
        return c;
    }
    if (!IsLetter(b)) {
        c.end = i + 2;
        return c;
    }
    std::size_t j = i + 1;
    while (j < n && IsLetter(static_cast<unsigned char>(s[j]))) ++j;
    c.word = s.substr(i + 1, j - i - 1);
    bool negative = false;
    if (j + 1 < n && s[j] == '-' && IsDigit(static_cast<unsigned char>(s[j + 1]))) {
        negative = true;
        ++j;
    }
    while (j < n && IsDigit(static_cast<unsigned char>(s[j]))) {
        c.hasParam = true;
        if (c.param < 100000000) c.param = c.param * 10 + (s[j] - '0');
        ++j;
    }
    if (negative) c.param = -c.param;
    if (j < n && s[j] == ' ') ++j;
    c.end = j;
    return c;
}

int HexDigit(char h) {
    if (h >= '0' && h <= '9') return h - '0';
    if (h >= 'a' && h <= 'f') return h - 'a' + 10;
    if (h >= 'A' && h <= 'F') return h - 'A' + 10;
    return -1;
}

// Index past the group that opens at s[open] == '{' (the end of s when it does not close).
std::size_t LocalGroupEnd(View s, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
        } else if (s[i] == '{') {
            ++depth;
        } else if (s[i] == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return s.size();
}

bool StarGroupAt(View s, std::size_t i) {
    return i + 2 < s.size() && s[i] == '{' && s[i + 1] == '\\' && s[i + 2] == '*';
}

void AppendUtf8AsUtf16(const std::string& utf8, std::u16string& out) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = Utf8::SequenceLength(static_cast<unsigned char>(utf8[i]));
        char32_t c = Utf8::DecodeAt(utf8, i, std::min(len, utf8.size() - i));
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(char16_t(0xD800 + (c >> 10)));
            out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
    }
}

std::string Utf8Of(char32_t c) {
    std::string s;
    Utf8::Append(s, c);
    return s;
}

// Text as RTF: Shift-JIS bytes (from 0x80 up, and \ { }, as \'hh), \uN with `uc` fallback
// characters for what code page 932 lacks.
std::string RtfOf(const std::u16string& text, long uc) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    auto unicode = [&](char16_t unit) {
        out += "\\u" + std::to_string(unit > 32767 ? long(unit) - 65536 : long(unit));
        out.append(std::size_t(std::max(0L, std::min(uc, 16L))), '?');
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x20) continue;
        if (u >= 0xD800 && u <= 0xDFFF) {
            unicode(u);
            continue;
        }
        const Cp932::EncodeResult enc = Cp932::Encode(Utf8Of(u));
        if (!enc.ok() || enc.bytes.empty()) {
            unicode(u);
            continue;
        }
        for (char ch : enc.bytes) {
            const unsigned char b = static_cast<unsigned char>(ch);
            if (b >= 0x80 || b < 0x20 || b == '\\' || b == '{' || b == '}') {
                out += "\\'";
                out += digits[b >> 4];
                out += digits[b & 0xF];
            } else {
                out += ch;
            }
        }
    }
    return out;
}

bool FieldAt(View s, std::size_t i) {
    return s.substr(i, 7) == "{\\field" &&
           (i + 7 >= s.size() || !IsLetter(static_cast<unsigned char>(s[i + 7])));
}

// Every group of the RTF: where it closes and whether it holds text outside {\* …} groups.
class Groups {
public:
    explicit Groups(View s) {
        std::vector<std::size_t> open;  // indexes into all_
        int inStar = 0;
        std::vector<bool> star;
        const std::size_t n = s.size();
        for (std::size_t i = 0; i < n;) {
            const char c = s[i];
            if (c == '{') {
                // A field inside a group stands for text (its result or what it shows).
                if (FieldAt(s, i)) MarkText(open, inStar);
                open.push_back(all_.size());
                all_.push_back({i, n, false});
                const bool st = StarGroupAt(s, i);
                star.push_back(st);
                if (st) ++inStar;
                ++i;
            } else if (c == '}') {
                if (!open.empty()) {
                    Group& g = all_[open.back()];
                    g.close = i + 1;
                    if (star.back()) --inStar;
                    open.pop_back();
                    star.pop_back();
                    if (g.hasText && !open.empty()) all_[open.back()].hasText = true;
                }
                ++i;
            } else if (c == '\\') {
                const Control k = ReadControl(s, i);
                const bool text = k.word.empty()
                                      ? (i + 1 < n && (s[i + 1] == '\'' || s[i + 1] == '\\' ||
                                                       s[i + 1] == '{' || s[i + 1] == '}'))
                                      : k.word == "u";
                if (text) MarkText(open, inStar);
                i = k.end;
            } else {
                if (c != '\r' && c != '\n') MarkText(open, inStar);
                ++i;
            }
        }
    }

    struct Group {
        std::size_t open, close;
        bool hasText;
    };

    const Group* At(std::size_t open) const {
        auto it = std::lower_bound(all_.begin(), all_.end(), open,
                                   [](const Group& g, std::size_t o) { return g.open < o; });
        return it != all_.end() && it->open == open ? &*it : nullptr;
    }

private:
    void MarkText(const std::vector<std::size_t>& open, int inStar) {
        if (!open.empty() && inStar == 0) all_[open.back()].hasText = true;
    }

    std::vector<Group> all_;
};

// The kind of the child group at s[i] == '{': 1 instruction, 2 result, 0 other.
int ChildKind(View s, std::size_t i) {
    std::size_t j = i + 1;
    if (s.substr(j, 2) == "\\*") j += 2;
    while (j < s.size() && (s[j] == ' ' || s[j] == '\r' || s[j] == '\n')) ++j;
    if (j >= s.size() || s[j] != '\\') return 0;
    const Control k = ReadControl(s, j);
    if (k.word == "fldinst") return 1;
    if (k.word == "fldrslt") return 2;
    return 0;
}

}  // namespace

std::u16string RtfFieldFlattener::TextOf(std::string_view s, long uc) {
    std::u16string out;
    std::string bytes;
    auto flush = [&] {
        if (bytes.empty()) return;
        AppendUtf8AsUtf16(Cp932::ToUtf8(bytes), out);
        bytes.clear();
    };
    long skip = 0;  // fallback characters of the last \uN still to skip
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const char c = s[i];
        if (c == '{') {
            skip = 0;
            if (StarGroupAt(s, i)) {
                i = LocalGroupEnd(s, i);
                continue;
            }
            ++i;
        } else if (c == '}') {
            skip = 0;
            ++i;
        } else if (c == '\\') {
            const Control k = ReadControl(s, i);
            const std::size_t at = i;
            const char next = i + 1 < n ? s[i + 1] : '\0';
            i = k.end;
            if (skip > 0) {
                --skip;
                continue;
            }
            if (!k.word.empty()) {
                if (k.word == "u" && k.hasParam) {
                    flush();
                    out.push_back(char16_t(k.param < 0 ? k.param + 65536 : k.param));
                    skip = uc;
                } else if (k.word == "uc") {
                    uc = k.hasParam ? std::max(0L, k.param) : 1;
                }
            } else if (next == '\'') {
                const int hi = at + 2 < n ? HexDigit(s[at + 2]) : -1;
                const int lo = at + 3 < n ? HexDigit(s[at + 3]) : -1;
                if (hi >= 0 && lo >= 0) bytes.push_back(char(hi * 16 + lo));
            } else if (next == '\\' || next == '{' || next == '}') {
                bytes.push_back(next);
            }
        } else {
            ++i;
            if (skip > 0) {
                --skip;
                continue;
            }
            if (static_cast<unsigned char>(c) >= 0x20) bytes.push_back(c);
        }
    }
    flush();
    return out;
}

bool RtfFieldFlattener::Flatten(std::string_view s, std::string& out) {
    if (s.find("{\\field") == View::npos) return false;
    const Groups groups(s);
    std::string result;
    bool changed = false;
    std::size_t copied = 0;
    long uc = 1;
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const char c = s[i];
        if (c == '\\') {
            const Control k = ReadControl(s, i);
            if (k.word == "uc") uc = k.hasParam ? std::max(0L, k.param) : 1;
            i = k.end;
            continue;
        }
        if (c != '{') {
            ++i;
            continue;
        }
        // Destinations the converter skips are passed over whole; so are fields' instructions.
        if (StarGroupAt(s, i)) {
            const Groups::Group* g = groups.At(i);
            i = g ? g->close : n;
            continue;
        }
        if (!FieldAt(s, i)) {
            ++i;
            continue;
        }
        const Groups::Group* field = groups.At(i);
        const std::size_t close = field ? field->close : n;
        // The field's instruction and result: its first such child groups.
        std::optional<std::pair<std::size_t, std::size_t>> instruction;
        const Groups::Group* resultGroup = nullptr;
        for (std::size_t j = i + 7; j < close;) {
            if (s[j] == '\\') {
                j = ReadControl(s, j).end;
            } else if (s[j] == '{') {
                const Groups::Group* child = groups.At(j);
                const std::size_t end = child ? child->close : close;
                const int kind = ChildKind(s, j);
                if (kind == 1 && !instruction) instruction = std::make_pair(j + 1, end);
                if (kind == 2 && !resultGroup) resultGroup = child;
                j = std::max(end, j + 1);
            } else {
                ++j;
            }
        }
        std::u16string inst;
        if (instruction) {
            const std::size_t to = std::min(instruction->second, close);
            std::size_t from = instruction->first;
            // The instruction's words after "\*\fldinst".
            if (s.substr(from, 2) == "\\*") from += 2;
            from = ReadControl(s, from).end;
            if (to > from)
                inst = TextOf(s.substr(from, to - from - (s[to - 1] == '}' ? 1 : 0)), uc);
        }
        std::optional<std::u16string> text;
        if (auto ruby = FieldInstruction::ParseRuby(inst)) {
            text = ruby->base;
        } else if (!resultGroup || !resultGroup->hasText) {
            text = FieldInstruction::VisibleText(inst);
        }
        if (!text) {
            i += 7;  // a field with a result: its result is read (and searched for fields)
            continue;
        }
        result.append(s.substr(copied, i - copied));
        result += '{';
        result += RtfOf(*text, uc);
        result += '}';
        changed = true;
        i = close;
        copied = close;
    }
    if (!changed) return false;
    result.append(s.substr(copied));
    out = std::move(result);
    return true;
}

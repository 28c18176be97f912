#include "convert/FieldInstruction.h"

#include <algorithm>

namespace {

using View = std::u16string_view;
constexpr std::size_t kNone = View::npos;

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0;
}
bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
char16_t Lower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

View Trim(View s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Index just past the leading field keyword (after spaces).
std::size_t KeywordEnd(View s, std::size_t* start = nullptr) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (start) *start = i;
    while (i < s.size() && !IsSpace(s[i]) && s[i] != u'\\' && s[i] != u'"' && s[i] != u'(') ++i;
    return i;
}

// True when the switch \<letter> (one letter, not the start of a longer word) is at i.
bool SwitchAt(View s, std::size_t i, char16_t letter) {
    return i + 1 < s.size() && s[i] == u'\\' && Lower(s[i + 1]) == letter &&
           (i + 2 >= s.size() || !IsLetter(s[i + 2]));
}

// The first \<letter> from `from` on, outside quotes and before any '(' (kNone if none).
std::size_t FindSwitch(View s, std::size_t from, char16_t letter) {
    bool quoted = false;
    for (std::size_t i = from; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'(') {
            return kNone;
        } else if (c == u'\\') {
            if (SwitchAt(s, i, letter)) return i;
            ++i;  // the escaped character
        }
    }
    return kNone;
}

// The index of the first '(' from `from` on, outside quotes (kNone if none).
std::size_t FindOpen(View s, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] == u'"') quoted = !quoted;
        if (quoted) continue;
        if (s[i] == u'\\') {
            ++i;
        } else if (s[i] == u'(') {
            return i;
        }
    }
    return kNone;
}

struct Range {
    std::size_t begin, end;  // [begin, end) in the instruction
};

// The arguments of the list that opens at s[open] == '(': split at commas of this level,
// escapes and balanced inner parentheses kept. Gives the index past the closing ')' in
// *after; false when the list does not close.
bool Arguments(View s, std::size_t open, std::vector<Range>& args, std::size_t* after) {
    int depth = 0;
    std::size_t start = open + 1;
    for (std::size_t i = open + 1; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == u'\\') {
            ++i;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 0) {
                args.push_back({start, i});
                *after = i + 1;
                return true;
            }
            --depth;
        } else if (c == u',' && depth == 0) {
            args.push_back({start, i});
            start = i + 1;
        }
    }
    return false;
}

// The text of an argument that holds no switch: escapes undone, each unit's index kept.
// False when a switch (a backslash before a letter) or a lone backslash is in it.
bool PlainText(View s, Range r, std::u16string& text, std::vector<std::size_t>* at) {
    for (std::size_t i = r.begin; i < r.end; ++i) {
        if (s[i] == u'\\') {
            if (i + 1 >= r.end || IsLetter(s[i + 1])) return false;
            ++i;
        }
        text.push_back(s[i]);
        if (at) at->push_back(i);
    }
    return true;
}

bool Balanced(View text) {
    int depth = 0;
    for (char16_t c : text) {
        if (c == u'(') ++depth;
        if (c == u')' && --depth < 0) return false;
    }
    return depth == 0;
}

// Text for an argument: "\\" and "," escaped always, parentheses only when they do not pair
// up (LibreOffice reads balanced ones as text but knows no escapes).
std::u16string Escaped(View text, bool parentheses) {
    std::u16string out;
    for (char16_t c : text) {
        if (c == u'\\' || c == u',' || (parentheses && (c == u'(' || c == u')')))
            out.push_back(u'\\');
        out.push_back(c);
    }
    return out;
}

std::u16string Number(int n) {
    std::u16string out;
    for (char c : std::to_string(n)) out.push_back(char16_t(c));
    return out;
}

// True when the options hold the alignment format "\* jcN".
bool HasAlignment(View s) {
    bool quoted = false;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == u'"') quoted = !quoted;
        if (quoted || s[i] != u'\\' || s[i + 1] != u'*') continue;
        std::size_t j = i + 2;
        while (j < s.size() && IsSpace(s[j])) ++j;
        if (j + 2 < s.size() && Lower(s[j]) == u'j' && Lower(s[j + 1]) == u'c' && IsDigit(s[j + 2]))
            return true;
    }
    return false;
}

// The "\* jcN" that matches the alignment switch of \o (\ac or none centre, \ad spread,
// \al left, \ar right).
std::u16string AlignmentFor(View oSwitches) {
    int jc = 0;
    for (std::size_t i = 0; i + 2 < oSwitches.size(); ++i) {
        if (oSwitches[i] != u'\\' || Lower(oSwitches[i + 1]) != u'a') continue;
        const char16_t a = Lower(oSwitches[i + 2]);
        if (a == u'd') jc = 2;
        if (a == u'l') jc = 3;
        if (a == u'r') jc = 4;
    }
    return u"\\* jc" + Number(jc);
}

// Options that can stand in a field as they are: quotes closed, no parenthesis or comma
// outside them.
bool SafeOptions(View s) {
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'(' || c == u')' || c == u',')) {
            return false;
        } else if (!quoted && c == u'\\') {
            if (i + 1 >= s.size()) return false;
            ++i;
        }
    }
    return !quoted;
}

// Quoted texts of a field that are not the values of switches.
std::u16string QuotedTexts(View s, std::size_t from) {
    std::u16string out;
    bool afterSwitch = false;
    std::size_t i = from;
    while (i < s.size()) {
        const char16_t c = s[i];
        if (IsSpace(c)) {
            ++i;
        } else if (c == u'\\') {
            i += 2;  // \x: a switch (\* counts too); its value, if any, follows
            while (i < s.size() && IsLetter(s[i])) ++i;
            afterSwitch = true;
        } else if (c == u'"') {
            std::u16string text;
            ++i;
            while (i < s.size() && s[i] != u'"') {
                if (s[i] == u'\\' && i + 1 < s.size()) ++i;
                text.push_back(s[i]);
                ++i;
            }
            ++i;  // the closing quote
            if (!afterSwitch && !text.empty()) {
                if (!out.empty()) out.push_back(u' ');
                out += text;
            }
            afterSwitch = false;
        } else {
            while (i < s.size() && !IsSpace(s[i]) && s[i] != u'\\' && s[i] != u'"') ++i;
            afterSwitch = false;  // a bare word: a switch's value or an argument, not shown
        }
    }
    return out;
}

// The text of EQ's arguments: every character inside the parentheses except the syntax
// (switches with their numbers, commas between arguments, the parentheses of lists).
std::u16string EquationText(View s, std::size_t from) {
    std::u16string out;
    std::vector<bool> syntax;  // for each open '(': true when it opened an argument list
    bool afterSwitch = true;   // the first '(' after EQ opens a list
    bool seenList = false;     // after the first list, stray text outside lists is text too
    for (std::size_t i = from; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == u'\\') {
            if (i + 1 < s.size() && (IsLetter(s[i + 1]) || s[i + 1] == u'*')) {
                ++i;
                while (i + 1 < s.size() && IsLetter(s[i + 1])) ++i;
                // The switch's number ("\up 9"), its format word ("\* jc2") or its quoted
                // value ("\* "Font:…"") belongs to it.
                std::size_t j = i + 1;
                while (j < s.size() && IsSpace(s[j])) ++j;
                if (syntax.empty() && j < s.size() && s[j] == u'"') {
                    ++j;
                    while (j < s.size() && s[j] != u'"') ++j;
                    i = j;
                } else if (syntax.empty() && s[i] == u'*') {
                    while (j < s.size() && !IsSpace(s[j]) && s[j] != u'\\' && s[j] != u'(') ++j;
                    i = j - 1;
                } else {
                    while (j < s.size() && IsDigit(s[j])) ++j;
                    if (j > i + 1 && IsDigit(s[j - 1])) i = j - 1;
                }
                afterSwitch = true;
                continue;
            }
            if (i + 1 < s.size() && (!syntax.empty() || seenList)) out.push_back(s[i + 1]);
            ++i;
            afterSwitch = false;
            continue;
        }
        if (c == u'(') {
            const bool list = afterSwitch || syntax.empty();
            syntax.push_back(list);
            seenList = true;
            if (!list) out.push_back(c);
        } else if (c == u')') {
            if (syntax.empty()) continue;
            if (!syntax.back()) out.push_back(c);
            syntax.pop_back();
        } else if (c == u',') {
            if (!syntax.empty() && !syntax.back()) out.push_back(c);
        } else if ((!syntax.empty() || seenList) && !(afterSwitch && IsSpace(c))) {
            out.push_back(c);
        } else if (syntax.empty()) {
            continue;  // words outside the lists are switch values
        }
        if (!IsSpace(c)) afterSwitch = false;
    }
    return out;
}

}  // namespace

std::u16string FieldInstruction::Keyword(std::u16string_view s) {
    std::size_t start = 0;
    const std::size_t end = KeywordEnd(s, &start);
    std::u16string k(s.substr(start, end - start));
    for (char16_t& c : k)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return k;
}

std::optional<FieldInstruction::Ruby> FieldInstruction::ParseRuby(std::u16string_view s) {
    if (Keyword(s) != u"EQ") return std::nullopt;
    const std::size_t kwEnd = KeywordEnd(s);
    const std::size_t o = FindSwitch(s, kwEnd, u'o');
    if (o == kNone) return std::nullopt;
    const std::size_t oOpen = FindOpen(s, o + 2);
    if (oOpen == kNone) return std::nullopt;
    std::vector<Range> args;
    std::size_t after = 0;
    if (!Arguments(s, oOpen, args, &after) || args.size() != 2) return std::nullopt;
    if (!Trim(s.substr(after)).empty()) return std::nullopt;

    // The first argument: \s with its switches, then (reading).
    std::size_t p = args[0].begin;
    while (p < args[0].end && IsSpace(s[p])) ++p;
    if (!SwitchAt(s, p, u's')) return std::nullopt;
    const std::size_t sOpen = FindOpen(s.substr(0, args[0].end), p + 2);
    if (sOpen == kNone) return std::nullopt;
    std::vector<Range> readingArgs;
    std::size_t readingAfter = 0;
    if (!Arguments(s.substr(0, args[0].end), sOpen, readingArgs, &readingAfter) ||
        readingArgs.size() != 1)
        return std::nullopt;
    if (!Trim(s.substr(readingAfter, args[0].end - readingAfter)).empty()) return std::nullopt;

    Ruby r;
    if (!PlainText(s, readingArgs[0], r.reading, nullptr)) return std::nullopt;
    if (!PlainText(s, args[1], r.base, &r.baseAt) || r.base.empty()) return std::nullopt;

    const View before = Trim(s.substr(kwEnd, o - kwEnd));
    const View oSwitches = Trim(s.substr(o + 2, oOpen - o - 2));
    const View sSwitches = Trim(s.substr(p + 2, sOpen - p - 2));
    r.options = std::u16string(before);
    if (!r.options.empty()) r.options += u' ';
    r.options += s.substr(o, 2);  // "\o" or "\O", as written
    r.options += oSwitches;
    r.options += u' ';
    r.options += s.substr(p, 2);
    r.options += sSwitches;
    return r;
}

std::vector<std::u16string> FieldInstruction::BuildRubyParts(
    std::u16string_view options, std::u16string_view reading,
    const std::vector<std::u16string_view>& baseParts, int baseHalfPoints) {
    const int readingHalfPoints = std::max(1, baseHalfPoints / 2);
    const std::u16string raise = u"\\up " + Number(std::max(1, readingHalfPoints - 1));
    // Without options: centred, the reading half the base's size, raised by a little less.
    const std::u16string defaultBefore = u"\\* jc0 \\* hps" + Number(readingHalfPoints);
    View before = defaultBefore, oSwitches = u"\\ac", sSwitches = raise;
    View oWord = u"\\o", sWord = u"\\s";
    const View opts = Trim(options);
    if (!opts.empty() && SafeOptions(opts)) {
        oSwitches = u"";
        const std::size_t o = FindSwitch(opts, 0, u'o');
        if (o == kNone) {
            before = opts;
        } else {
            before = Trim(opts.substr(0, o));
            oWord = opts.substr(o, 2);
            const std::size_t sw = FindSwitch(opts, o + 2, u's');
            if (sw == kNone) {
                oSwitches = Trim(opts.substr(o + 2));
            } else {
                oSwitches = Trim(opts.substr(o + 2, sw - o - 2));
                sWord = opts.substr(sw, 2);
                sSwitches = Trim(opts.substr(sw + 2));
            }
        }
    }
    std::u16string out = u"EQ ";
    // LibreOffice takes an EQ field for ruby only when it names the alignment.
    if (!HasAlignment(before)) {
        out += AlignmentFor(oSwitches);
        out += u' ';
    }
    out += before;
    if (!before.empty()) out += u' ';
    out += oWord;
    out += oSwitches;
    out += u'(';
    out += sWord;
    out += sSwitches;
    out += u'(';
    out += Escaped(reading, !Balanced(reading));
    out += u"),";
    // The base escaped as a whole (whether its parentheses pair up), then cut where it was.
    std::u16string base;
    for (View part : baseParts) base += part;
    const bool parentheses = !Balanced(base);
    std::vector<std::u16string> parts{std::move(out)};
    for (View part : baseParts) parts.push_back(Escaped(part, parentheses));
    parts.emplace_back(u")");
    return parts;
}

std::u16string FieldInstruction::BuildRuby(std::u16string_view options, std::u16string_view reading,
                                           std::u16string_view base, int baseHalfPoints) {
    std::u16string out;
    for (const std::u16string& part : BuildRubyParts(options, reading, {base}, baseHalfPoints))
        out += part;
    return out;
}

std::u16string FieldInstruction::VisibleText(std::u16string_view s) {
    if (auto ruby = ParseRuby(s)) return ruby->base;
    const std::size_t kwEnd = KeywordEnd(s);
    if (Keyword(s) == u"EQ") return EquationText(s, kwEnd);
    return QuotedTexts(s, kwEnd);
}

#include "vertical/TateTextReferences.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/Cp932.h"
#include "core/Utf8.h"

namespace {

// Length of the reference "&#digits;" at pos and its code point; 0 when there is none.
std::size_t ReferenceAt(std::string_view s, std::size_t pos, char32_t& code) {
    if (pos + 3 >= s.size() || s[pos] != '&' || s[pos + 1] != '#') return 0;
    std::size_t i = pos + 2;
    unsigned long value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - pos < 10) {
        value = value * 10 + static_cast<unsigned long>(s[i] - '0');
        ++i;
    }
    if (i == pos + 2 || i >= s.size() || s[i] != ';' || value > 0x10FFFF) return 0;
    code = static_cast<char32_t>(value);
    return i + 1 - pos;
}

}  // namespace

TateTextReferences::Result TateTextReferences::Resolve(std::string output) {
    Result r;
    if (output.find("&#") == std::string::npos) {
        r.utf8 = Cp932::ToUtf8(output);
        r.sjis = std::move(output);
        return r;
    }
    r.sjis.reserve(output.size());
    r.utf8.reserve(output.size() * 3 / 2);
    const std::string_view s(output);
    std::size_t copied = 0;  // bytes of output already taken over
    std::size_t at = s.find('&');
    while (at != std::string_view::npos) {
        char32_t code = 0;
        const std::size_t len = ReferenceAt(s, at, code);
        if (len == 0) {
            at = s.find('&', at + 1);
            continue;
        }
        const std::string_view before = s.substr(copied, at - copied);
        r.sjis.append(before);
        r.sjis += '?';
        r.utf8 += Cp932::ToUtf8(before);
        Utf8::Append(r.utf8, code);
        if (std::find(r.characters.begin(), r.characters.end(), code) == r.characters.end())
            r.characters.push_back(code);
        copied = at + len;
        at = s.find('&', copied);
    }
    const std::string_view rest = s.substr(copied);
    r.sjis.append(rest);
    r.utf8 += Cp932::ToUtf8(rest);
    return r;
}

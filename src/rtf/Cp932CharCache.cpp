#include "rtf/Cp932CharCache.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/Cp932.h"
#include "core/Utf8.h"

namespace {

struct Entry {
    signed char length = -1;  // -1 not converted yet, 0 not in code page 932, else 1 or 2
    char bytes[2] = {0, 0};
};

std::string Utf8Of(char32_t c) {
    std::string s;
    Utf8::Append(s, c);
    return s;
}

Entry Convert(char32_t c) {
    Entry e;
    e.length = 0;
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return e;
    const Cp932::EncodeResult r = Cp932::Encode(Utf8Of(c));
    if (!r.ok() || r.bytes.empty() || r.bytes.size() > 2) return e;
    e.length = static_cast<signed char>(r.bytes.size());
    for (std::size_t i = 0; i < r.bytes.size(); ++i) e.bytes[i] = r.bytes[i];
    return e;
}

}  // namespace

std::string_view Cp932CharCache::Bytes(char32_t c) {
    thread_local std::unique_ptr<std::array<Entry, 0x10000>> plane;
    thread_local std::unordered_map<char32_t, Entry> beyond;
    Entry* e;
    if (c < 0x10000) {
        if (!plane) plane = std::make_unique<std::array<Entry, 0x10000>>();
        e = &(*plane)[c];
    } else {
        e = &beyond[c];
    }
    if (e->length < 0) *e = Convert(c);
    return std::string_view(e->bytes, std::size_t(e->length));
}

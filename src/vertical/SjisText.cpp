#include "vertical/SjisText.h"

#include "core/Cp932.h"
#include "core/ShiftJis.h"

std::string SjisText::Sj(std::string_view utf8) {
    return Cp932::ToSjis(utf8);
}

std::size_t SjisText::ReplaceAll(std::string& s, std::string_view from, std::string_view to,
                                 const std::function<bool(const std::string&, std::size_t)>& keep) {
    if (from.empty()) return 0;
    std::size_t hit = s.find(from);
    if (hit == std::string::npos) return 0;

    std::string out;
    std::size_t count = 0;
    std::size_t i = 0;       // walks character boundaries
    std::size_t copied = 0;  // bytes of s already moved to out
    while (hit != std::string::npos) {
        while (i < hit) i += ShiftJis::CharLength(s, i);
        if (i == hit && (!keep || keep(s, hit))) {
            if (count == 0) out.reserve(s.size() + to.size() * 4);
            out.append(s, copied, hit - copied);
            out.append(to);
            i = copied = hit + from.size();
            ++count;
            hit = s.find(from, i);
        } else {
            // Not on a boundary (or refused): look again from the next character.
            if (i == hit) i += ShiftJis::CharLength(s, i);
            hit = s.find(from, i);
        }
    }
    if (count == 0) return 0;
    out.append(s, copied, std::string::npos);
    s.swap(out);
    return count;
}

std::string SjisText::ForHtml(std::string_view utf8) {
    Cp932::EncodeResult whole = Cp932::Encode(utf8);
    if (whole.ok()) return whole.bytes;
    // Encode character by character so that each unmappable one gets its reference.
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        std::size_t len = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 1;
        if (i + len > utf8.size()) len = utf8.size() - i;
        Cp932::EncodeResult one = Cp932::Encode(utf8.substr(i, len));
        if (one.ok())
            out += one.bytes;
        else
            for (char32_t c : one.unmappable)
                out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        i += len;
    }
    return out;
}

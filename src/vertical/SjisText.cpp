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

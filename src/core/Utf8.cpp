#include "core/Utf8.h"

std::size_t Utf8::SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

char32_t Utf8::DecodeAt(std::string_view s, std::size_t pos, std::size_t len) {
    const auto b = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(s[pos + i])); };
    if (pos + len > s.size()) return 0xFFFD;
    switch (len) {
        case 1:
            return b(0);
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
    }
}

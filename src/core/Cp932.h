#pragma once
// Conversion between code page 932 bytes and Unicode (UTF-8 inside the Qt-free layers),
// through glibc iconv "CP932". Nothing is silently dropped or replaced: every character the
// target cannot hold is reported.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Cp932 {
public:
    struct EncodeResult {
        std::string bytes;                  // code page 932 bytes; an unmappable character gives '?'
        std::vector<char32_t> unmappable;   // every character that code page 932 cannot hold
        std::vector<std::size_t> positions; // byte offsets in the UTF-8 input, one per unmappable
        bool ok() const { return unmappable.empty(); }
    };
    struct DecodeResult {
        std::string utf8;                       // decoded text; an invalid byte gives U+FFFD
        std::vector<std::size_t> invalidOffsets; // byte offsets of bytes that are not CP932
        bool ok() const { return invalidOffsets.empty(); }
    };

    static EncodeResult Encode(std::string_view utf8);
    static DecodeResult Decode(std::string_view bytes);

    // Shorthands that keep the replacement characters ('?', U+FFFD) and ignore the reports.
    static std::string ToSjis(std::string_view utf8) { return Encode(utf8).bytes; }
    static std::string ToUtf8(std::string_view sjis) { return Decode(sjis).utf8; }
};

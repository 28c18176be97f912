#include "core/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// One converter per direction and thread, opened on first use and kept for the run.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t get() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return cd_;
    }

private:
    iconv_t cd_;
};

std::size_t Utf8Length(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

char32_t Utf8CodePoint(std::string_view s, std::size_t pos, std::size_t len) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
    if (pos + len > s.size()) return 0xFFFD;
    switch (len) {
        case 1: return b(0);
        case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
    }
}

// Runs iconv over the whole input; onError is called with the offset of each byte sequence
// that cannot be converted and returns how many input bytes to skip, after appending its
// replacement to out.
template <typename OnError>
void Run(iconv_t cd, std::string_view in, std::string& out, OnError onError) {
    out.clear();
    out.reserve(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::string buf(in.size() * 2 + 64, '\0');
    while (srcLeft > 0) {
        char* dst = buf.data();
        std::size_t dstLeft = buf.size();
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf.data(), buf.size() - dstLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: an unconvertible or cut sequence at src.
        std::size_t offset = in.size() - srcLeft;
        std::size_t skip = onError(offset, out);
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
    }
}

}  // namespace

Cp932::EncodeResult Cp932::Encode(std::string_view utf8) {
    thread_local Converter conv("CP932", "UTF-8");
    EncodeResult res;
    Run(conv.get(), utf8, res.bytes, [&](std::size_t offset, std::string& out) {
        std::size_t len = Utf8Length(static_cast<unsigned char>(utf8[offset]));
        res.unmappable.push_back(Utf8CodePoint(utf8, offset, len));
        res.positions.push_back(offset);
        out.push_back('?');
        return len;
    });
    return res;
}

Cp932::DecodeResult Cp932::Decode(std::string_view bytes) {
    thread_local Converter conv("UTF-8", "CP932");
    DecodeResult res;
    Run(conv.get(), bytes, res.utf8, [&](std::size_t offset, std::string& out) {
        res.invalidOffsets.push_back(offset);
        out.append("\xEF\xBF\xBD");
        return std::size_t{1};
    });
    return res;
}

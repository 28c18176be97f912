#include "core/IconvConverter.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

iconv_t Handle(void* cd) {
    return static_cast<iconv_t>(cd);
}

}  // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (Handle(cd_) == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
}

IconvConverter::~IconvConverter() {
    iconv_close(Handle(cd_));
}

std::string IconvConverter::Run(std::string_view in, const OnError& onError) {
    const iconv_t cd = Handle(cd_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out;
    out.reserve(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::string buf(in.size() * 2 + 64, '\0');
    while (srcLeft > 0) {
        char* dst = buf.data();
        std::size_t dstLeft = buf.size();
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf.data(), buf.size() - dstLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: an unconvertible or cut sequence at src.
        const std::size_t offset = in.size() - srcLeft;
        std::size_t skip = onError(offset, out);
        if (skip == 0) skip = 1;
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
    }
    // Flush a pending shift state (none of the encodings used here has one, but be exact).
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buf.data(), buf.size() - dstLeft);
    return out;
}

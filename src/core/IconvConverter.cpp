#include "core/IconvConverter.h"

#include <iconv.h>

#include <algorithm>
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
    // The input goes to iconv in windows. glibc converts in steps through an inner buffer and,
    // when a later step meets a character it cannot convert, converts the call's input again up
    // to that character; with the whole input in one call every unconvertible character would
    // cost a pass over thousands of characters. After each such character the window starts
    // small and doubles while the text converts cleanly, so clean text still goes in large
    // pieces.
    constexpr std::size_t kSmallWindow = 64;
    constexpr std::size_t kLargeWindow = 64 * 1024;
    const iconv_t cd = Handle(cd_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out;
    out.reserve(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t window = kLargeWindow;
    std::string buf;
    while (srcLeft > 0) {
        const std::size_t take = std::min(window, srcLeft);
        // Four output bytes per input byte hold every conversion used here; E2BIG covers the
        // rest.
        if (buf.size() < take * 4 + 64) buf.resize(take * 4 + 64);
        std::size_t takeLeft = take;
        char* dst = buf.data();
        std::size_t dstLeft = buf.size();
        const std::size_t r = iconv(cd, &src, &takeLeft, &dst, &dstLeft);
        const int err = errno;
        out.append(buf.data(), buf.size() - dstLeft);
        const std::size_t used = take - takeLeft;
        srcLeft -= used;
        if (r != static_cast<std::size_t>(-1)) {
            window = std::min(window * 2, kLargeWindow);
            continue;
        }
        if (err == E2BIG) continue;
        // A sequence cut by the window's end is not an error: the next window starts with it.
        if (err == EINVAL && takeLeft < srcLeft) {
            if (used == 0) window *= 2;
            continue;
        }
        // EILSEQ, or EINVAL at the end of the input: an unconvertible or cut sequence at src.
        const std::size_t offset = in.size() - srcLeft;
        std::size_t skip = onError(offset, out);
        if (skip == 0) skip = 1;
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
        window = kSmallWindow;
    }
    // Flush a pending shift state (none of the encodings used here has one, but be exact).
    if (buf.size() < 64) buf.resize(64);
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buf.data(), buf.size() - dstLeft);
    return out;
}

#include "rtf/CodePageDecoder.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "core/Cp932.h"

namespace {

std::string IconvName(int codePage) {
    switch (codePage) {
        case 1361:
            return "JOHAB";
        case 10000:
            return "MACINTOSH";
        case 20127:
            return "ASCII";
        case 20932:
            return "EUC-JP";
        case 28591:
            return "ISO-8859-1";
        case 65001:
            return "UTF-8";
        default:
            return "CP" + std::to_string(codePage);
    }
}

// One open converter per code page, kept for the run (per thread).
struct Handle {
    iconv_t cd = reinterpret_cast<iconv_t>(-1);
    ~Handle() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
    bool ok() const { return cd != reinterpret_cast<iconv_t>(-1); }
};

iconv_t Open(int codePage) {
    thread_local std::unordered_map<int, std::unique_ptr<Handle>> table;
    auto it = table.find(codePage);
    if (it == table.end()) {
        auto h = std::make_unique<Handle>();
        const std::string name = IconvName(codePage);
        h->cd = iconv_open("UTF-16LE", name.c_str());
        it = table.emplace(codePage, std::move(h)).first;
    }
    if (!it->second->ok()) return reinterpret_cast<iconv_t>(-1);
    iconv(it->second->cd, nullptr, nullptr, nullptr, nullptr);
    return it->second->cd;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

int CodePageDecoder::CodePageOfCharset(int charset) {
    switch (charset) {
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 0:
            return 1252;
        default:
            return 0;
    }
}

QString CodePageDecoder::Decode(int codePage, std::string_view bytes) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    if (codePage == 932) {
        const std::string utf8 = Cp932::Decode(bytes).utf8;
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }
    iconv_t cd = Open(codePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) cd = Open(1252);
    QString out;
    out.resize(qsizetype(bytes.size()));  // never more UTF-16 units than bytes
    char* src = const_cast<char*>(bytes.data());
    std::size_t srcLeft = bytes.size();
    char* dst = reinterpret_cast<char*>(out.data());
    std::size_t dstLeft = bytes.size() * 2;
    while (srcLeft > 0) {
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG || dstLeft < 2) break;
        // Code pages with combining marks (1255, 1258) hold a letter back until they see
        // whether a mark follows: write it out before the bad byte, in its place.
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        if (dstLeft < 2) break;
        // A byte the code page does not define (or a cut sequence): U+FFFD, go on after it.
        const char16_t bad = 0xFFFD;
        std::memcpy(dst, &bad, 2);
        dst += 2;
        dstLeft -= 2;
        ++src;
        --srcLeft;
    }
    // The letter held back at the end of the bytes.
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.resize(qsizetype((dst - reinterpret_cast<char*>(out.data())) / 2));
    return out;
}

#include "core/TextEncoding.h"

#include "core/Cp932.h"
#include "core/IconvConverter.h"
#include "core/Utf8.h"

namespace {

using Encoding = TextEncoding::Encoding;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// The code point at pos and its length; a sequence cut off by the end counts as one byte of
// U+FFFD.
char32_t CodePointAt(std::string_view s, std::size_t pos, std::size_t* len) {
    *len = Utf8::SequenceLength(static_cast<unsigned char>(s[pos]));
    if (pos + *len > s.size()) {
        *len = 1;
        return 0xFFFD;
    }
    return Utf8::DecodeAt(s, pos, *len);
}

TextEncoding::Decoded DecodeWith(const char* from, std::string_view bytes, std::size_t base,
                                 std::size_t unit) {
    thread_local IconvConverter eucJp("UTF-8", "EUC-JP");
    thread_local IconvConverter utf16le("UTF-8", "UTF-16LE");
    thread_local IconvConverter utf16be("UTF-8", "UTF-16BE");
    IconvConverter& conv = std::string_view(from) == "EUC-JP"     ? eucJp
                           : std::string_view(from) == "UTF-16LE" ? utf16le
                                                                  : utf16be;
    TextEncoding::Decoded d;
    d.text = conv.Run(bytes, [&](std::size_t offset, std::string& out) {
        d.invalidOffsets.push_back(base + offset);
        out.append("\xEF\xBF\xBD");
        return unit;
    });
    return d;
}

TextEncoding::Encoded EncodeWith(const char* to, std::string_view utf8) {
    thread_local IconvConverter eucJp("EUC-JP", "UTF-8");
    thread_local IconvConverter utf16le("UTF-16LE", "UTF-8");
    thread_local IconvConverter utf16be("UTF-16BE", "UTF-8");
    const std::string_view name(to);
    IconvConverter& conv = name == "EUC-JP" ? eucJp : name == "UTF-16LE" ? utf16le : utf16be;
    TextEncoding::Encoded e;
    e.bytes = conv.Run(utf8, [&](std::size_t offset, std::string& out) {
        std::size_t len = 1;
        e.unmappable.push_back(CodePointAt(utf8, offset, &len));
        if (name == "EUC-JP")
            out.push_back('?');
        else if (name == "UTF-16LE")
            out.append("?\0", 2);
        else
            out.append("\0?", 2);
        return len;
    });
    return e;
}

// How much of the text looks like Japanese prose: kana and kanji count, half-width katakana
// (what EUC-JP bytes turn into when read as Shift-JIS) does not.
long JapaneseScore(std::string_view utf8) {
    long score = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        const char32_t c = CodePointAt(utf8, i, &len);
        if ((c >= 0x3041 && c <= 0x309F) || (c >= 0x30A0 && c <= 0x30FF) ||
            (c >= 0x3000 && c <= 0x303F))
            score += 2;
        else if (c >= 0x4E00 && c <= 0x9FFF)
            score += 1;
        else if (c >= 0xFF61 && c <= 0xFF9F)
            score -= 1;
        i += len;
    }
    return score;
}

}  // namespace

bool TextEncoding::IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += len;
    }
    return true;
}

TextEncoding::Encoding TextEncoding::DetectEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == kUtf8Bom) return Encoding::Utf8Bom;
    if (bytes.substr(0, 2) == kUtf16LeBom) return Encoding::Utf16Le;
    if (bytes.substr(0, 2) == kUtf16BeBom) return Encoding::Utf16Be;

    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return Encoding::ShiftJis;
    if (IsValidUtf8(bytes)) return Encoding::Utf8;

    const Cp932::DecodeResult sjis = Cp932::Decode(bytes);
    const Decoded euc = DecodeWith("EUC-JP", bytes, 0, 1);
    const bool sjisOk = sjis.ok();
    const bool eucOk = euc.invalidOffsets.empty();
    if (eucOk && !sjisOk) return Encoding::EucJp;
    if (eucOk && sjisOk && JapaneseScore(euc.text) > JapaneseScore(sjis.utf8))
        return Encoding::EucJp;
    return Encoding::ShiftJis;
}

TextEncoding::LineEnd TextEncoding::DetectLineEnd(std::string_view s) {
    std::size_t crlf = 0, lf = 0, cr = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            if (i + 1 < s.size() && s[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (s[i] == '\n') {
            ++lf;
        }
    }
    if (lf > crlf && lf >= cr) return LineEnd::Lf;
    if (cr > crlf && cr > lf) return LineEnd::Cr;
    return LineEnd::CrLf;
}

TextEncoding::Format TextEncoding::Detect(std::string_view bytes) {
    Format f;
    f.encoding = DetectEncoding(bytes);
    if (f.encoding == Encoding::Utf16Le || f.encoding == Encoding::Utf16Be)
        f.lineEnd = DetectLineEnd(Decode(bytes, f.encoding).text);
    else
        f.lineEnd = DetectLineEnd(bytes);  // CR and LF are single bytes in the others
    return f;
}

TextEncoding::Decoded TextEncoding::Decode(std::string_view bytes, Encoding encoding) {
    Decoded d;
    switch (encoding) {
        case Encoding::ShiftJis: {
            Cp932::DecodeResult r = Cp932::Decode(bytes);
            d.text = std::move(r.utf8);
            d.invalidOffsets = std::move(r.invalidOffsets);
            return d;
        }
        case Encoding::Utf8:
        case Encoding::Utf8Bom: {
            std::size_t start = bytes.substr(0, 3) == kUtf8Bom ? 3 : 0;
            const std::string_view body = bytes.substr(start);
            if (IsValidUtf8(body)) {
                d.text.assign(body);
                return d;
            }
            // Keep what is valid, mark the rest.
            for (std::size_t i = 0; i < body.size();) {
                std::size_t len = Utf8::SequenceLength(static_cast<unsigned char>(body[i]));
                if (i + len <= body.size() && IsValidUtf8(body.substr(i, len))) {
                    d.text.append(body.substr(i, len));
                    i += len;
                } else {
                    d.invalidOffsets.push_back(start + i);
                    d.text.append("\xEF\xBF\xBD");
                    ++i;
                }
            }
            return d;
        }
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            const bool le = encoding == Encoding::Utf16Le;
            const std::size_t start =
                bytes.substr(0, 2) == (le ? kUtf16LeBom : kUtf16BeBom) ? 2 : 0;
            return DecodeWith(le ? "UTF-16LE" : "UTF-16BE", bytes.substr(start), start, 2);
        }
        case Encoding::EucJp:
            return DecodeWith("EUC-JP", bytes, 0, 1);
    }
    return d;
}

TextEncoding::Encoded TextEncoding::Encode(std::string_view utf8, Encoding encoding) {
    Encoded e;
    switch (encoding) {
        case Encoding::ShiftJis: {
            Cp932::EncodeResult r = Cp932::Encode(utf8);
            e.bytes = std::move(r.bytes);
            e.unmappable = std::move(r.unmappable);
            return e;
        }
        case Encoding::Utf8:
            e.bytes.assign(utf8);
            return e;
        case Encoding::Utf8Bom:
            e.bytes.assign(kUtf8Bom);
            e.bytes.append(utf8);
            return e;
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            const bool le = encoding == Encoding::Utf16Le;
            e = EncodeWith(le ? "UTF-16LE" : "UTF-16BE", utf8);
            e.bytes.insert(0, le ? kUtf16LeBom : kUtf16BeBom);
            return e;
        }
        case Encoding::EucJp:
            return EncodeWith("EUC-JP", utf8);
    }
    return e;
}

std::string TextEncoding::ToLf(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::string TextEncoding::FromLf(std::string_view s, LineEnd lineEnd) {
    if (lineEnd == LineEnd::Lf) return std::string(s);
    std::string out;
    out.reserve(s.size() + s.size() / 16);
    for (char c : s) {
        if (c != '\n') {
            out.push_back(c);
        } else if (lineEnd == LineEnd::CrLf) {
            out.append("\r\n");
        } else {
            out.push_back('\r');
        }
    }
    return out;
}

TextEncoding::Decoded TextEncoding::ReadText(std::string_view bytes, Format* format) {
    const Format f = Detect(bytes);
    if (format) *format = f;
    Decoded d = Decode(bytes, f.encoding);
    d.text = ToLf(d.text);
    return d;
}

TextEncoding::Encoded TextEncoding::WriteText(std::string_view utf8WithLf, const Format& format) {
    return Encode(FromLf(utf8WithLf, format.lineEnd), format.encoding);
}

const char* TextEncoding::Name(Encoding encoding) {
    switch (encoding) {
        case Encoding::ShiftJis:
            return "Shift-JIS";
        case Encoding::Utf8:
            return "UTF-8";
        case Encoding::Utf8Bom:
            return "UTF-8 (BOM)";
        case Encoding::Utf16Le:
            return "UTF-16LE";
        case Encoding::Utf16Be:
            return "UTF-16BE";
        case Encoding::EucJp:
            return "EUC-JP";
    }
    return "";
}

const char* TextEncoding::Name(LineEnd lineEnd) {
    switch (lineEnd) {
        case LineEnd::CrLf:
            return "CR+LF";
        case LineEnd::Lf:
            return "LF";
        case LineEnd::Cr:
            return "CR";
    }
    return "";
}

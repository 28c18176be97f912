#pragma once
// Helpers of the vertical tests: expectations are written in UTF-8 and turned into Shift-JIS
// with glibc iconv (CP932), the independent oracle of the encoding.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Cp932.h"
#include "vertical/TateEngine.h"
#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateSource.h"

inline std::string J(const std::string& utf8) {
    Cp932::EncodeResult r = Cp932::Encode(utf8);
    EXPECT_TRUE(r.ok()) << utf8;
    return r.bytes;
}

inline std::string U(const std::string& sjis) {
    return Cp932::ToUtf8(sjis);
}

// Lines joined and each ended by CR LF.
inline std::string Lines(const std::vector<std::string>& utf8Lines) {
    std::string s;
    for (const auto& l : utf8Lines) s += l + "\r\n";
    return s;
}

// Compares Shift-JIS output with an expectation in UTF-8: readable on failure, exact in bytes.
#define EXPECT_SJIS(bytes, utf8)                          \
    do {                                                  \
        const std::string tate_bytes_ = (bytes);          \
        const std::string tate_utf8_ = (utf8);            \
        EXPECT_EQ(U(tate_bytes_), tate_utf8_);            \
        EXPECT_EQ(tate_bytes_, J(tate_utf8_)) << "bytes"; \
    } while (0)

inline TateFormat Fmt(const std::string& utf8Name, int size = 11, TColor color = clBlack,
                      int style = 0) {
    TateFormat f;
    f.name = J(utf8Name);
    f.size = size;
    f.color = color;
    f.style = style;
    return f;
}

// A source of display lines given in UTF-8, every character in one format.
inline TateSource SourceOf(const std::vector<std::string>& utf8Lines,
                           const TateFormat& f = Fmt("ＭＳ Ｐゴシック")) {
    TateSource src;
    std::string doc;
    for (std::size_t i = 0; i < utf8Lines.size(); ++i) {
        src.AppendLine(J(utf8Lines[i]), f);
        if (i) doc += "\r\n";
        doc += J(utf8Lines[i]);
    }
    src.SetDocumentText(doc);
    return src;
}

// Settings of a run with no font switches, no separator, given N and spacing.
inline TateSettings Plain(int n, int spacing) {
    TateSettings s;
    s.lastColumn = n - 1;
    s.spacing = spacing;
    s.separatorKind = 2;
    s.defaultFont = Fmt("ＭＳ ゴシック", 10);
    s.closingQuote = J("∟");
    s.embedSource = false;
    s.toClipboard = true;
    s.useFace = false;
    return s;
}

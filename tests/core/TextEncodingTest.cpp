// Detection and round trip of the plain-text encodings, checked against the iconv program.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/TextEncoding.h"

namespace {

using Enc = TextEncoding::Encoding;
using Le = TextEncoding::LineEnd;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The oracle: the iconv program's conversion of a file to UTF-8.
std::string IconvToUtf8(const std::string& from, const std::string& path) {
    const std::string cmd = "iconv -f " + from + " -t UTF-8 '" + path + "'";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[65536];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

std::string Data(const char* name) {
    return std::string(ORIMAKI_TESTDATA) + "/text/" + name;
}

struct FileCase {
    const char* file;
    const char* iconvName;
    Enc encoding;
    Le lineEnd;
};

class TextEncodingFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(TextEncodingFiles, DetectsDecodesAndWritesBackTheSameBytes) {
    const FileCase& c = GetParam();
    const std::string bytes = ReadFile(Data(c.file));
    ASSERT_FALSE(bytes.empty());
    TextEncoding::Format f;
    const TextEncoding::Decoded d = TextEncoding::ReadText(bytes, &f);
    EXPECT_EQ(f.encoding, c.encoding) << TextEncoding::Name(f.encoding);
    EXPECT_EQ(f.lineEnd, c.lineEnd);
    EXPECT_TRUE(d.invalidOffsets.empty());
    const std::string oracle = IconvToUtf8(c.iconvName, Data(c.file));
    EXPECT_EQ(d.text, TextEncoding::ToLf(oracle));
    const TextEncoding::Encoded back = TextEncoding::WriteText(d.text, f);
    EXPECT_TRUE(back.unmappable.empty());
    EXPECT_TRUE(back.bytes == bytes) << "the file does not round-trip byte for byte";
}

INSTANTIATE_TEST_SUITE_P(
    TestData, TextEncodingFiles,
    ::testing::Values(FileCase{"wagahai.sjis.txt", "CP932", Enc::ShiftJis, Le::CrLf},
                      FileCase{"tutor.ja.sjis", "CP932", Enc::ShiftJis, Le::Lf},
                      FileCase{"tutor.ja.euc", "EUC-JP", Enc::EucJp, Le::Lf},
                      FileCase{"tutor.ja.utf-8", "UTF-8", Enc::Utf8, Le::Lf}));

struct BytesCase {
    const char* name;
    std::string bytes;
    Enc encoding;
    Le lineEnd;
    const char* text;  // UTF-8 with "\n"
};

class TextEncodingBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(TextEncodingBytes, RoundTrips) {
    const BytesCase& c = GetParam();
    TextEncoding::Format f;
    const TextEncoding::Decoded d = TextEncoding::ReadText(c.bytes, &f);
    EXPECT_EQ(f.encoding, c.encoding) << TextEncoding::Name(f.encoding);
    EXPECT_EQ(f.lineEnd, c.lineEnd);
    EXPECT_EQ(d.text, c.text);
    EXPECT_TRUE(TextEncoding::WriteText(d.text, f).bytes == c.bytes);
}

// Bytes written out by hand from the code tables: あ is 82A0 in Shift-JIS, A4A2 in EUC-JP,
// E3 81 82 in UTF-8, 3042 in UTF-16; 漢 is 8ABF / B4C1 / E6 BC A2 / 6F22.
INSTANTIATE_TEST_SUITE_P(
    Table, TextEncodingBytes,
    ::testing::Values(
        BytesCase{"Ascii", "abc\r\ndef", Enc::ShiftJis, Le::CrLf, "abc\ndef"},
        BytesCase{"Empty", "", Enc::ShiftJis, Le::CrLf, ""},
        BytesCase{"Sjis", "\x82\xA0\x8A\xBF\r\n", Enc::ShiftJis, Le::CrLf, "あ漢\n"},
        BytesCase{"SjisHalfKana", "\xB1\xB2\xB3", Enc::ShiftJis, Le::CrLf, "ｱｲｳ"},
        BytesCase{"Euc", "\xA4\xA2\xB4\xC1\n", Enc::EucJp, Le::Lf, "あ漢\n"},
        BytesCase{"Utf8", "\xE3\x81\x82\xE6\xBC\xA2\n", Enc::Utf8, Le::Lf, "あ漢\n"},
        BytesCase{"Utf8Bom", "\xEF\xBB\xBF\xE3\x81\x82\r\n", Enc::Utf8Bom, Le::CrLf, "あ\n"},
        BytesCase{"Utf8Emoji", "\xF0\x9F\x98\x80", Enc::Utf8, Le::CrLf, "\xF0\x9F\x98\x80"},
        BytesCase{"Utf16Le", std::string("\xFF\xFE\x42\x30\x22\x6F\x0D\x00\x0A\x00", 10),
                  Enc::Utf16Le, Le::CrLf, "あ漢\n"},
        BytesCase{"Utf16Be", std::string("\xFE\xFF\x30\x42\x00\x0A", 6), Enc::Utf16Be, Le::Lf,
                  "あ\n"},
        BytesCase{"CrOnly", "a\rb\r", Enc::ShiftJis, Le::Cr, "a\nb\n"}),
    [](const ::testing::TestParamInfo<BytesCase>& i) { return std::string(i.param.name); });

TEST(TextEncodingUnmappable, ShiftJisAndEucReportWhatTheyCannotHold) {
    // 😀 and 𠮷 are outside code page 932; あ is not.
    const TextEncoding::Encoded s =
        TextEncoding::Encode("あ\xF0\x9F\x98\x80\xF0\xA0\xAE\xB7", Enc::ShiftJis);
    ASSERT_EQ(s.unmappable.size(), 2u);
    EXPECT_EQ(s.unmappable[0], U'\U0001F600');
    EXPECT_EQ(s.unmappable[1], U'\U00020BB7');
    const TextEncoding::Encoded e = TextEncoding::Encode("あ\xF0\x9F\x98\x80", Enc::EucJp);
    ASSERT_EQ(e.unmappable.size(), 1u);
    EXPECT_EQ(e.bytes, "\xA4\xA2?");
    EXPECT_TRUE(TextEncoding::Encode("\xF0\x9F\x98\x80", Enc::Utf16Le).unmappable.empty());
}

TEST(TextEncodingInvalid, BrokenBytesAreMarkedNotDropped) {
    // A cut Shift-JIS lead byte at the end: undecided, read as Shift-JIS with U+FFFD.
    TextEncoding::Format f;
    const TextEncoding::Decoded d = TextEncoding::ReadText("\x82\xA0\x82", &f);
    EXPECT_EQ(f.encoding, Enc::ShiftJis);
    EXPECT_EQ(d.text, "あ\xEF\xBF\xBD");
    ASSERT_EQ(d.invalidOffsets.size(), 1u);
    EXPECT_EQ(d.invalidOffsets[0], 2u);
}

TEST(TextEncodingUtf8, RejectsOverlongAndSurrogates) {
    EXPECT_TRUE(TextEncoding::IsValidUtf8("\xE3\x81\x82"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xE3\x81"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xF4\x90\x80\x80"));
}

}  // namespace

// Malformed and hostile RTF: the reader, the writer and the converter finish on each, and what
// the reader made survives the writer. The fuzz runs of the reader and the converter found no
// crashing or hanging input; these are the shapes they and the reviews went after.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <algorithm>
#include <filesystem>

#include "RtfTestUtil.h"
#include "convert/RtfToHtml.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

using namespace rtftest;

namespace {

struct Hostile {
    const char* name;
    std::string rtf;
};

std::string Repeat(const std::string& s, int n) {
    std::string r;
    r.reserve(s.size() * std::size_t(n));
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

const Hostile kHostile[] = {
    {"DeepNesting", "{\\rtf1 " + Repeat("{", 200000) + "x"},
    {"DeepNestingClosed", "{\\rtf1 " + Repeat("{\\b", 50000) + "x" + Repeat("}", 50000) + "}"},
    {"HugeBin", "{\\rtf1 a\\bin999999999 }}}"},
    {"NegativeBin", "{\\rtf1 a\\bin-5 b}"},
    {"HugeUc", "{\\rtf1\\uc2147483647\\u12354 abc\\par def}"},
    {"NegativeUc", "{\\rtf1\\uc-3\\u12354 abc}"},
    {"BackslashAtEnd", "{\\rtf1 a\\"},
    {"QuoteAtEnd", "{\\rtf1 a\\'"},
    {"HalfHexAtEnd", "{\\rtf1 a\\'8"},
    {"CutLeadByte", "{\\rtf1\\ansicpg932 a\\'82}"},
    {"LoneLowSurrogate", "{\\rtf1 \\u-8704?x}"},
    {"LoneHighSurrogate", "{\\rtf1 \\u-10179?x}"},
    {"ExtremeUnicode", "{\\rtf1 \\u-32768?\\u65535?\\u99999999999?x}"},
    {"ExtremeSizes", "{\\rtf1 \\fs0 a\\fs-5 b\\fs99999999 c\\up99999 d\\dn-3 e}"},
    {"ExtremeIndents", "{\\rtf1 \\fi-99999999\\li2147483647\\ri-1 a\\par}"},
    {"BadColours", "{\\rtf1{\\colortbl;\\red999\\green-1\\blue;}\\cf-1 a\\cf99 b}"},
    {"ListWithoutTables", "{\\rtf1 \\ls5\\ilvl99 a\\par\\ls-1 b\\par}"},
    {"PnOutsideGroup", "{\\rtf1 \\pnlvlblt a\\par{\\*\\pn}b\\par}"},
    {"UprWithoutUd", "{\\rtf1 {\\upr{a}}b}"},
    {"UnterminatedFontTable", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82"},
    {"FontNumbersExtreme",
     "{\\rtf1{\\fonttbl{\\f2147483648 A;}{\\f-1 B;}}\\f-1 x\\f99999999999 y}"},
    {"ManyParagraphs", "{\\rtf1 " + Repeat("\\par ", 20000) + "}"},
    {"ManyFonts", "{\\rtf1{\\fonttbl" + Repeat("{\\f1 A;}", 5000) + "}x}"},
    {"StarEverywhere", "{\\rtf1 " + Repeat("{\\*", 1000) + "x" + Repeat("}", 1000) + "y}"},
    {"ControlCharacters", [] {
         static const char bytes[] = "{\\rtf1 a\0b\x01\x7f\xff c}";
         return std::string(bytes, sizeof bytes - 1);
     }()},
    {"NothingAfterHeader", "{\\rtf1"},
    {"TableWithoutCells", "{\\rtf1 \\trowd\\row\\row\\cell}"},
};

class RtfHostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(RtfHostile, ReaderWriterConverterFinish) {
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(GetParam().rtf, doc).ok);
    const std::string again = RtfWriter::Write(doc);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(again, back).ok);
    const QString first = doc.toPlainText();
    if (!first.contains(QChar(0xFFFD)) &&
        std::none_of(first.begin(), first.end(), [](QChar c) { return c.isSurrogate(); })) {
        EXPECT_EQ(back.toPlainText(), first);
    }
    // The writer declares every font and colour it uses.
    EXPECT_NO_THROW(RtfToHtml(again));
    // The bare converter on the hostile bytes either converts or reports an undeclared number.
    try {
        RtfToHtml(GetParam().rtf);
    } catch (const RtfToHtmlError&) {
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, RtfHostile, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

// Every shared sample: what the reader made is what it reads back from the writer's RTF.
class SampleRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(SampleRoundTrip, WriterKeepsTheText) {
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(ReadFile(TestData("rtf/" + GetParam())), doc).ok);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc), back).ok);
    EXPECT_EQ(Paragraphs(back), Paragraphs(doc));
}

std::vector<std::string> Samples() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(TestData("rtf")))
        if (e.path().extension() == ".rtf") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Inputs the fuzzer found (kept in tests/rtf/data): the same checks as above.
class FuzzFound : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzFound, ReaderWriterConverterFinish) {
    const std::string rtf = ReadFile(std::string(ORIMAKI_SOURCE) + "/tests/rtf/data/" + GetParam());
    ASSERT_FALSE(rtf.empty());
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, doc).ok);
    const std::string again = RtfWriter::Write(doc);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(again, back).ok);
    EXPECT_EQ(back.toPlainText().toStdString(), doc.toPlainText().toStdString()) << again;
    EXPECT_NO_THROW(RtfToHtml(again));
}

std::vector<std::string> FuzzInputs() {
    std::vector<std::string> names;
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(ORIMAKI_SOURCE) + "/tests/rtf/data"))
        if (e.path().filename().string().rfind("fuzz-", 0) == 0)
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Regressions, FuzzFound, ::testing::ValuesIn(FuzzInputs()),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

INSTANTIATE_TEST_SUITE_P(SharedSamples, SampleRoundTrip, ::testing::ValuesIn(Samples()),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace

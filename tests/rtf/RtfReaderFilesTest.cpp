// Every shared sample RTF is read and compared with the text LibreOffice reads from it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <filesystem>
#include <regex>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"

namespace fs = std::filesystem;
using namespace rtftest;

namespace {

std::vector<std::string> SampleFiles() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(TestData("rtf")))
        if (e.path().extension() == ".rtf") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
}

// LibreOffice's text, turned into paragraphs:
//  - the byte-order mark at the start is dropped;
//  - lines end in LF; one line per paragraph (a \line break also ends a line there, and the
//    reader's paragraphs turn their line separators into LF the same way);
//  - runs of two or more spaces come out of its text filter as U+2006 SIX-PER-EM SPACE +
//    space pairs; each pair is one space of the document.
std::vector<std::string> SofficeParagraphs(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    ReplaceAll(text, "\xE2\x80\x86 ", " ");
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    return lines;
}

// List paragraphs carry their label in LibreOffice's text ("    1. One", "    • item",
// "    １. item"): indentation, the label, one space. The reader keeps the label out of the
// text (the list draws it), so exactly that prefix is removed from such lines.
std::string WithoutListLabel(const std::string& line) {
    static const std::regex label(R"(^[ \t]*[^ \t]+[ \t])");
    std::smatch m;
    if (std::regex_search(line, m, label)) return line.substr(m.length(0));
    return line;
}

class SampleFilesTest : public ::testing::TestWithParam<std::string> {
public:
    static void SetUpTestSuite() {
        if (!HaveSoffice()) return;
        char tmpl[] = "/tmp/orimaki-rtf-lo-XXXXXX";
        if (!mkdtemp(tmpl)) return;
        outDir_ = tmpl;
        std::vector<std::string> files;
        for (const std::string& n : SampleFiles()) files.push_back(TestData("rtf/" + n));
        converted_ = SofficeToText(files, outDir_);
    }
    static void TearDownTestSuite() {
        if (!outDir_.empty()) fs::remove_all(outDir_);
    }

protected:
    static std::string outDir_;
    static bool converted_;
};
std::string SampleFilesTest::outDir_;
bool SampleFilesTest::converted_ = false;

TEST_P(SampleFilesTest, ReadsTheTextLibreOfficeReads) {
    const std::string name = GetParam();
    QTextDocument doc;
    const RtfReader::Result r = RtfReader::ReadDocument(ReadFile(TestData("rtf/" + name)), doc);
    ASSERT_TRUE(r.ok) << r.error.toStdString();

    if (!HaveSoffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the comparison of " << name
                     << " with LibreOffice's text was NOT made. Install libreoffice-writer-nogui.";
    ASSERT_TRUE(converted_) << "soffice failed to convert the samples";
    const std::string txtPath = outDir_ + "/" + fs::path(name).stem().string() + ".txt";
    ASSERT_TRUE(fs::exists(txtPath)) << "soffice wrote no " << txtPath;
    const std::string expectedText = ReadFile(txtPath);
    std::vector<std::string> expected = SofficeParagraphs(expectedText);

    std::vector<std::string> actual;
    std::vector<bool> inList;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString t = b.text();
        t.replace(QChar(0x2028), QChar('\n'));
        // A line break inside a paragraph is a line of its own in LibreOffice's text.
        for (const QString& part : t.split(QChar('\n'))) {
            actual.push_back(part.toStdString());
            inList.push_back(b.textList() != nullptr);
        }
    }
    ASSERT_EQ(actual.size(), expected.size()) << "paragraph count differs for " << name;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const std::string want = inList[i] ? WithoutListLabel(expected[i]) : expected[i];
        EXPECT_EQ(actual[i], want) << name << " paragraph " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(SharedSamples, SampleFilesTest, ::testing::ValuesIn(SampleFiles()),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// Texts checked by hand against the bytes (\'95\'5c\'91\'77 is 表層 in code page 932, iconv), so
// that these files are checked even where LibreOffice is missing.
struct KnownText {
    const char* file;
    const char* paragraph;  // the first paragraph, UTF-8
};
constexpr KnownText kKnown[] = {
    {"richedit-multibyte-hex.rtf", "お元気ですか？"},
    {"libreoffice-fdo45543.rtf", "この文書は"},
    {"richedit-nec-characters.rtf",
     " BLC U=>L Splice でU/W No.2 Dancerからシワ発生。Set時に表層10㎜ほどムーニング　pallet底"
     "のRoll"},
};

TEST(SampleFilesByHand, FirstParagraph) {
    for (const KnownText& k : kKnown) {
        QTextDocument doc;
        ASSERT_TRUE(
            RtfReader::ReadDocument(ReadFile(TestData(std::string("rtf/") + k.file)), doc).ok);
        EXPECT_EQ(Paragraphs(doc).at(0), k.paragraph) << k.file;
    }
}

}  // namespace

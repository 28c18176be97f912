// Every sample RTF (the shared ones and those made with LibreOffice under tests/rtf/data) is
// read and saved by this program; LibreOffice must read the same text from the saved file as
// from the original, list labels included, and this reader the same fonts, sizes and weights.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <filesystem>
#include <regex>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

namespace fs = std::filesystem;
using namespace rtftest;

namespace {

std::string LocalData() {
    return std::string(ORIMAKI_SOURCE) + "/tests/rtf/data";
}

// Full paths of the samples: the shared ones and our own LibreOffice-made and hand-made ones.
std::vector<std::string> Samples() {
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(TestData("rtf")))
        if (e.path().extension() == ".rtf") files.push_back(e.path().string());
    for (const auto& e : fs::directory_iterator(LocalData())) {
        const std::string n = e.path().filename().string();
        // Hand-made field samples are left out: LibreOffice is no judge of them (it shows a
        // ruby's base twice when the field has a result, drops the visible text of a field
        // with an empty result, and cannot open the broken ones); their own tests check them.
        const bool handMadeFields =
            n.rfind("ruby-", 0) == 0 || n.rfind("fields-", 0) == 0 || n.rfind("word-ruby", 0) == 0;
        if (e.path().extension() == ".rtf" && n.rfind("fuzz-", 0) != 0 && !handMadeFields)
            files.push_back(e.path().string());
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return fs::path(a).filename() < fs::path(b).filename();
    });
    return files;
}

std::string Stem(const std::string& path) {
    return fs::path(path).stem().string();
}

// LibreOffice's text filter writes a run of spaces as U+2006 SIX-PER-EM SPACE + space pairs
// in some documents and as plain spaces in others; each pair is one space of the text.
std::string Normalised(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    const std::string pair = "\xE2\x80\x86 ";
    for (std::size_t p = text.find(pair); p != std::string::npos; p = text.find(pair, p + 1))
        text.replace(p, pair.size(), " ");
    return text;
}

class LibreOfficeRoundTrip : public ::testing::TestWithParam<std::string> {
public:
    static void SetUpTestSuite() {
        if (!HaveSoffice()) return;
        char tmpl[] = "/tmp/orimaki-rtf-rt-XXXXXX";
        if (!mkdtemp(tmpl)) return;
        dir_ = tmpl;
        std::vector<std::string> files;
        for (const std::string& f : Samples()) {
            QTextDocument doc;
            if (!RtfReader::ReadDocument(ReadFile(f), doc).ok) continue;
            const std::string ours = dir_ + "/" + Stem(f) + "-saved.rtf";
            WriteFile(ours, RtfWriter::Write(doc));
            files.push_back(f);
            files.push_back(ours);
        }
        converted_ = SofficeToText(files, dir_);
    }
    static void TearDownTestSuite() {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

protected:
    static std::string dir_;
    static bool converted_;
};
std::string LibreOfficeRoundTrip::dir_;
bool LibreOfficeRoundTrip::converted_ = false;

TEST_P(LibreOfficeRoundTrip, SameTextAndLabels) {
    if (!HaveSoffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the round trip of " << GetParam()
                     << " was NOT checked. Install libreoffice-writer-nogui.";
    ASSERT_TRUE(converted_) << "soffice failed to convert the samples";
    const std::string stem = Stem(GetParam());
    const std::string original = dir_ + "/" + stem + ".txt";
    const std::string saved = dir_ + "/" + stem + "-saved.txt";
    ASSERT_TRUE(fs::exists(original)) << "soffice wrote no " << original;
    ASSERT_TRUE(fs::exists(saved)) << "soffice wrote no " << saved;
    const std::string want = Normalised(ReadFile(original));
    const std::string got = Normalised(ReadFile(saved));
    if (want == got) return;
    // Show the first line that differs.
    std::size_t line = 0, at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) {
        if (want[at] == '\n') ++line;
        ++at;
    }
    const std::size_t start = want.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    FAIL() << stem << ": LibreOffice reads other text from the saved file, line " << line + 1
           << "\n original: " << want.substr(from, want.find('\n', at) - from)
           << "\n saved:    " << got.substr(from, got.find('\n', at) - from);
}

// Runs of equal font, size, weight and slant, as this reader gives them.
struct FormatRun {
    int length;
    std::string family;
    double points;
    bool bold;
    bool italic;
    bool operator==(const FormatRun& o) const {
        return length == o.length && family == o.family && points == o.points && bold == o.bold &&
               italic == o.italic;
    }
};

std::vector<FormatRun> Runs(const QTextDocument& doc) {
    std::vector<FormatRun> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            // A run without a font of its own is drawn in the document's default font.
            std::string family = c.fontFamilies().toStringList().value(0).toStdString();
            if (family.empty()) family = doc.defaultFont().family().toStdString();
            const double points =
                c.fontPointSize() > 0 ? c.fontPointSize() : doc.defaultFont().pointSizeF();
            FormatRun r{f.length(), family, points, c.fontWeight() >= QFont::DemiBold,
                        c.fontItalic()};
            if (!runs.empty()) {
                FormatRun& last = runs.back();
                if (last.family == r.family && last.points == r.points && last.bold == r.bold &&
                    last.italic == r.italic) {
                    last.length += r.length;
                    continue;
                }
            }
            runs.push_back(r);
        }
        if (!runs.empty()) runs.back().length += 1;  // the paragraph end
    }
    return runs;
}

TEST_P(LibreOfficeRoundTrip, SameFontsSizesAndWeights) {
    QTextDocument original;
    ASSERT_TRUE(RtfReader::ReadDocument(ReadFile(GetParam()), original).ok);
    QTextDocument saved;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(original), saved).ok);
    ASSERT_EQ(saved.toPlainText(), original.toPlainText());
    const std::vector<FormatRun> want = Runs(original);
    const std::vector<FormatRun> got = Runs(saved);
    ASSERT_EQ(got.size(), want.size()) << Stem(GetParam());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_TRUE(got[i] == want[i])
            << Stem(GetParam()) << " run " << i << ": " << got[i].family << " " << got[i].points
            << (got[i].bold ? " bold" : "") << " ×" << got[i].length << " instead of "
            << want[i].family << " " << want[i].points << (want[i].bold ? " bold" : "") << " ×"
            << want[i].length;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, LibreOfficeRoundTrip, ::testing::ValuesIn(Samples()),
                         [](const auto& info) {
                             std::string n = Stem(info.param);
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// The text properties of the automatic style LibreOffice gives the element that holds text.
std::string StyleOfText(const std::string& fodt, const std::string& text) {
    const std::size_t at = fodt.find(text);
    if (at == std::string::npos) return std::string();
    const std::size_t name = fodt.rfind("text:style-name=\"", at);
    if (name == std::string::npos) return std::string();
    const std::size_t q = name + 17;
    const std::string style = fodt.substr(q, fodt.find('"', q) - q);
    const std::size_t def = fodt.find("<style:style style:name=\"" + style + "\"");
    if (def == std::string::npos) return std::string();
    return fodt.substr(def, fodt.find("</style:style>", def) - def);
}

// LibreOffice shows our Japanese runs in their own font, size and weight, and reads font
// names outside code page 932.
TEST(LibreOfficeReadsOurRtf, JapaneseRunsAndFontNames) {
    if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed: NOT checked.";
    char tmpl[] = "/tmp/orimaki-rtf-fodt-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    for (const char* name : {"libreoffice-letter", "libreoffice-mixed"}) {
        QTextDocument doc;
        ASSERT_TRUE(RtfReader::ReadDocument(ReadFile(LocalData() + "/" + name + ".rtf"), doc).ok);
        WriteFile(dir + "/" + name + ".rtf", RtfWriter::Write(doc));
    }
    ASSERT_TRUE(soffice::Convert({dir + "/libreoffice-letter.rtf", dir + "/libreoffice-mixed.rtf"},
                                 "fodt", dir));
    const std::string letter = ReadFile(dir + "/libreoffice-letter.fodt");
    const std::string mixed = ReadFile(dir + "/libreoffice-mixed.fodt");
    fs::remove_all(dir);

    const std::string title = StyleOfText(letter, "お知らせ");
    EXPECT_NE(title.find("style:font-name-asian=\"IPAGothic"), std::string::npos) << title;
    EXPECT_NE(title.find("style:font-size-asian=\"24pt\""), std::string::npos) << title;
    EXPECT_NE(title.find("style:font-weight-asian=\"bold\""), std::string::npos) << title;
    const std::string body = StyleOfText(letter, "拝啓");
    EXPECT_NE(body.find("style:font-name-asian=\"IPAMincho"), std::string::npos) << body;
    EXPECT_NE(body.find("style:font-size-asian=\"10.5pt\""), std::string::npos) << body;
    EXPECT_EQ(body.find("font-weight-asian=\"bold\""), std::string::npos) << body;
    const std::string italic = StyleOfText(letter, "本館２階");
    EXPECT_NE(italic.find("style:font-style-asian=\"italic\""), std::string::npos) << italic;

    EXPECT_NE(mixed.find("svg:font-family=\"&apos;맑은 고딕&apos;\""), std::string::npos);
    EXPECT_NE(mixed.find("svg:font-family=\"Café\""), std::string::npos);
}

}  // namespace

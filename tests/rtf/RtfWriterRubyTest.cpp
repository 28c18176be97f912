// Ruby words written back as the EQ fields they were read from: our reader reads the same words,
// readings and formats again, and LibreOffice opens the saved file with its ruby.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <regex>

#include "RtfTestUtil.h"
#include "RubyTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

using namespace rtftest;
namespace fs = std::filesystem;

namespace {

QTextCharFormat Ruby(const char* reading, int group, bool bold = false) {
    QTextCharFormat f;
    f.setProperty(TextProperties::RubyTextProperty, QString::fromUtf8(reading));
    f.setProperty(TextProperties::RubyGroupProperty, group);
    if (bold) f.setFontWeight(QFont::Bold);
    return f;
}

// 鬼門(きもん)の方角 typed in the editor: no options, 10.5 points.
void BuildKimon(QTextDocument& doc) {
    QTextCursor c(&doc);
    QTextCharFormat plain;
    plain.setFontPointSize(10.5);
    QTextCharFormat r = Ruby("きもん", 1);
    r.setFontPointSize(10.5);
    c.insertText(QStringLiteral("鬼門"), r);
    c.insertText(QStringLiteral("の方角"), plain);
}

TEST(RtfWriterRuby, WritesTheEqField) {
    QTextDocument doc;
    BuildKimon(doc);
    const std::string rtf = RtfWriter::Write(doc);
    // Shift-JIS by iconv: きもん 82ab 82e0 82f1, 鬼門 8b53 96e5 (0x53 is "S"), の方角.
    // Centred, the reading half of 10.5 points (hps10) raised by 4.5 points.
    const std::string field =
        "{\\field{\\*\\fldinst EQ \\\\* jc0 \\\\* hps10 \\\\o\\\\ac(\\\\s\\\\up 9("
        "\\'82\\'ab\\'82\\'e0\\'82\\'f1),\\'8bS\\'96\\'e5)}{\\fldrslt }}";
    EXPECT_NE(rtf.find(field), std::string::npos) << rtf;
    EXPECT_NE(rtf.find(field + "\\'82\\'cc\\'95\\'fb\\'8ap"), std::string::npos) << rtf;
}

// Every sample read, written and read again keeps its text, ruby words, readings and options.
TEST(RtfWriterRuby, RoundTripKeepsRubyWords) {
    for (const char* file :
         {"libreoffice-ruby.rtf", "word-ruby.rtf", "ruby-forms.rtf", "ruby-broken.rtf"}) {
        SCOPED_TRACE(file);
        QTextDocument first;
        ASSERT_TRUE(RtfReader::ReadDocument(DataFile(file), first).ok);
        const std::vector<RubyRun> before = RubyRuns(first);
        ASSERT_FALSE(before.empty());
        QTextDocument again;
        ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(first), again).ok);
        EXPECT_EQ(Paragraphs(again), Paragraphs(first));
        const std::vector<RubyRun> after = RubyRuns(again);
        EXPECT_EQ(after, before);
        for (std::size_t i = 0; i < std::min(after.size(), before.size()); ++i) {
            // The options come back, with an alignment put in front where they had none.
            const std::string& o = before[i].options;
            const std::string& a = after[i].options;
            EXPECT_TRUE(a == o ||
                        (a.size() > o.size() && a.compare(a.size() - o.size(), o.size(), o) == 0))
                << a << " / " << o;
        }
    }
}

TEST(RtfWriterRuby, EachBaseCharacterKeepsItsFormat) {
    // A ruby word whose base characters differ in format, next to a ruby word with the same
    // reading (a word of its own), next to plain text.
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("字"), Ruby("じてん", 7, true));
    c.insertText(QStringLiteral("典"), Ruby("じてん", 7, false));
    c.insertText(QStringLiteral("辞"), Ruby("じてん", 8, true));
    c.insertText(QStringLiteral("典"), Ruby("じてん", 8, false));
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("赤"), red);

    QTextDocument again;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc), again).ok);
    EXPECT_EQ(again.toPlainText(), QStringLiteral("字典辞典赤"));
    const std::vector<RubyRun> expected = {{0, 0, 2, "じてん", ""}, {0, 2, 2, "じてん", ""}};
    EXPECT_EQ(RubyRuns(again), expected);
    const bool bold[] = {true, false, true, false, false};
    for (int i = 0; i < 5; ++i) {
        QTextCursor probe(&again);
        probe.setPosition(i + 1);
        EXPECT_EQ(probe.charFormat().fontWeight() == QFont::Bold, bold[i]) << i;
    }
    QTextCursor probe(&again);
    probe.setPosition(5);
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(255, 0, 0));
}

TEST(RtfWriterRuby, RubyInsideARangeIsWritten) {
    QTextDocument doc;
    BuildKimon(doc);
    QTextDocument part;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc, 1, 3), part).ok);
    EXPECT_EQ(part.toPlainText(), QStringLiteral("門の"));
    const std::vector<RubyRun> expected = {{0, 0, 1, "きもん", ""}};
    EXPECT_EQ(RubyRuns(part), expected);
}

// LibreOffice's reading of our RTF: the text (base words once, no readings) and the ruby.
class RtfWriterRubyLibreOffice : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveSoffice())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed: the ruby in the writer's "
                            "output was NOT checked with LibreOffice. Install "
                            "libreoffice-writer-nogui.";
        char tmpl[] = "/tmp/orimaki-ruby-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }
    bool Convert(const std::vector<std::string>& files, const std::string& filter) {
        return soffice::Convert(files, filter, dir_);
    }
    std::string dir_;
};

// The ruby elements of a flat ODF document, as "base(reading)" in order, spans removed.
std::vector<std::string> OdfRubies(std::string xml) {
    xml = std::regex_replace(xml, std::regex("<text:span[^>]*>|</text:span>"), "");
    static const std::regex ruby(
        "<text:ruby-base>([^<]*)</text:ruby-base><text:ruby-text[^>]*>([^<]*)</text:ruby-text>");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), ruby); it != std::sregex_iterator();
         ++it)
        out.push_back((*it)[1].str() + "(" + (*it)[2].str() + ")");
    return out;
}

std::string WithoutBom(std::string s) {
    if (s.rfind("\xEF\xBB\xBF", 0) == 0) s.erase(0, 3);
    return s;
}

TEST_F(RtfWriterRubyLibreOffice, OpensOurRubyDocuments) {
    struct Sample {
        std::string name;
        std::string rtf;
        std::string text;                 // the words, as written in the sources
        std::vector<std::string> rubies;  // base(reading)
    };
    QTextDocument kimon;
    BuildKimon(kimon);
    QTextDocument lo, word;
    ASSERT_TRUE(RtfReader::ReadDocument(DataFile("libreoffice-ruby.rtf"), lo).ok);
    ASSERT_TRUE(RtfReader::ReadDocument(DataFile("word-ruby.rtf"), word).ok);
    const Sample samples[] = {
        {"typed", RtfWriter::Write(kimon), "鬼門の方角\n", {"鬼門(きもん)"}},
        {"libreoffice",
         RtfWriter::Write(lo),
         "鬼門の方角\n前漢字後\n日日と太字とRuby\n",
         {"鬼門(きもん)", "漢(かん)", "字(じ)", "日(ひ)", "日(ひ)", "太字(ふとじ)"}},
        {"word",
         RtfWriter::Write(word),
         "鬼門の方角\n漢字\n",
         {"鬼門(きもん)", "漢(かん)", "字(じ)"}},
    };
    std::vector<std::string> files;
    for (const Sample& s : samples) {
        WriteFile(dir_ + "/" + s.name + ".rtf", s.rtf);
        files.push_back(dir_ + "/" + s.name + ".rtf");
    }
    ASSERT_TRUE(Convert(files, "txt:Text (encoded):UTF8"));
    ASSERT_TRUE(Convert(files, "fodt"));
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(WithoutBom(ReadFile(dir_ + "/" + s.name + ".txt")), s.text);
        EXPECT_EQ(OdfRubies(ReadFile(dir_ + "/" + s.name + ".fodt")), s.rubies);
    }
}

}  // namespace

// What the generators get of a ruby document: the base words, never the reading or the
// field's instruction.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <regex>

#include "RubyTestUtil.h"
#include "convert/RtfToHtml.h"
#include "core/Cp932.h"
#include "rtf/DocumentTateSource.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

using namespace rtftest;

namespace {

TateFormat Base() {
    TateFormat f;
    f.name = Cp932::ToSjis("ＭＳ Ｐゴシック");
    f.size = 11;
    f.color = clBlack;
    return f;
}

const char* const kLines[] = {"鬼門の方角", "前漢字後", "日日と太字とRuby"};

TEST(RubyGenerators, VerticalSourceHasTheBaseWords) {
    for (const char* file : {"libreoffice-ruby.rtf", "word-ruby.rtf"}) {
        SCOPED_TRACE(file);
        TateSource src;
        std::string error;
        ASSERT_TRUE(DocumentTateSource::FromRtf(DataFile(file), 0, Base(), src, error));
        const std::string first = src.LineAt(0).text;
        EXPECT_EQ(first, Cp932::ToSjis(kLines[0]));
        EXPECT_EQ(src.DocumentText().find(Cp932::ToSjis("きもん")), std::string::npos);
        EXPECT_EQ(src.DocumentText().find("EQ"), std::string::npos);
    }
    TateSource src;
    std::string error;
    ASSERT_TRUE(
        DocumentTateSource::FromRtf(DataFile("libreoffice-ruby.rtf"), 0, Base(), src, error));
    ASSERT_EQ(src.LineCount(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(src.LineAt(i).text, Cp932::ToSjis(kLines[i]));
}

TEST(RubyGenerators, HorizontalHtmlOfOurRtfHasTheBaseWords) {
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(DataFile("libreoffice-ruby.rtf"), doc).ok);
    // The page's text, tags left out (no Shift-JIS byte is "<").
    const std::string html =
        std::regex_replace(RtfToHtml(RtfWriter::Write(doc)), std::regex("<[^>]*>"), "");
    for (const char* line : kLines)
        EXPECT_NE(html.find(Cp932::ToSjis(line)), std::string::npos) << line;
    for (const char* reading : {"きもん", "かん", "ふとじ"})
        EXPECT_EQ(html.find(Cp932::ToSjis(reading)), std::string::npos) << reading;
    EXPECT_EQ(html.find("EQ"), std::string::npos);
}

}  // namespace

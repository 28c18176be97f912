// orimaki-cli yoko-html, rtf2html, to-rtf, to-text, and tate-html/tate-text on .rtf input, run
// as a separate process. Expected HTML is worked out by hand from the writer's layout and the
// converter's rules.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/Cp932.h"

namespace {

std::string J(const std::string& utf8) {
    return Cp932::ToSjis(utf8);
}

std::string Slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class CliRtf : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orimaki-clirtf-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    // Runs orimaki-cli with words; stdin from the file `in` when given.
    int Run(const std::string& words, const std::string& stdinFile = {}) {
        std::string cmd = std::string("LC_ALL=ja_JP.UTF-8 " ORIMAKI_BIN "/orimaki-cli ") + words;
        if (!stdinFile.empty()) cmd += " < '" + Path(stdinFile) + "'";
        cmd += " > '" + Path("stdout") + "' 2> '" + Path("stderr") + "'";
        const int raw = std::system(cmd.c_str());
        out_ = Slurp(Path("stdout"));
        err_ = Slurp(Path("stderr"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string dir_, out_, err_;
};

const std::string kRtf =
    "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be"
    "\\'92\\'a9;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs21 \\'82\\'a0<\\cf1\\b x\\par}";

TEST_F(CliRtf, YokoHtmlFromRtf) {
    Put("in.rtf", kRtf);
    ASSERT_EQ(Run("yoko-html '" + Path("in.rtf") + "'"), 0) << err_;
    const std::string page = Slurp(Path("in.html"));
    const std::string expected =
        "<HTML><HEAD>\r\n"
        "<META HTTP-EQUIV=\"Content-type\" CONTENT=text/html>\r\n" +
        J("<META name=\"Generator\" content=\"オリマキ９９\">\r\n"
          "<!-- このページは『オリマキ９９』で作成されています -->\r\n") +
        "<TITLE>in.rtf</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\"> \r\n<BLOCKQUOTE>\r\n"
        "\r\n\r\n\r\n\r\n\r\n\r\n" +
        J("<BR><DIV ALIGN=LEFT><FONT FACE=\"ＭＳ 明朝\" COLOR=\"#000000\" SIZE=\"2\">あ&lt"
          "<FONT FACE=\"ＭＳ 明朝\" COLOR=\"#FF0000\" SIZE=\"2\"><B>x\r\n") +
        "\r\n\r\n</DIV>\r\n</BLOCKQUOTE>\r\n</BODY></HTML>\r\n";
    EXPECT_EQ(page, expected);
}

TEST_F(CliRtf, YokoHtmlFromShiftJisTextWithOutputAndBackground) {
    Put("in.txt", J("あいう\r\nえお"));
    ASSERT_EQ(
        Run("yoko-html '" + Path("in.txt") + "' -o '" + Path("p.html") + "' --background 000080"),
        0)
        << err_;
    const std::string page = Slurp(Path("p.html"));
    EXPECT_NE(page.find("<BODY BGCOLOR=\"#000080\"> \r\n"), std::string::npos);
    // The default font, 11 points: HTML size 2.
    EXPECT_NE(page.find(J("<FONT FACE=\"ＭＳ Ｐゴシック\" COLOR=\"#000000\" SIZE=\"2\">あいう")),
              std::string::npos);
    EXPECT_NE(page.find(J("えお")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("in.html")));
}

TEST_F(CliRtf, YokoHtmlBadBackgroundIsAUsageError) {
    Put("in.txt", "x");
    EXPECT_EQ(Run("yoko-html '" + Path("in.txt") + "' --background nocolour"), 2);
    EXPECT_FALSE(std::filesystem::exists(Path("in.html")));
}

TEST_F(CliRtf, Rtf2HtmlIsTheBareConverter) {
    Put("in.rtf",
        "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}{\\colortbl\\red0\\green0\\blue0;}"
        "\\deflang1041 a\\par b}");
    ASSERT_EQ(Run("rtf2html", "in.rtf"), 0) << err_;
    EXPECT_EQ(out_, "\r\n<BR><DIV ALIGN=LEFT>a\r\n<BR><DIV ALIGN=LEFT>b");
}

TEST_F(CliRtf, Rtf2HtmlUndeclaredColourFails) {
    Put("in.rtf", "{\\rtf1{\\fonttbl{\\f0\\fnil F;}}\\deflang1041\\cf2 x}");
    EXPECT_EQ(Run("rtf2html", "in.rtf"), 1);
    EXPECT_EQ(out_, "");
    EXPECT_NE(err_.find("色番号 2"), std::string::npos) << err_;
}

TEST_F(CliRtf, TextToRtfToTextRoundTrip) {
    const std::string text = J("表示ソフト\\{}\r\n\r\nｶﾀｶﾅ\tタブ");
    Put("in.txt", text);
    ASSERT_EQ(Run("to-rtf '" + Path("in.txt") + "'"), 0) << err_;
    ASSERT_TRUE(std::filesystem::exists(Path("in.rtf")));
    ASSERT_EQ(Run("to-text '" + Path("in.rtf") + "' -o '" + Path("back.txt") + "'"), 0) << err_;
    EXPECT_EQ(Slurp(Path("back.txt")), text);
}

TEST_F(CliRtf, ToTextRefusesLostCharactersUnlessLossy) {
    Put("in.rtf", "{\\rtf1\\ansi a\\u-10179?\\u-8704?b\\par}");
    EXPECT_EQ(Run("to-text '" + Path("in.rtf") + "'"), 1);
    EXPECT_FALSE(std::filesystem::exists(Path("in.txt")));
    EXPECT_NE(err_.find("😀"), std::string::npos) << err_;
    ASSERT_EQ(Run("to-text --lossy '" + Path("in.rtf") + "'"), 0) << err_;
    EXPECT_EQ(Slurp(Path("in.txt")), "a?b");
}

TEST_F(CliRtf, RtfExtensionThatIsNotRtfIsReadAsText) {
    Put("in.rtf", J("ただの文章"));
    ASSERT_EQ(Run("to-text '" + Path("in.rtf") + "'"), 0) << err_;
    EXPECT_EQ(Slurp(Path("in.txt")), J("ただの文章"));
    EXPECT_NE(err_.find("テキストとして読み込みます"), std::string::npos) << err_;
}

TEST_F(CliRtf, ErrorsLeaveFilesAlone) {
    EXPECT_EQ(Run("to-rtf '" + Path("missing.txt") + "'"), 1);
    EXPECT_NE(err_.find("入力ファイルを開けません"), std::string::npos);
    Put("same.rtf", kRtf);
    EXPECT_EQ(Run("to-rtf '" + Path("same.rtf") + "'"), 1);
    EXPECT_EQ(Slurp(Path("same.rtf")), kRtf);
    EXPECT_EQ(Run("to-rtf"), 2);
    EXPECT_EQ(Run("to-rtf a b"), 2);
    EXPECT_EQ(Run("rtf2html a b"), 2);
    EXPECT_EQ(Run("rtf2html --bogus"), 2);
}

TEST_F(CliRtf, TateHtmlReadsEachCharactersFontFromRtf) {
    Put("in.rtf",
        "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96"
        "\\'be\\'92\\'a9;}{\\f1\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'83\\'53\\'83\\'56\\'83"
        "\\'62\\'83\\'4e;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24 \\'82\\'a0\\f1\\cf1 "
        "\\'82\\'a2\\par}");
    ASSERT_EQ(Run("tate-html --method 3 --font-name --font-color '" + Path("in.rtf") + "' -o '" +
                  Path("t.html") + "'"),
              0)
        << err_;
    const std::string page = Slurp(Path("t.html"));
    EXPECT_NE(page.find(J("FACE=\"ＭＳ 明朝\"")), std::string::npos);
    EXPECT_NE(page.find(J("FACE=\"ＭＳ ゴシック\"")), std::string::npos);
    EXPECT_NE(page.find("COLOR=\"#FF0000\""), std::string::npos);
    EXPECT_NE(page.find(J("い")), std::string::npos);
}

}  // namespace

// "-" as the input (standard input) and as -o (standard output) on every command, --help on
// every command, the exit codes and the language of the messages.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// "あ" CR LF "b" "ｶﾞ", Shift-JIS.
const char kText[] = "\x82\xA0\r\nb\xB6\xDE";
const char kRtf[] =
    "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fcharset128 MS Gothic;}}"
    "\\f0\\fs22 \\'82\\'a0b\\par}";

// What the bare converter turns into two lines.
const char kConverterRtf[] =
    "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}{\\colortbl\\red0\\green0\\blue0;}"
    "\\deflang1041 a\\par b}";

// The page with the text of its title taken out (a page read from standard input has none).
std::string Untitled(std::string page, bool* hadTitle = nullptr) {
    const std::size_t open = page.find("<TITLE>"), close = page.find("</TITLE>");
    if (hadTitle) *hadTitle = open != std::string::npos && close > open + 7;
    if (open != std::string::npos && close != std::string::npos && close > open)
        page.erase(open + 7, close - open - 7);
    return page;
}

class CliStreams : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orimaki-streams-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        std::ofstream(Path("in.txt"), std::ios::binary) << kText;
        std::ofstream(Path("in.rtf"), std::ios::binary) << kRtf;
        std::ofstream(Path("conv.rtf"), std::ios::binary) << kConverterRtf;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    static void Replace(std::string& line, const std::string& from, const std::string& to) {
        for (std::size_t at = line.find(from); at != std::string::npos;
             at = line.find(from, at + to.size()))
            line.replace(at, from.size(), to);
    }

    // Runs a shell command line in which CLI stands for the tool and D/ for the folder.
    int Run(std::string line) {
        // The search goes on after each replacement: the folder's random name may end in "D".
        Replace(line, "CLI", ORIMAKI_BIN "/orimaki-cli");
        Replace(line, "D/", dir_ + "/");
        line += " > '" + Path("stdout") + "' 2> '" + Path("stderr") + "'";
        const int raw = std::system(line.c_str());
        out_ = Slurp(Path("stdout"));
        err_ = Slurp(Path("stderr"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string dir_, out_, err_;
};

struct StreamRow {
    const char* name;
    const char* command;  // with its options, before INPUT
    const char* input;    // in.txt or in.rtf
};

class CliDash : public CliStreams, public ::testing::WithParamInterface<StreamRow> {};

// The same command gives the same bytes from a named file to a named file, from standard input
// to standard output, and from standard input to a named file.
TEST_P(CliDash, StandardStreamsGiveWhatFilesGive) {
    const StreamRow& r = GetParam();
    const std::string cmd = std::string("CLI ") + r.command + " ";
    ASSERT_EQ(Run(cmd + "D/" + r.input + " -o D/file.out"), 0) << err_;
    const std::string fromFile = Slurp(Path("file.out"));
    ASSERT_FALSE(fromFile.empty());

    ASSERT_EQ(Run(cmd + "- -o - < D/" + r.input), 0) << err_;
    bool titled = false;
    EXPECT_EQ(out_, Untitled(fromFile, &titled));
    if (titled) {
        EXPECT_EQ(Untitled(out_), out_) << "standard input gives no title";
    }
    const std::string fromStdin = out_;

    ASSERT_EQ(Run(cmd + "- -o D/stdin.out < D/" + r.input), 0) << err_;
    EXPECT_EQ(out_, "");
    EXPECT_EQ(Slurp(Path("stdin.out")), fromStdin);

    // Read from standard input and not named, the result goes to standard output.
    ASSERT_EQ(Run(cmd + "- < D/" + r.input), 0) << err_;
    EXPECT_EQ(out_, fromStdin);
}

INSTANTIATE_TEST_SUITE_P(Commands, CliDash,
                         ::testing::Values(StreamRow{"Convert", "convert zenkaku", "in.txt"},
                                           StreamRow{"Count", "count", "in.txt"},
                                           StreamRow{"TateHtml", "tate-html --method 3", "in.txt"},
                                           StreamRow{"TateHtmlRtf", "tate-html --method 0",
                                                     "in.rtf"},
                                           StreamRow{"TateText", "tate-text", "in.txt"},
                                           StreamRow{"YokoHtml", "yoko-html", "in.txt"},
                                           StreamRow{"YokoHtmlRtf", "yoko-html", "in.rtf"},
                                           StreamRow{"Rtf2Html", "rtf2html", "conv.rtf"},
                                           StreamRow{"ToRtf", "to-rtf", "in.txt"},
                                           StreamRow{"ToTextFromRtf", "to-text", "in.rtf"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliStreams, ConvertAndCountReadAFileOrStandardInput) {
    // ｶﾞ becomes ガ (0x83 0x4B); the rest is full-width already or stays.
    ASSERT_EQ(Run("CLI convert zenkaku D/in.txt"), 0) << err_;
    EXPECT_EQ(out_, "\x82\xA0\r\n\x82\x82\x83\x4B");
    ASSERT_EQ(Run("CLI count - < D/in.txt"), 0) << err_;
    EXPECT_EQ(out_, "4\n");  // あ b ｶ ﾞ: each half-width byte counts one
}

TEST_F(CliStreams, RichTextOnStandardInputIsToldByItsFirstBytes) {
    ASSERT_EQ(Run("CLI to-text - < D/in.rtf"), 0) << err_;
    EXPECT_EQ(out_, "\x82\xA0\x62");
}

TEST_F(CliStreams, AMissingInputFailsWithOne) {
    EXPECT_EQ(Run("CLI count D/none.txt"), 1);
    EXPECT_EQ(out_, "");
    EXPECT_EQ(Run("CLI to-rtf D/none.txt"), 1);
    EXPECT_FALSE(fs::exists(Path("none.rtf")));
}

class CliHelp : public CliStreams, public ::testing::WithParamInterface<const char*> {};

TEST_P(CliHelp, EveryCommandExplainsItselfOnStandardOutput) {
    const std::string name = GetParam();
    ASSERT_EQ(Run("LC_ALL=C CLI " + name + " --help"), 0) << err_;
    EXPECT_NE(out_.find("orimaki-cli " + name + " "), std::string::npos) << out_;
    EXPECT_NE(out_.find("Exit status: 0 done, 1 failed"), std::string::npos) << out_;
    EXPECT_EQ(err_, "");
    ASSERT_EQ(Run("LC_ALL=ja_JP.UTF-8 CLI " + name + " --help"), 0) << err_;
    EXPECT_NE(out_.find("終了コード: 0 完了、1 失敗"), std::string::npos) << out_;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliHelp,
                         ::testing::Values("convert", "count", "tate-html", "tate-text",
                                           "yoko-html", "rtf2html", "to-rtf", "to-text"));

TEST_F(CliStreams, TheWholeHelpListsEveryCommand) {
    ASSERT_EQ(Run("LC_ALL=C CLI --help"), 0);
    for (const char* name : {"convert", "count", "tate-html", "tate-text", "yoko-html", "rtf2html",
                             "to-rtf", "to-text", "--version"})
        EXPECT_NE(out_.find(std::string("orimaki-cli ") + name), std::string::npos) << name;
}

struct LanguageRow {
    const char* name;
    const char* env;
    const char* expect;
};

class CliLanguage : public CliStreams, public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(CliLanguage, MessagesFollowTheLocale) {
    const LanguageRow& r = GetParam();
    EXPECT_EQ(Run(std::string("env -u LC_ALL -u LC_MESSAGES -u LANG ") + r.env + " CLI tate-text"),
              2);
    EXPECT_NE(err_.find(r.expect), std::string::npos) << err_;
    EXPECT_EQ(
        Run(std::string("env -u LC_ALL -u LC_MESSAGES -u LANG ") + r.env + " CLI count D/none.txt"),
        1);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CliLanguage,
    ::testing::Values(LanguageRow{"LangC", "LANG=C", "give an input file"},
                      LanguageRow{"LangJapanese", "LANG=ja_JP.UTF-8",
                                  "入力ファイルを指定してください"},
                      LanguageRow{"Unset", "", "入力ファイルを指定してください"},
                      LanguageRow{"LcAllWins", "LANG=ja_JP.UTF-8 LC_ALL=C", "give an input file"},
                      LanguageRow{"LcMessages", "LANG=C LC_MESSAGES=ja_JP.UTF-8",
                                  "入力ファイルを指定してください"}),
    [](const auto& info) { return std::string(info.param.name); });

// The engines' messages follow the locale too: English with LANG=C, their own Japanese otherwise.
struct EngineMessageRow {
    const char* name;
    const char* file;     // written into the folder
    const char* bytes;    // its contents (Shift-JIS or RTF)
    const char* command;  // D/ is the folder
    int status;
    const char* english;
    const char* japanese;
};

class CliEngineMessages : public CliStreams,
                          public ::testing::WithParamInterface<EngineMessageRow> {};

TEST_P(CliEngineMessages, InTheLanguageOfTheLocale) {
    const EngineMessageRow& r = GetParam();
    std::ofstream(Path(r.file), std::ios::binary) << r.bytes;
    for (const auto& [locale, expect] :
         {std::pair<std::string, std::string>{"LANG=C", r.english},
          std::pair<std::string, std::string>{"LANG=ja_JP.UTF-8", r.japanese}}) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(Run("env -u LC_ALL -u LC_MESSAGES " + locale + " CLI " + r.command), r.status);
        EXPECT_NE(err_.find(expect), std::string::npos) << err_;
    }
}

// 51 characters of あ in Shift-JIS on the second line: one more than a column holds.
#define SJIS_A10 "\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0"
INSTANTIATE_TEST_SUITE_P(
    Messages, CliEngineMessages,
    ::testing::Values(
        EngineMessageRow{"NotRtf", "bad.rtf", "hello", "yoko-html D/bad.rtf -o D/out.html", 0,
                         "This is not Rich Text Format (RTF) data. Read as plain text.",
                         "リッチテキスト形式（RTF）のデータではありません。 "
                         "テキストとして読み込みます。"},
        EngineMessageRow{"UndeclaredColour", "c.rtf",
                         "{\\rtf1{\\fonttbl{\\f0\\fnil F;}}\\deflang1041\\cf2 x}",
                         "rtf2html D/c.rtf", 1, "Colour number 2 is not in the colour table.",
                         "色番号 2 は色表にありません。"},
        EngineMessageRow{"LineTooLong", "long.txt",
                         "x\r\n" SJIS_A10 SJIS_A10 SJIS_A10 SJIS_A10 SJIS_A10 "\x82\xa0",
                         "tate-text D/long.txt -o D/long-out.txt", 1,
                         "A display line has too many characters for vertical text.\n"
                         "The vertical HTML was not made.",
                         "一行の文字数が多すぎます。縦書き表示に適しません。\n"
                         "縦書きHTMLの生成を終了します。"},
        EngineMessageRow{"MayGarble", "g.txt", "\x81\x76\r\n\x81\x41",
                         "tate-text --lines 2 --no-separator D/g.txt -o D/g-out.txt", 0,
                         "Some characters may be garbled (rows: 1, the first in paragraph 1).",
                         "文字化けする可能性があります（1行、最初は1段落目）"}),
    [](const auto& info) { return std::string(info.param.name); });
#undef SJIS_A10

}  // namespace

// orimaki-cli convert and count, run as a separate process with bytes on standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Runs orimaki-cli with the given words (plain words, no quoting needed) and input bytes.
CliResult RunCli(const std::string& words, const std::string& input) {
    char dir[] = "/tmp/orimaki-cli-test-XXXXXX";
    if (!mkdtemp(dir)) return {};
    const std::string in = std::string(dir) + "/in", out = std::string(dir) + "/out",
                      err = std::string(dir) + "/err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string cmd =
        std::string(ORIMAKI_BIN "/orimaki-cli ") + words + " < " + in + " > " + out + " 2> " + err;
    const int raw = std::system(cmd.c_str());
    CliResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(dir);
    return r;
}

struct CliRow {
    const char* name;
    const char* words;
    std::string input;
    std::string output;
};

void PrintTo(const CliRow& r, std::ostream* os) {
    *os << r.name;
}

class CliRuns : public ::testing::TestWithParam<CliRow> {};

TEST_P(CliRuns, WritesTheConvertedBytes) {
    const CliRow& r = GetParam();
    const CliResult res = RunCli(r.words, r.input);
    EXPECT_EQ(res.status, 0) << res.err;
    EXPECT_EQ(res.out, r.output);
    EXPECT_EQ(res.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliRuns,
    ::testing::Values(
        // ｶﾞｷﾞﾊﾟﾎﾟ -> ガギパポ (83 4B, 83 4D, 83 70, 83 7C)
        CliRow{"Zenkaku", "convert zenkaku", "\xB6\xDE\xB7\xDE\xCA\xDF\xCE\xDF",
               "\x83\x4B\x83\x4D\x83\x70\x83\x7C"},
        // ガギ がぎ ヲ -> ｶﾞｷﾞｶﾞｷﾞｵ
        CliRow{"Hankaku", "convert hankaku", "\x83\x4B\x83\x4D\x82\xAA\x82\xAC\x83\x92",
               "\xB6\xDE\xB7\xDE\xB6\xDE\xB7\xDE\xB5"},
        // aｱ! -> aア!
        CliRow{"Kana", "convert kana", "a\xB1!", "a\x83\x41!"},
        // NUL bytes and 蟻 (8B 61, trail 'a') pass through untouched.
        CliRow{"UpperBinarySafe", "convert upper", std::string("a\0b\x8B\x61", 5),
               std::string("A\0B\x8B\x61", 5)},
        CliRow{"Lower", "convert lower", "ABC\x8D\x41", "abc\x8D\x41"},
        CliRow{"Crlf", "convert crlf", "a\nb\rc\r\n", "a\r\nb\r\nc\r\n"},
        CliRow{"EmptyInput", "convert zenkaku", "", ""},
        // あいう CR LF abc -> 6
        CliRow{"Count", "count", "\x82\xA0\x82\xA2\x82\xA4\r\nabc", "6\n"},
        CliRow{"CountEmpty", "count", "", "0\n"},
        CliRow{"CountOnlyLineEnds", "count", "\r\n\r\n", "0\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class CliBadUsage : public ::testing::TestWithParam<const char*> {};

TEST_P(CliBadUsage, PrintsUsageAndExitsWithTwo) {
    const CliResult res = RunCli(GetParam(), "abc");
    EXPECT_EQ(res.status, 2);
    EXPECT_EQ(res.out, "");
    EXPECT_NE(res.err.find("usage"), std::string::npos) << res.err;
    EXPECT_NE(res.err.find("convert hankaku|zenkaku|kana|upper|lower|crlf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Words, CliBadUsage,
                         ::testing::Values("convert", "convert Zenkaku", "convert zenkaku a b",
                                           "convert zenkaku --bogus", "count a b", "count -o",
                                           "no-such-command", ""));

TEST(CliNovel, LargeInputPassesThroughWhole) {
    const std::string novel = ReadFile(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");
    ASSERT_GT(novel.size(), 700000u);
    const CliResult crlf = RunCli("convert crlf", novel);
    EXPECT_EQ(crlf.status, 0);
    EXPECT_TRUE(crlf.out == novel);  // the novel already ends its lines with CR LF
    const CliResult upper = RunCli("convert upper", novel);
    EXPECT_EQ(upper.out.size(), novel.size());
}

}  // namespace

// Both programs tell their version and stop (the editor without opening a window).
TEST(CliVersion, BothProgramsAnswerVersion) {
    const CliResult cli = RunCli("--version", "");
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, std::string("orimaki-cli ") + ORIMAKI_VERSION + "\n");
    const std::string cmd =
        std::string("env -u DISPLAY QT_QPA_PLATFORM=none ") + ORIMAKI_BIN + "/orimaki --version";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[64] = {};
    const size_t n = fread(buf, 1, sizeof buf - 1, p);
    EXPECT_EQ(pclose(p), 0);
    EXPECT_EQ(std::string(buf, n), std::string("orimaki ") + ORIMAKI_VERSION + "\n");
}

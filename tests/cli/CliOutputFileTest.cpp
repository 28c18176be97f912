// Where orimaki-cli writes its output file: a link keeps pointing at the file it names, a pipe is
// written into rather than replaced, and a failed write leaves the old file as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class CliOutputFile : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orimaki-cliout-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        // "あ" then "b" on the next line, Shift-JIS with CR LF.
        std::ofstream(Path("in.txt"), std::ios::binary) << "\x82\xA0\r\nb";
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    int Run(const std::string& words) {
        const std::string cmd = std::string("LC_ALL=ja_JP.UTF-8 " ORIMAKI_BIN "/orimaki-cli ") +
                                words + " 2>'" + Path("stderr") + "'";
        const int raw = std::system(cmd.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    // The command of this row writing in.txt to out.
    std::string Command(const std::string& out) const {
        return std::string(GetParam()) + " '" + Path("in.txt") + "' -o '" + out + "'";
    }
    std::string dir_;
};

TEST_P(CliOutputFile, ALinkStaysALinkAndItsFileGetsTheOutput) {
    std::ofstream(Path("real.out")) << "old";
    fs::create_symlink(Path("real.out"), Path("link.out"));
    ASSERT_EQ(Run(Command(Path("link.out"))), 0) << Slurp(Path("stderr"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("link.out"))));
    const std::string written = Slurp(Path("real.out"));
    EXPECT_NE(written, "old");
    EXPECT_FALSE(written.empty());
    EXPECT_FALSE(fs::exists(Path("real.out.part")));
}

TEST_P(CliOutputFile, APipeIsWrittenIntoNotReplaced) {
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    // A reader drains the pipe; it gives up after a while so that a broken writer cannot hang
    // the test.
    const std::string reader =
        "timeout 20 cat '" + Path("pipe") + "' > '" + Path("drained") + "' &";
    ASSERT_EQ(std::system(reader.c_str()), 0);
    EXPECT_EQ(Run(Command(Path("pipe"))), 0) << Slurp(Path("stderr"));
    struct stat st {};
    ASSERT_EQ(lstat(Path("pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    // The reader ran in the background of another shell: give it a moment to finish writing.
    for (int i = 0; i < 100 && Slurp(Path("drained")).empty(); ++i) usleep(50 * 1000);
    EXPECT_FALSE(Slurp(Path("drained")).empty());
}

TEST_P(CliOutputFile, AFailedWriteKeepsTheOldFile) {
    std::ofstream(Path("keep.out")) << "old";
    // The output goes into a folder that does not exist; the old file elsewhere is untouched,
    // and nothing is left behind.
    EXPECT_EQ(Run(Command(Path("missing/keep.out"))), 1);
    EXPECT_NE(Slurp(Path("stderr")).find("出力ファイルに書けません"), std::string::npos);
    EXPECT_EQ(Slurp(Path("keep.out")), "old");
    EXPECT_FALSE(fs::exists(Path("missing")));
}

// "-o -" writes to standard output and creates no file named "-".
TEST_P(CliOutputFile, DashIsStandardOutput) {
    ASSERT_EQ(Run(Command(Path("file.out"))), 0);
    const std::string cmd = "cd '" + dir_ + "' && LC_ALL=ja_JP.UTF-8 " + ORIMAKI_BIN +
                            "/orimaki-cli " + GetParam() + " in.txt -o - > piped.out 2>stderr";
    const int raw = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_FALSE(fs::exists(Path("-")));
    // A PDF names the second it was made in; the rest is the same bytes.
    auto timeless = [](std::string s) {
        const std::size_t at = s.find("/CreationDate (");
        if (at != std::string::npos) s.erase(at, s.find(')', at) - at);
        return s;
    };
    EXPECT_EQ(timeless(Slurp(Path("piped.out"))), timeless(Slurp(Path("file.out"))));
    EXPECT_FALSE(Slurp(Path("piped.out")).empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, CliOutputFile,
                         ::testing::Values("to-rtf", "to-text", "yoko-html", "tate-text",
                                           "tate-html --method 3", "pdf"));

}  // namespace

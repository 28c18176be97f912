// orimaki-cli pdf: the pages of the printer as a PDF, vertical or horizontal, on the listed
// papers, to a file or standard output.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
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

std::string Capture(const std::string& cmd) {
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

bool HavePoppler() {
    return std::system("command -v pdfinfo >/dev/null 2>&1 && command -v pdftotext >/dev/null") ==
           0;
}

class CliPdf : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orimaki-clipdf-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        // 「吾輩は猫である。」 then 名前はまだ無い。 on the next line, Shift-JIS with CR LF.
        std::ofstream(Path("in.txt"), std::ios::binary)
            << "\x81\x75\x8C\xE1\x94\x79\x82\xCD\x94\x4C\x82\xC5\x82\xA0\x82\xE9\x81\x42\x81\x76"
               "\r\n\x96\xBC\x91\x4F\x82\xCD\x82\xDC\x82\xBE\x96\xB3\x82\xA2\x81\x42";
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    int Run(const std::string& words) {
        const std::string cmd = std::string("LC_ALL=ja_JP.UTF-8 " ORIMAKI_BIN "/orimaki-cli pdf ") +
                                words + " 2>'" + Path("stderr") + "'";
        const int raw = std::system(cmd.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string dir_;
};

TEST_F(CliPdf, TheDefaultIsAVerticalA4PageBesideTheInput) {
    ASSERT_EQ(Run("'" + Path("in.txt") + "'"), 0) << Slurp(Path("stderr"));
    ASSERT_TRUE(fs::exists(Path("in.pdf")));
    EXPECT_EQ(Slurp(Path("in.pdf")).substr(0, 5), "%PDF-");
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils";
    const std::string info = Capture("pdfinfo '" + Path("in.pdf") + "'");
    EXPECT_NE(info.find("Title:           in.txt"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    // Read in the order drawn: down the right column first.
    std::string text = Capture("pdftotext -raw '" + Path("in.pdf") + "' - | tr -d '\\n\\f '");
    EXPECT_EQ(text, "「吾輩は猫である。」名前はまだ無い。");
}

TEST_F(CliPdf, PaperTitleAndStandardOutput) {
    ASSERT_EQ(Run("'" + Path("in.txt") + "' --horizontal --paper B5 --title 猫 -o - > '" +
                  Path("out.pdf") + "'"),
              0)
        << Slurp(Path("stderr"));
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils";
    const std::string info = Capture("pdfinfo '" + Path("out.pdf") + "'");
    EXPECT_NE(info.find("Title:           猫"), std::string::npos) << info;
    // JIS B5 is 182 x 257 mm: 515.9 x 728.5 points.
    const size_t at = info.find("Page size:");
    ASSERT_NE(at, std::string::npos) << info;
    double w = 0, h = 0;
    ASSERT_EQ(std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &w, &h), 2) << info;
    EXPECT_NEAR(w, 515.9, 1.0);
    EXPECT_NEAR(h, 728.5, 1.0);
    std::string text = Capture("pdftotext '" + Path("out.pdf") + "' - | tr -d '\\f'");
    while (!text.empty() && text.back() == '\n') text.pop_back();
    EXPECT_EQ(text, "「吾輩は猫である。」\n名前はまだ無い。");
}

TEST_F(CliPdf, BadRequestsAreRefusedWithAMessage) {
    EXPECT_EQ(Run("'" + Path("in.txt") + "' --paper A6"), 2);
    EXPECT_NE(Slurp(Path("stderr")).find("使用できない用紙サイズです: A6"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("in.pdf")));
    EXPECT_EQ(Run("'" + Path("missing.txt") + "'"), 1);
    EXPECT_EQ(Run(""), 2);
}

}  // namespace

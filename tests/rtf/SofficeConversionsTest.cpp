// The kept LibreOffice conversions give each input its own text: a file changed between two
// conversions, or two files of the same name in different folders, never get a stale result.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "RtfTestUtil.h"

namespace fs = std::filesystem;
using namespace rtftest;

namespace {

std::string Rtf(const std::string& word) {
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 " + word + "\\par}";
}

std::string TextOf(const std::string& path) {
    std::string t = ReadFile(path);
    if (t.rfind("\xEF\xBB\xBF", 0) == 0) t.erase(0, 3);
    while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
    return t;
}

TEST(SofficeConversions, EachInputGetsItsOwnText) {
    if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed: NOT checked.";
    char tmpl[] = "/tmp/orimaki-oracle-test-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    fs::create_directories(dir + "/a");
    fs::create_directories(dir + "/b");
    // A word of its own per run, so that no earlier run's result can answer.
    const std::string stamp = std::to_string(::getpid()) + "x" + std::to_string(::time(nullptr));
    struct Row {
        std::string file, word;
    } rows[] = {
        {dir + "/a/same.rtf", "first" + stamp},
        {dir + "/b/same.rtf", "second" + stamp},
    };
    for (const Row& r : rows) WriteFile(r.file, Rtf(r.word));
    // Equal names in different folders: the results must not be crossed.
    ASSERT_TRUE(SofficeToText({rows[0].file}, dir + "/out-a"));
    ASSERT_TRUE(SofficeToText({rows[1].file}, dir + "/out-b"));
    EXPECT_EQ(TextOf(dir + "/out-a/same.txt"), rows[0].word);
    EXPECT_EQ(TextOf(dir + "/out-b/same.txt"), rows[1].word);

    // The first file changed: converted again, not the kept result.
    WriteFile(rows[0].file, Rtf("changed" + stamp));
    ASSERT_TRUE(SofficeToText({rows[0].file}, dir + "/out-a"));
    EXPECT_EQ(TextOf(dir + "/out-a/same.txt"), "changed" + stamp);

    // Back to the first bytes: the kept result of the first conversion.
    WriteFile(rows[0].file, Rtf(rows[0].word));
    ASSERT_TRUE(SofficeToText({rows[0].file}, dir + "/out-a"));
    EXPECT_EQ(TextOf(dir + "/out-a/same.txt"), rows[0].word);

    // A file that cannot be read is reported.
    EXPECT_FALSE(SofficeToText({dir + "/missing.rtf"}, dir + "/out-a"));
    fs::remove_all(dir);
}

}  // namespace

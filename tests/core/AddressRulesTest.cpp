// Apply address over a made-up file system.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/AddressRules.h"

namespace {

const std::set<std::string> kFolders = {"/",        "/home",   "/home/a",
                                        "/home/a/", "/home/b", "/opt/prog"};

bool FolderExists(const std::string& p) {
    return kFolders.count(p) > 0;
}

struct ApplyCase {
    const char* name;
    const char* address;
    const char* documentPath;
    const char* expectPath;
    const char* expectBox;
    bool applied;
    bool renamed;
    const char* nextExt;
    int step;
};

class AddressApply : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(AddressApply, FollowsTheRules) {
    const ApplyCase& c = GetParam();
    const AddressRules::Result r =
        AddressRules::Apply(c.address, c.documentPath, "/opt/prog", FolderExists);
    EXPECT_EQ(r.documentPath, c.expectPath);
    EXPECT_EQ(r.boxText, c.expectBox);
    EXPECT_EQ(r.applied, c.applied);
    EXPECT_EQ(r.renamed, c.renamed);
    EXPECT_EQ(r.nextExtension, c.nextExt);
    EXPECT_EQ(r.step, c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AddressApply,
    ::testing::Values(
        // 1: an existing folder, slash appended, file name kept.
        ApplyCase{"FolderNoSlash", "/home/b", "/home/a/memo.txt", "/home/b/memo.txt",
                  "/home/b/memo.txt", true, false, "", 1},
        ApplyCase{"FolderWithSlash", "/home/a/", "/home/b/memo.rtf", "/home/a/memo.rtf",
                  "/home/a/memo.rtf", true, false, "", 1},
        ApplyCase{"Root", "/", "/home/a/memo.txt", "/memo.txt", "/memo.txt", true, false, "", 1},
        // 2: no folder, no extension: dropped.
        ApplyCase{"NoExtension", "/home/zz", "/home/a/memo.txt", "/home/a/memo.txt",
                  "/home/a/memo.txt", false, false, "", 2},
        ApplyCase{"Empty", "", "/home/a/memo.txt", "/home/a/memo.txt", "/home/a/memo.txt", false,
                  false, "", 2},
        // 3: a bare file name goes into the document's folder.
        ApplyCase{"BareName", "note.rtf", "/home/a/memo.txt", "/home/a/note.rtf",
                  "/home/a/note.rtf", true, false, "", 3},
        ApplyCase{"BareNameAtRoot", "note.rtf", "/memo.txt", "/note.rtf", "/note.rtf", true, false,
                  "", 3},
        // 4: a full path in an existing folder renames, the button shows the next extension.
        ApplyCase{"FullPathTxt", "/home/b/x.txt", "/home/a/memo.rtf", "/home/b/x.txt",
                  "/home/b/x.txt", true, true, ".rtf", 4},
        ApplyCase{"FullPathRtf", "/home/b/x.RTF", "/home/a/memo.rtf", "/home/b/x.RTF",
                  "/home/b/x.RTF", true, true, ".wri", 4},
        ApplyCase{"FullPathWri", "/home/b/x.wri", "/home/a/memo.rtf", "/home/b/x.wri",
                  "/home/b/x.wri", true, true, ".txt", 4},
        // 5: a missing folder keeps the document path while its folder exists…
        ApplyCase{"MissingFolder", "/nope/x.txt", "/home/a/memo.txt", "/home/a/memo.txt",
                  "/home/a/memo.txt", false, false, "", 5},
        // …and falls back to the program's folder when that one is gone too.
        ApplyCase{"BothMissing", "/nope/x.txt", "/gone/memo.txt", "/opt/prog/", "/opt/prog/", false,
                  false, "", 5}),
    [](const ::testing::TestParamInfo<ApplyCase>& i) { return std::string(i.param.name); });

TEST(AddressApplyFallback, StopsEvenWhenTheProgramFolderIsGone) {
    const AddressRules::Result r = AddressRules::Apply("/nope/x.txt", "/gone/memo.txt", "/vanished",
                                                       [](const std::string&) { return false; });
    EXPECT_EQ(r.documentPath, "/vanished/");
    EXPECT_FALSE(r.applied);
}

}  // namespace

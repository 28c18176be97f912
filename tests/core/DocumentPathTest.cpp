// Path parts, the reading and writing tests of the file format, the untitled name and the
// extension cycle.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/DocumentPath.h"

namespace {

struct PartsCase {
    const char* path;
    const char* fileName;
    const char* extension;
    const char* folder;
};

class DocumentPathParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(DocumentPathParts, SplitsLikeTheAddressBarExpects) {
    const PartsCase& c = GetParam();
    EXPECT_EQ(DocumentPath::FileName(c.path), c.fileName);
    EXPECT_EQ(DocumentPath::Extension(c.path), c.extension);
    EXPECT_EQ(DocumentPath::Folder(c.path), c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentPathParts,
    ::testing::Values(PartsCase{"/home/a/memo.txt", "memo.txt", ".txt", "/home/a"},
                      PartsCase{"/memo.rtf", "memo.rtf", ".rtf", "/"},
                      PartsCase{"/home/a.b/memo", "memo", "", "/home/a.b"},
                      PartsCase{"/home/a/", "", "", "/home/a"},
                      PartsCase{"memo.tar.gz", "memo.tar.gz", ".gz", ""},
                      PartsCase{"/home/新規文書(2).wri", "新規文書(2).wri", ".wri", "/home"},
                      PartsCase{"/home/a/memo.", "memo.", ".", "/home/a"}));

struct FormatCase {
    const char* path;
    bool readsRich;
    bool writesRich;
};

class DocumentPathFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DocumentPathFormat, ReadingAndWritingTestsDiffer) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(DocumentPath::ReadsAsRichText(c.path), c.readsRich) << c.path;
    EXPECT_EQ(DocumentPath::WritesAsRichText(c.path), c.writesRich) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentPathFormat,
    ::testing::Values(FormatCase{"/a/b.rtf", true, true}, FormatCase{"/a/b.RTF", true, true},
                      FormatCase{"/a/b.wri", true, true}, FormatCase{"/a/b.WRI", true, true},
                      // Mixed case is neither: plain text both ways.
                      FormatCase{"/a/b.Rtf", false, false},
                      // Pieces of ".rtf.RTF.wri.WRI." read as rich text, write as plain.
                      FormatCase{"/a/b.r", true, false}, FormatCase{"/a/b.wri.", true, false},
                      FormatCase{"/a/b.F.w", true, false}, FormatCase{"/a/b.tf", false, false},
                      FormatCase{"/a/b.", true, false}, FormatCase{"/a/b.rtfx", false, false},
                      FormatCase{"/a/b.txt", false, false}, FormatCase{"/a/b", false, false},
                      FormatCase{"/a.rtf/b", false, false}));

TEST(DocumentPathUntitled, TakesTheFirstFreeNumber) {
    std::set<std::string> existing = {"/d/新規文書.wri", "/d/新規文書(2).wri"};
    auto exists = [&](const std::string& p) { return existing.count(p) > 0; };
    EXPECT_EQ(DocumentPath::UntitledName("/d", ".wri", exists), "/d/新規文書(3).wri");
    EXPECT_EQ(DocumentPath::UntitledName("/d", ".txt", exists), "/d/新規文書.txt");
    EXPECT_EQ(DocumentPath::UntitledName("/", ".wri", exists), "/新規文書.wri");
    existing = {"/d/新規文書.wri", "/d/新規文書(3).wri"};
    EXPECT_EQ(DocumentPath::UntitledName("/d/", ".wri", exists), "/d/新規文書(2).wri");
}

TEST(DocumentPathExtension, CyclesTxtRtfWri) {
    std::string ext = ".txt";
    const char* expected[] = {".rtf", ".wri", ".txt", ".rtf"};
    for (const char* e : expected) {
        ext = DocumentPath::NextExtension(ext);
        EXPECT_EQ(ext, e);
    }
    EXPECT_EQ(DocumentPath::NextExtension(".TXT"), ".rtf");
    EXPECT_EQ(DocumentPath::NextExtension(".RTF"), ".wri");
    EXPECT_EQ(DocumentPath::NextExtension(".t"), ".rtf");  // occurs in ".txt.TXT"
    EXPECT_EQ(DocumentPath::NextExtension(""), ".txt");
    EXPECT_EQ(DocumentPath::NextExtension(".html"), ".txt");
}

TEST(DocumentPathExtension, ChangeReplacesAppendsOrRemoves) {
    EXPECT_EQ(DocumentPath::ChangeExtension("/a/memo.rtf", ".txt"), "/a/memo.txt");
    EXPECT_EQ(DocumentPath::ChangeExtension("/a.b/memo", ".txt"), "/a.b/memo.txt");
    EXPECT_EQ(DocumentPath::ChangeExtension("/a/memo.rtf", ""), "/a/memo");
}

}  // namespace

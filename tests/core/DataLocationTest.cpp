// Where the colour lists, the help, the icon and the options library are found: in a build
// folder, under an installation prefix (a temporary folder), and in the XDG data folders.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/DataLocation.h"

namespace fs = std::filesystem;

namespace {

class TempTree {
public:
    TempTree() {
        std::string templ = (fs::temp_directory_path() / "orimaki-location-XXXXXX").string();
        root_ = mkdtemp(templ.data());
    }
    ~TempTree() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
    void Touch(const std::string& relative) const {
        fs::create_directories(fs::path(Path(relative)).parent_path());
        std::ofstream(Path(relative)) << "x";
    }
    void Folder(const std::string& relative) const { fs::create_directories(Path(relative)); }

private:
    std::string root_;
};

const DataLocation::Layout kDebianLayout{"bin", "share", "lib/x86_64-linux-gnu"};

DataLocation Installed(const TempTree& t, const std::string& dataDirs = "/nonexistent") {
    return DataLocation(t.Path("usr/bin"), "", dataDirs, t.Path("home"), kDebianLayout);
}

TEST(DataLocation, TheBuildTreeFindsEverythingBesideTheProgram) {
    TempTree t;
    t.Touch("build/CMakeCache.txt");
    t.Folder("build/bin/ColorList");
    t.Touch("build/bin/Help/index.html");
    t.Touch("build/bin/libDllDialog.so");
    // Files of an installation elsewhere are not mixed in.
    t.Folder("home/.local/share/orimaki/ColorList");
    const DataLocation loc(t.Path("build/bin"), "", "", t.Path("home"), kDebianLayout);
    EXPECT_TRUE(loc.RunsFromBuildTree());
    EXPECT_EQ(loc.DataFolders(), std::vector<std::string>{t.Path("build/bin")});
    EXPECT_EQ(loc.DataPath("ColorList"), t.Path("build/bin/ColorList"));
    EXPECT_EQ(loc.DataPath("Help/index.html"), t.Path("build/bin/Help/index.html"));
    EXPECT_EQ(loc.LibraryPath("libDllDialog.so"), t.Path("build/bin/libDllDialog.so"));
    EXPECT_EQ(loc.InstalledIcon(), "");
}

TEST(DataLocation, AMissingFileInTheBuildTreeIsExpectedBesideTheProgram) {
    TempTree t;
    t.Touch("build/CMakeCache.txt");
    t.Folder("build/bin");
    const DataLocation loc(t.Path("build/bin"), "", "", t.Path("home"), kDebianLayout);
    EXPECT_EQ(loc.DataPath("ColorList"), t.Path("build/bin/ColorList"));
    EXPECT_EQ(loc.LibraryPath("libDllDialog.so"), t.Path("build/bin/libDllDialog.so"));
}

TEST(DataLocation, AnInstallationFindsItsFilesUnderItsPrefix) {
    TempTree t;
    t.Touch("usr/bin/orimaki");
    t.Folder("usr/share/orimaki/ColorList");
    t.Touch("usr/share/orimaki/Help/index.html");
    t.Touch("usr/share/icons/hicolor/scalable/apps/orimaki.svg");
    t.Touch("usr/lib/x86_64-linux-gnu/orimaki/libDllDialog.so");
    const DataLocation loc = Installed(t);
    EXPECT_FALSE(loc.RunsFromBuildTree());
    EXPECT_EQ(loc.Prefix(), t.Path("usr"));
    EXPECT_EQ(loc.DataPath("ColorList"), t.Path("usr/share/orimaki/ColorList"));
    EXPECT_EQ(loc.DataPath("Help/index.html"), t.Path("usr/share/orimaki/Help/index.html"));
    EXPECT_EQ(loc.LibraryPath("libDllDialog.so"),
              t.Path("usr/lib/x86_64-linux-gnu/orimaki/libDllDialog.so"));
    EXPECT_EQ(loc.InstalledIcon(), t.Path("usr/share/icons/hicolor/scalable/apps/orimaki.svg"));
}

TEST(DataLocation, AMissingInstalledFileIsExpectedInThePrefix) {
    TempTree t;
    t.Folder("usr/bin");
    const DataLocation loc = Installed(t);
    EXPECT_EQ(loc.DataPath("ColorList"), t.Path("usr/share/orimaki/ColorList"));
    EXPECT_EQ(loc.LibraryPath("libDllDialog.so"),
              t.Path("usr/lib/x86_64-linux-gnu/orimaki/libDllDialog.so"));
    EXPECT_EQ(loc.InstalledIcon(), "");
}

TEST(DataLocation, TheDataFoldersComeInOrder) {
    TempTree t;
    t.Folder("usr/bin");
    const DataLocation loc = Installed(t, "/opt/a/share:relative:/usr/share:/opt/a/share/");
    EXPECT_EQ(loc.DataFolders(),
              (std::vector<std::string>{t.Path("usr/bin"), t.Path("home/.local/share/orimaki"),
                                        t.Path("usr/share/orimaki"), "/opt/a/share/orimaki",
                                        "/usr/share/orimaki"}));
    const DataLocation unset(t.Path("usr/bin"), t.Path("xdg"), "", t.Path("home"), kDebianLayout);
    EXPECT_EQ(unset.DataFolders(),
              (std::vector<std::string>{t.Path("usr/bin"), t.Path("xdg/orimaki"),
                                        t.Path("usr/share/orimaki"), "/usr/local/share/orimaki",
                                        "/usr/share/orimaki"}));
}

struct FoundCase {
    const char* name;
    std::vector<const char*> present;  // folders made under the temporary root
    const char* expect;                // where "ColorList" is found
};

class DataLocationOrder : public ::testing::TestWithParam<FoundCase> {};

TEST_P(DataLocationOrder, TheFirstFolderHoldingTheFileWins) {
    const FoundCase& c = GetParam();
    TempTree t;
    t.Folder("usr/bin");
    for (const char* p : c.present) t.Folder(p);
    const DataLocation loc = Installed(t, t.Path("sys/share"));
    EXPECT_EQ(loc.DataPath("ColorList"), t.Path(c.expect));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataLocationOrder,
    ::testing::Values(
        FoundCase{"BesideTheProgram",
                  {"usr/bin/ColorList", "home/.local/share/orimaki/ColorList",
                   "usr/share/orimaki/ColorList"},
                  "usr/bin/ColorList"},
        FoundCase{"UsersOwnLists",
                  {"home/.local/share/orimaki/ColorList", "usr/share/orimaki/ColorList"},
                  "home/.local/share/orimaki/ColorList"},
        FoundCase{"ThePrefix",
                  {"usr/share/orimaki/ColorList", "sys/share/orimaki/ColorList"},
                  "usr/share/orimaki/ColorList"},
        FoundCase{
            "ASystemDataFolder", {"sys/share/orimaki/ColorList"}, "sys/share/orimaki/ColorList"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PrefixCase {
    const char* name;
    const char* programFolder;
    const char* bindir;
    const char* expect;
};

class DataLocationPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(DataLocationPrefix, IsTheProgramFolderWithoutTheBindir) {
    const PrefixCase& c = GetParam();
    const DataLocation loc(c.programFolder, "", "", "/home/a", {c.bindir, "share", "lib"});
    EXPECT_EQ(loc.Prefix(), c.expect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataLocationPrefix,
    ::testing::Values(PrefixCase{"Usr", "/usr/bin", "bin", "/usr"},
                      PrefixCase{"TrailingSlash", "/opt/orimaki/bin/", "bin", "/opt/orimaki"},
                      PrefixCase{"TwoParts", "/opt/x/tools/bin", "tools/bin", "/opt/x"},
                      PrefixCase{"OtherFolder", "/home/a/Downloads", "bin", ""},
                      PrefixCase{"AbsoluteBindir", "/usr/bin", "/usr/bin", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

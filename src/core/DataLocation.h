#pragma once
// Where the program finds the files it reads besides documents: the colour lists, the help, the
// icon and the options library.
//
// Run from the build tree (the program's folder lies in a CMake build folder), everything is
// beside the program. Installed, the program sits in <prefix>/<bindir>; the prefix is worked out
// from the program's own place, so an installation moved as a whole still finds its files. Data
// is then looked for, in this order, beside the program, in $XDG_DATA_HOME/orimaki
// (~/.local/share/orimaki, where a user may put lists of their own), in
// <prefix>/<datadir>/orimaki and in every folder of $XDG_DATA_DIRS followed by /orimaki
// (/usr/local/share:/usr/share when unset). The options library is looked for beside the
// program and in <prefix>/<libdir>/orimaki.

#include <string>
#include <vector>

class DataLocation {
public:
    // The installation folders, relative to the prefix (an absolute one is used as it is).
    struct Layout {
        std::string bindir = "bin";
        std::string datadir = "share";
        std::string libdir = "lib";
    };

    // programFolder: the folder of the running program. dataHome and dataDirs: the values of
    // XDG_DATA_HOME and XDG_DATA_DIRS (empty when unset); home: the home folder.
    DataLocation(std::string programFolder, std::string dataHome, std::string dataDirs,
                 std::string home, Layout layout = InstalledLayout());

    // For the program in programFolder, with the environment of this process.
    static DataLocation ForProgram(const std::string& programFolder);
    // The layout this program was built to be installed with.
    static Layout InstalledLayout();

    // True when the program's folder is inside a CMake build folder.
    bool RunsFromBuildTree() const;
    // The installation prefix: the program's folder without the bindir; empty when the program
    // does not sit in a folder of that name.
    std::string Prefix() const;

    // The folders searched for data, in order, without repeats.
    std::vector<std::string> DataFolders() const;
    // The first existing relative (a file or a folder) in the data folders. When none exists:
    // where it belongs — beside the program in the build tree or without a prefix, else in the
    // prefix's data folder — so that a message can name the place it was expected.
    std::string DataPath(const std::string& relative) const;

    // The folders searched for the options library, in order.
    std::vector<std::string> LibraryFolders() const;
    // The library file (such as "libDllDialog.so") found first; where it belongs when missing.
    std::string LibraryPath(const std::string& fileName) const;

    // The program's scalable icon in the prefix's hicolor theme; empty when it is not there.
    std::string InstalledIcon() const;

private:
    std::string FirstExisting(const std::vector<std::string>& folders,
                              const std::string& relative) const;
    std::string Under(const std::string& dir) const;  // the prefix joined with a layout folder

    std::string programFolder_;
    std::string dataHome_;
    std::string dataDirs_;
    std::string home_;
    Layout layout_;
};

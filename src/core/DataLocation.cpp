#include "core/DataLocation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The install folders come from the build (GNUInstallDirs); a plain build uses the usual ones.
#ifndef ORIMAKI_INSTALL_BINDIR
#define ORIMAKI_INSTALL_BINDIR "bin"
#endif
#ifndef ORIMAKI_INSTALL_DATADIR
#define ORIMAKI_INSTALL_DATADIR "share"
#endif
#ifndef ORIMAKI_INSTALL_LIBDIR
#define ORIMAKI_INSTALL_LIBDIR "lib"
#endif

const char kAppFolder[] = "orimaki";

std::string Clean(const std::string& path) {
    if (path.empty()) return path;
    std::string s = fs::path(path).lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::string Join(const std::string& a, const std::string& b) {
    return Clean((fs::path(a) / b).string());
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

void AddOnce(std::vector<std::string>& list, const std::string& folder) {
    if (folder.empty()) return;
    if (std::find(list.begin(), list.end(), folder) == list.end()) list.push_back(folder);
}

}  // namespace

DataLocation::DataLocation(std::string programFolder, std::string dataHome, std::string dataDirs,
                           std::string home, Layout layout)
    : programFolder_(Clean(programFolder)),
      dataHome_(std::move(dataHome)),
      dataDirs_(std::move(dataDirs)),
      home_(std::move(home)),
      layout_(std::move(layout)) {}

DataLocation DataLocation::ForProgram(const std::string& programFolder) {
    return DataLocation(programFolder, Env("XDG_DATA_HOME"), Env("XDG_DATA_DIRS"), Env("HOME"));
}

DataLocation::Layout DataLocation::InstalledLayout() {
    return Layout{ORIMAKI_INSTALL_BINDIR, ORIMAKI_INSTALL_DATADIR, ORIMAKI_INSTALL_LIBDIR};
}

bool DataLocation::RunsFromBuildTree() const {
    // The programs are built into <build>/bin; the build folder holds CMake's cache.
    if (programFolder_.empty()) return false;
    return Exists(Join(programFolder_, "CMakeCache.txt")) ||
           Exists(Join(fs::path(programFolder_).parent_path().string(), "CMakeCache.txt"));
}

std::string DataLocation::Prefix() const {
    const fs::path bindir = fs::path(layout_.bindir).lexically_normal();
    if (bindir.is_absolute()) return {};
    fs::path prefix(programFolder_);
    // Walk back over the bindir's parts, each of which must match the program's folder.
    std::vector<std::string> parts;
    for (const auto& p : bindir)
        if (!p.empty() && p != ".") parts.push_back(p.string());
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        if (prefix.filename().string() != *it) return {};
        prefix = prefix.parent_path();
    }
    return prefix.empty() ? std::string() : prefix.string();
}

std::string DataLocation::Under(const std::string& dir) const {
    if (fs::path(dir).is_absolute()) return Clean(dir);
    const std::string prefix = Prefix();
    return prefix.empty() ? std::string() : Join(prefix, dir);
}

std::vector<std::string> DataLocation::DataFolders() const {
    std::vector<std::string> folders;
    AddOnce(folders, programFolder_);
    if (RunsFromBuildTree()) return folders;
    const std::string dataHome =
        !dataHome_.empty() ? dataHome_ : (home_.empty() ? std::string() : home_ + "/.local/share");
    if (!dataHome.empty()) AddOnce(folders, Join(dataHome, kAppFolder));
    const std::string installed = Under(layout_.datadir);
    if (!installed.empty()) AddOnce(folders, Join(installed, kAppFolder));
    const std::string dirs = dataDirs_.empty() ? "/usr/local/share:/usr/share" : dataDirs_;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string dir = dirs.substr(start, end - start);
        // Relative entries are not allowed in the list and are skipped.
        if (!dir.empty() && dir[0] == '/') AddOnce(folders, Join(dir, kAppFolder));
        start = end + 1;
    }
    return folders;
}

std::vector<std::string> DataLocation::LibraryFolders() const {
    std::vector<std::string> folders;
    AddOnce(folders, programFolder_);
    if (RunsFromBuildTree()) return folders;
    const std::string installed = Under(layout_.libdir);
    if (!installed.empty()) AddOnce(folders, Join(installed, kAppFolder));
    return folders;
}

std::string DataLocation::FirstExisting(const std::vector<std::string>& folders,
                                        const std::string& relative) const {
    for (const std::string& folder : folders) {
        const std::string path = Join(folder, relative);
        if (Exists(path)) return path;
    }
    return {};
}

std::string DataLocation::DataPath(const std::string& relative) const {
    const std::string found = FirstExisting(DataFolders(), relative);
    if (!found.empty()) return found;
    const std::string installed = Under(layout_.datadir);
    if (RunsFromBuildTree() || installed.empty()) return Join(programFolder_, relative);
    return Join(Join(installed, kAppFolder), relative);
}

std::string DataLocation::LibraryPath(const std::string& fileName) const {
    const std::vector<std::string> folders = LibraryFolders();
    const std::string found = FirstExisting(folders, fileName);
    if (!found.empty()) return found;
    return Join(folders.back(), fileName);
}

std::string DataLocation::InstalledIcon() const {
    if (RunsFromBuildTree()) return {};
    const std::string installed = Under(layout_.datadir);
    if (installed.empty()) return {};
    const std::string icon = Join(installed, "icons/hicolor/scalable/apps/orimaki.svg");
    return Exists(icon) ? icon : std::string();
}

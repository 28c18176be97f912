#include "SofficeConversions.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace fs = std::filesystem;

namespace soffice {
namespace {

bool ReadBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    bytes = ss.str();
    return true;
}

// 64-bit FNV-1a: enough to tell the inputs of one test run apart.
std::string Key(const std::string& filter, const std::string& extension, const std::string& bytes) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    auto add = [&h](const std::string& s) {
        for (unsigned char c : s) {
            h ^= c;
            h *= 0x100000001b3ULL;
        }
        h ^= 0xff;  // field separator
        h *= 0x100000001b3ULL;
    };
    add(filter);
    add(extension);
    add(bytes);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

std::string OutputExtension(const std::string& filter) {
    return "." + filter.substr(0, filter.find(':'));
}

// Runs a program with its output thrown away; true when it ran and exited with 0.
bool Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The folder lock: held from construction to destruction.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder) {
        fd_ = open((folder + "/lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
        if (fd_ >= 0)
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

struct Job {
    std::string source;     // the caller's file
    std::string key;        // its key in the cache
    std::string extension;  // the source's extension, ".rtf"
};

// Converts the jobs whose results are not yet kept, with one LibreOffice call.
void ConvertMissing(const std::vector<Job>& jobs, const std::string& filter,
                    const std::string& cache) {
    const std::string outExt = OutputExtension(filter);
    std::vector<const Job*> missing;
    for (const Job& j : jobs)
        if (!fs::exists(cache + "/" + j.key + outExt)) missing.push_back(&j);
    if (missing.empty()) return;

    std::string work = cache + "/work-XXXXXX";
    if (!mkdtemp(work.data())) return;
    std::vector<std::string> inputs;
    std::error_code ec;
    for (const Job* j : missing) {
        const std::string in = work + "/" + j->key + j->extension;
        if (fs::exists(in)) continue;  // the same bytes asked for twice
        fs::copy_file(j->source, in, ec);
        if (!ec) inputs.push_back(in);
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string profile = cache + "/profile";
        std::vector<std::string> args{"soffice",    "-env:UserInstallation=file://" + profile,
                                      "--headless", "--convert-to",
                                      filter,       "--outdir",
                                      work};
        args.insert(args.end(), inputs.begin(), inputs.end());
        Run(args);
        bool all = true;
        for (const Job* j : missing) {
            const std::string out = work + "/" + j->key + outExt;
            if (fs::exists(out))
                fs::rename(out, cache + "/" + j->key + outExt, ec);
            else if (!fs::exists(cache + "/" + j->key + outExt))
                all = false;
        }
        if (all) break;
        // A profile left half-made by an interrupted run keeps LibreOffice from starting:
        // the second attempt begins with a fresh one.
        fs::remove_all(profile, ec);
    }
    fs::remove_all(work, ec);
}

}  // namespace

bool Available() {
    static const bool available = std::system("command -v soffice >/dev/null 2>&1") == 0;
    return available;
}

std::string CacheFolder() {
    if (const char* env = std::getenv("ORIMAKI_ORACLE_CACHE"); env && *env) return env;
#ifdef ORIMAKI_ORACLE_CACHE
    return ORIMAKI_ORACLE_CACHE;
#else
    return (fs::temp_directory_path() / ("orimaki-oracle-" + std::to_string(getuid()))).string();
#endif
}

bool Convert(const std::vector<std::string>& files, const std::string& filter,
             const std::string& outDir) {
    const std::string cache = CacheFolder();
    std::error_code ec;
    fs::create_directories(cache, ec);
    fs::create_directories(outDir, ec);
    bool ok = true;
    std::vector<Job> jobs;
    for (const std::string& f : files) {
        std::string bytes;
        if (!ReadBytes(f, bytes)) {
            ok = false;
            continue;
        }
        const std::string ext = fs::path(f).extension().string();
        jobs.push_back({f, Key(filter, ext, bytes), ext});
    }
    {
        FolderLock lock(cache);
        ConvertMissing(jobs, filter, cache);
    }
    const std::string outExt = OutputExtension(filter);
    for (const Job& j : jobs) {
        const fs::path target = fs::path(outDir) / (fs::path(j.source).stem().string() + outExt);
        fs::copy_file(cache + "/" + j.key + outExt, target, fs::copy_options::overwrite_existing,
                      ec);
        if (ec) ok = false;
    }
    return ok;
}

}  // namespace soffice

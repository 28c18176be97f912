#include "cli/CliIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "cli/CliText.h"

bool CliIo::ReadFile(const std::string& path, std::string& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        std::cerr << "orimaki-cli: "
                  << CliText::Pick("入力ファイルを開けません: ", "cannot open the input file: ")
                  << path << " (" << std::strerror(errno) << ")\n";
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        std::cerr << "orimaki-cli: "
                  << CliText::Pick("入力ファイルを読めません: ", "cannot read the input file: ")
                  << path << "\n";
        return false;
    }
    return true;
}

bool CliIo::ReadInput(const std::string& path, std::string& out) {
    return path == "-" ? ReadStdin(out) : ReadFile(path, out);
}

bool CliIo::ReadStdin(std::string& out) {
    out.clear();
    std::vector<char> buf(1 << 16);
    for (;;) {
        const std::size_t got = std::fread(buf.data(), 1, buf.size(), stdin);
        out.append(buf.data(), got);
        if (got < buf.size()) break;
    }
    if (std::ferror(stdin)) {
        std::cerr << "orimaki-cli: "
                  << CliText::Pick("標準入力を読めませんでした", "cannot read standard input")
                  << " (" << std::strerror(errno) << ")\n";
        return false;
    }
    return true;
}

bool CliIo::WriteStdout(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        std::cerr << "orimaki-cli: "
                  << CliText::Pick("標準出力に書けませんでした", "cannot write to standard output")
                  << " (" << std::strerror(errno) << ")\n";
        return false;
    }
    return true;
}

namespace {

bool WriteInto(const std::string& path, std::string_view bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    return f && f.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && f.flush();
}

bool ReportWriteFailure(const std::string& path, int error) {
    std::cerr << "orimaki-cli: "
              << CliText::Pick("出力ファイルに書けません: ", "cannot write the output file: ")
              << path << " (" << std::strerror(error) << ")\n";
    return false;
}

}  // namespace

bool CliIo::WriteFile(const std::string& path, std::string_view bytes) {
    // "-o -" is standard output, so that the commands fit into pipes.
    if (path == "-") return WriteStdout(bytes);
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);  // follows links
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        if (fs::is_directory(st)) return ReportWriteFailure(path, EISDIR);
        return WriteInto(path, bytes) ? true : ReportWriteFailure(path, errno);
    }
    // Replace the file a link names, not the link itself.
    std::string target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) target = resolved.string();
    }
    const std::string temp = target + ".part";
    if (!WriteInto(temp, bytes)) {
        const int error = errno;
        std::remove(temp.c_str());
        return ReportWriteFailure(path, error);
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::remove(temp.c_str());
        return ReportWriteFailure(path, error);
    }
    return true;
}

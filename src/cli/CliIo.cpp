#include "cli/CliIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

bool CliIo::ReadFile(const std::string& path, std::string& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        std::cerr << "orimaki-cli: 入力ファイルを開けません: " << path << " ("
                  << std::strerror(errno) << ")\n";
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        std::cerr << "orimaki-cli: 入力ファイルを読めません: " << path << "\n";
        return false;
    }
    return true;
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
        std::cerr << "orimaki-cli: 標準入力を読めませんでした (" << std::strerror(errno) << ")\n";
        return false;
    }
    return true;
}

bool CliIo::WriteStdout(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        std::cerr << "orimaki-cli: 標準出力に書けませんでした (" << std::strerror(errno) << ")\n";
        return false;
    }
    return true;
}

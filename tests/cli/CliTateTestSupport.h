#pragma once
// The orimaki-cli tate-html/tate-text harness shared by the CLI tests: Japanese written in UTF-8
// and encoded with iconv, and one run of orimaki-cli as a separate process on a small file.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/Cp932.h"

inline std::string J(const std::string& utf8) {
    return Cp932::ToSjis(utf8);
}

inline std::string Lines(const std::vector<std::string>& utf8) {
    std::string s;
    for (const auto& l : utf8) s += l + "\r\n";
    return J(s);
}

inline std::string Slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct TateRun {
    int status = -1;
    std::string out, err, file;
    bool fileExists = false;
};

// Writes `input` to DIR/NAME, runs orimaki-cli with the words (INPUT and OUTPUT stand for the
// input and output paths) and collects standard output, standard error and the output file.
inline TateRun Tate(const std::string& words, const std::string& input,
                    const std::string& name = "in.txt") {
    char dir[] = "/tmp/orimaki-tate-test-XXXXXX";
    TateRun r;
    if (!mkdtemp(dir)) return r;
    const std::string d = dir, in = d + "/" + name, outFile = d + "/page.html";
    std::ofstream(in, std::ios::binary) << input;
    std::string w = words;
    for (auto [key, value] :
         {std::pair<std::string, std::string>{"INPUT", in}, {"OUTPUT", outFile}}) {
        const auto at = w.find(key);
        if (at != std::string::npos) w.replace(at, key.size(), value);
    }
    const std::string cmd = std::string("LC_ALL=ja_JP.UTF-8 " ORIMAKI_BIN "/orimaki-cli ") + w +
                            " > " + d + "/stdout 2> " + d + "/stderr";
    const int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(d + "/stdout");
    r.err = Slurp(d + "/stderr");
    struct stat st;
    r.fileExists = stat(outFile.c_str(), &st) == 0;
    if (r.fileExists) r.file = Slurp(outFile);
    std::remove(in.c_str());
    std::remove(outFile.c_str());
    std::remove((d + "/stdout").c_str());
    std::remove((d + "/stderr").c_str());
    rmdir(dir);
    return r;
}

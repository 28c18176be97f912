#include "cli/CliCommand.h"

#include <algorithm>
#include <iostream>

#include "cli/CliText.h"

namespace {
std::vector<CliCommand::Entry>& Registry() {
    static std::vector<CliCommand::Entry> entries;
    return entries;
}
}  // namespace

CliCommand::Registrar::Registrar(std::string name, std::string usage, std::string summaryJa,
                                 std::string summaryEn, Handler run) {
    Registry().push_back({std::move(name), std::move(usage), std::move(summaryJa),
                          std::move(summaryEn), std::move(run)});
}

const std::vector<CliCommand::Entry>& CliCommand::All() {
    auto& r = Registry();
    std::sort(r.begin(), r.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return r;
}

const CliCommand::Entry* CliCommand::Find(const std::string& name) {
    for (const auto& e : Registry())
        if (e.name == name) return &e;
    return nullptr;
}

void CliCommand::PrintHelp(std::ostream& out, const Entry* entry) {
    const bool ja = CliText::Japanese();
    out << (ja ? "使い方:\n" : "usage:\n");
    auto one = [&](const Entry& e) {
        out << "  orimaki-cli " << e.usage << "\n      " << (ja ? e.summaryJa : e.summaryEn)
            << "\n";
    };
    if (entry) {
        one(*entry);
    } else {
        for (const auto& e : All()) one(e);
        out << "  orimaki-cli --version\n  orimaki-cli [COMMAND] --help\n";
    }
    out << CliText::Pick(
        "\n入力 INPUT に - を指定すると標準入力、-o - は標準出力です。\n"
        "テキストは Shift-JIS (CP932) です。\n"
        "終了コード: 0 完了、1 失敗 (読み書き・変換できない)、2 コマンドラインの誤り\n",
        "\nAn INPUT of - is standard input; -o - is standard output.\n"
        "Text is Shift-JIS (code page 932).\n"
        "Exit status: 0 done, 1 failed (cannot read, write or convert), 2 wrong command line\n");
}

int CliCommand::UsageError(const std::string& message) {
    if (!message.empty()) std::cerr << "orimaki-cli: " << message << "\n";
    PrintHelp(std::cerr);
    return kUsage;
}

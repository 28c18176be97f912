#include "cli/CliCommand.h"

#include <algorithm>
#include <iostream>

namespace {
std::vector<CliCommand::Entry>& Registry() {
    static std::vector<CliCommand::Entry> entries;
    return entries;
}
}  // namespace

CliCommand::Registrar::Registrar(std::string name, std::string usage, Handler run) {
    Registry().push_back({std::move(name), std::move(usage), std::move(run)});
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

int CliCommand::UsageError(const std::string& message) {
    if (!message.empty()) std::cerr << "orimaki-cli: " << message << "\n";
    std::cerr << "usage:\n";
    for (const auto& e : All()) std::cerr << "  orimaki-cli " << e.usage << "\n";
    return 2;
}

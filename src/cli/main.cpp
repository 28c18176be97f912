#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliText.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    auto isHelp = [](const std::string& w) { return w == "--help" || w == "-h"; };
    if (words.size() == 1 && words[0] == "--version") {
        std::cout << "orimaki-cli " ORIMAKI_VERSION "\n";
        return CliCommand::kDone;
    }
    if (words.size() == 1 && isHelp(words[0])) {
        CliCommand::PrintHelp(std::cout);
        return CliCommand::kDone;
    }
    if (words.empty()) return CliCommand::UsageError();
    const CliCommand::Entry* cmd = CliCommand::Find(words[0]);
    if (!cmd)
        return CliCommand::UsageError(CliText::Pick("知らないコマンドです: ", "unknown command: ") +
                                      words[0]);
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (std::any_of(args.begin(), args.end(), isHelp)) {
        CliCommand::PrintHelp(std::cout, cmd);
        return CliCommand::kDone;
    }
    return cmd->run(args);
}

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "orimaki-cli " ORIMAKI_VERSION "\n";
        return 0;
    }
    if (argc < 2) return CliCommand::UsageError();
    const CliCommand::Entry* cmd = CliCommand::Find(argv[1]);
    if (!cmd) return CliCommand::UsageError(std::string("unknown command: ") + argv[1]);
    std::vector<std::string> args(argv + 2, argv + argc);
    return cmd->run(args);
}

#pragma once
// Subcommands of orimaki-cli. Each source file in this folder registers its own commands with
// a static CliCommand::Registrar, so the dispatcher never needs to know them.

#include <functional>
#include <string>
#include <vector>

class CliCommand {
public:
    // args holds the words after the subcommand name. Returns the process exit status.
    using Handler = std::function<int(const std::vector<std::string>& args)>;

    struct Entry {
        std::string name;
        std::string usage;  // one or more lines for the usage text
        Handler run;
    };

    struct Registrar {
        Registrar(std::string name, std::string usage, Handler run);
    };

    static const std::vector<Entry>& All();
    static const Entry* Find(const std::string& name);
    // Prints the usage of every command to standard error and returns 2.
    static int UsageError(const std::string& message = {});
};

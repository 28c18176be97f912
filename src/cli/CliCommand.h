#pragma once
// Subcommands of orimaki-cli. Each source file in this folder registers its own commands with
// a static CliCommand::Registrar, so the dispatcher never needs to know them.
//
// Exit status of every command: 0 done, 1 failed (a file could not be read or written, the
// text could not be converted), 2 wrong command line.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class CliCommand {
public:
    enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

    // args holds the words after the subcommand name. Returns the process exit status.
    using Handler = std::function<int(const std::vector<std::string>& args)>;

    struct Entry {
        std::string name;
        std::string usage;      // the synopsis, one or more lines
        std::string summaryJa;  // what the command does, in Japanese
        std::string summaryEn;  // and in English
        Handler run;
    };

    struct Registrar {
        Registrar(std::string name, std::string usage, std::string summaryJa, std::string summaryEn,
                  Handler run);
    };

    static const std::vector<Entry>& All();
    static const Entry* Find(const std::string& name);
    // The usage of one command (or of every command when entry is null), the meaning of "-"
    // and the exit codes, in the language of the messages.
    static void PrintHelp(std::ostream& out, const Entry* entry = nullptr);
    // Prints the message and the usage to standard error and returns 2.
    static int UsageError(const std::string& message = {});
};

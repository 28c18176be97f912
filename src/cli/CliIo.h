#pragma once
// Whole-file and standard-stream input and output for the orimaki-cli subcommands. Bytes pass
// as they are (binary, no locale); every failure is reported on standard error with the
// "orimaki-cli: " prefix and the system's reason, and the caller only returns its exit code.

#include <string>
#include <string_view>

class CliIo {
public:
    // The whole file at path.
    static bool ReadFile(const std::string& path, std::string& out);
    // Standard input to its end.
    static bool ReadStdin(std::string& out);
    // The bytes to standard output, flushed.
    static bool WriteStdout(std::string_view bytes);
};

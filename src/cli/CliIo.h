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
    // The whole input: the file at path, or standard input for "-".
    static bool ReadInput(const std::string& path, std::string& out);
    // Standard input to its end.
    static bool ReadStdin(std::string& out);
    // The bytes to standard output, flushed.
    static bool WriteStdout(std::string_view bytes);
    // The bytes to the file at path ("-": standard output). A regular file (or a new one) is
    // written beside itself and moved over the old one only when complete, so a failed write leaves
    // the old file as it was; a link is followed and the file it names is replaced, the link stays.
    // Anything that is not a regular file (a device such as /dev/null, a pipe) is written into
    // directly and never replaced or removed.
    static bool WriteFile(const std::string& path, std::string_view bytes);
};

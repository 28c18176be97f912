#pragma once
// The reason for a failed file operation, as the user reads it: the system reports it in
// English ("Permission denied"); the message shows it in Japanese with the system's own
// words after it in brackets, "アクセスが拒否されました（Permission denied）". A reason the
// program does not know is shown as the system's words in brackets after a general phrase;
// a reason the system already gave in Japanese (or any non-ASCII text) is shown unchanged.

#include <string>
#include <string_view>

class FailureReason {
public:
    // UTF-8 in and out; an empty or blank reason gives an empty text.
    static std::string Describe(std::string_view systemText);
};

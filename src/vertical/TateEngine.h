#pragma once
// A vertical generation run: checks the line lengths, expands page breaks, lays the display
// lines out block by block in the grid, hands each block to the writer of the method and
// finishes the output. Delivery (file, browser, clipboard) is left to the caller.

#include <functional>
#include <string>
#include <vector>

#include "vertical/TateSettings.h"
#include "vertical/TateSource.h"

class TateEngine {
public:
    enum class Status { Completed, Cancelled, LineTooLong, Failed };

    struct Result {
        Status status = Status::Completed;
        std::string output;  // Shift-JIS, every line ended by CR LF
        // Vertical text only: the output as UTF-8 (the clipboard form). Characters that code
        // page 932 cannot hold are themselves here and "?" in `output`.
        std::string unicodeText;
        std::vector<std::string> warnings;  // UTF-8 messages, each once, to show after the run
        std::string error;                  // UTF-8 message when the run did not complete
        std::size_t lineCount = 0;          // display lines laid out (after page breaks)
    };

    // Called after every column with the columns done and the columns in all; returning false
    // cancels the run (nothing is produced).
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;

    static constexpr int kMaxLineCharacters = 50;

    // True when some display line has more than 50 characters; `line` gets the first one.
    static bool HasLongLine(const TateSource& source, std::size_t* line = nullptr);

    // True for a document with no text: no display line, or one empty one.
    static bool IsEmptyDocument(const TateSource& source);

    static Result Run(const TateSource& source, const TateSettings& settings, TateMethod method,
                      const Progress& progress = nullptr);
};

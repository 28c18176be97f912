#pragma once
// The output of a run: a list of Shift-JIS lines. A line may itself contain CR LF. The final
// text is the lines joined and each ended by CR LF.

#include <string>
#include <vector>

class TateOutput {
public:
    void Add(std::string line) { lines.push_back(std::move(line)); }
    void Insert(std::size_t at, std::string line) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    }
    std::string Join() const;

    std::vector<std::string> lines;
};

#pragma once
// Messages raised while a run writes its output. Each distinct message is kept once, in the
// order first raised; the caller shows them after the run.

#include <string>
#include <vector>

class TateWarnings {
public:
    void Add(const std::string& message);
    const std::vector<std::string>& Messages() const { return messages_; }
    bool Empty() const { return messages_.empty(); }

private:
    std::vector<std::string> messages_;
};

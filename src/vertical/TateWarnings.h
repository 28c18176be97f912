#pragma once
// Messages raised while a run writes its output. Each distinct message is kept once, in the
// order first raised; the caller shows them after the run.

#include <string>
#include <vector>

class TateWarnings {
public:
    void Add(const std::string& message);
    // A message that is raised again with new details: the first call adds `message` under
    // `key`, later calls with the same key replace its text in the same place.
    void Put(const std::string& key, const std::string& message);
    const std::vector<std::string>& Messages() const { return messages_; }
    bool Empty() const { return messages_.empty(); }

private:
    std::vector<std::string> messages_;
    std::vector<std::string> keys_;  // one per message: its key, or the message itself
};

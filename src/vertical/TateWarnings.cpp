#include "vertical/TateWarnings.h"

#include <algorithm>

void TateWarnings::Add(const std::string& message) {
    Put(message, message);
}

void TateWarnings::Put(const std::string& key, const std::string& message) {
    const auto it = std::find(keys_.begin(), keys_.end(), key);
    if (it != keys_.end()) {
        messages_[static_cast<std::size_t>(it - keys_.begin())] = message;
        return;
    }
    keys_.push_back(key);
    messages_.push_back(message);
}

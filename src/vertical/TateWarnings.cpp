#include "vertical/TateWarnings.h"

#include <algorithm>

void TateWarnings::Add(const std::string& message) {
    if (std::find(messages_.begin(), messages_.end(), message) == messages_.end())
        messages_.push_back(message);
}

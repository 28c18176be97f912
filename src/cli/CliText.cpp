#include "cli/CliText.h"

#include <cstdlib>

bool CliText::IsJapaneseLocale(const std::string& locale) {
    return locale.compare(0, 2, "ja") == 0;
}

bool CliText::Japanese() {
    static const bool japanese = [] {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            if (value && *value) return IsJapaneseLocale(value);
        }
        return true;
    }();
    return japanese;
}

std::string CliText::Pick(const char* japanese, const char* english) {
    return Japanese() ? japanese : english;
}

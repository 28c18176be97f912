#pragma once
// The language of orimaki-cli's messages: Japanese, or English when the locale chosen for
// messages (LC_ALL, else LC_MESSAGES, else LANG) is set to a language other than Japanese, such
// as LANG=C. With none of them set the messages stay Japanese.

#include <string>

class CliText {
public:
    static bool Japanese();
    // The Japanese or the English text.
    static std::string Pick(const char* japanese, const char* english);
    // A message of the engines (generation, RTF reading and conversion), which are written in
    // Japanese for the window: in English when the messages are English. A message not known
    // here is given as it is.
    static std::string Engine(const std::string& japanese);
    // Whether a locale name (such as "ja_JP.UTF-8", "C", "") asks for Japanese messages; an empty
    // name asks for nothing.
    static bool IsJapaneseLocale(const std::string& locale);
};

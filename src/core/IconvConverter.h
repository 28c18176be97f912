#pragma once
// One glibc iconv conversion direction ("UTF-8" to "CP932", "UTF-16LE" to "UTF-8", …), opened
// once and reused. A conversion runs over the whole input; every byte sequence that cannot be
// converted is handed to the caller, who appends its replacement and says how much to skip.
// The input is handed to iconv in windows, so that text with many such sequences costs about
// as much per character as clean text.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class IconvConverter {
public:
    // Called with the input offset of a sequence that cannot be converted and the output so
    // far; appends the replacement to out and returns how many input bytes the sequence covers
    // (at least one is always skipped).
    using OnError = std::function<std::size_t(std::size_t offset, std::string& out)>;

    // Throws std::runtime_error when iconv does not know the pair.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts the whole input from the initial shift state.
    std::string Run(std::string_view in, const OnError& onError);

private:
    void* cd_;  // iconv_t
};

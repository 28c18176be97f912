// libFuzzer target: any bytes through the RTF to HTML converter and the export's page.
// Undeclared font or colour numbers throw RtfToHtmlError; anything else is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    try {
        YokoHtmlPage::Build(rtf, "/tmp/文書.rtf", 0x00FFFFFF);
    } catch (const RtfToHtmlError&) {
    }
    return 0;
}

#include "core/Cp932.h"

#include "core/IconvConverter.h"
#include "core/Utf8.h"

Cp932::EncodeResult Cp932::Encode(std::string_view utf8) {
    // One converter per direction and thread, opened on first use and kept for the run.
    thread_local IconvConverter conv("CP932", "UTF-8");
    EncodeResult res;
    res.bytes = conv.Run(utf8, [&](std::size_t offset, std::string& out) {
        const std::size_t len = Utf8::SequenceLength(static_cast<unsigned char>(utf8[offset]));
        res.unmappable.push_back(Utf8::DecodeAt(utf8, offset, len));
        res.positions.push_back(offset);
        out.push_back('?');
        return len;
    });
    return res;
}

Cp932::DecodeResult Cp932::Decode(std::string_view bytes) {
    thread_local IconvConverter conv("UTF-8", "CP932");
    DecodeResult res;
    res.utf8 = conv.Run(bytes, [&](std::size_t offset, std::string& out) {
        res.invalidOffsets.push_back(offset);
        out.append("\xEF\xBF\xBD");
        return std::size_t{1};
    });
    return res;
}

// libFuzzer target: any bytes through the RTF reader into a document; what was read is
// written again by the RTF writer, read back, and converted to HTML; it also becomes a
// vertical generation source.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/RtfToHtml.h"
#include "rtf/DocumentTateSource.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    QTextDocument doc;
    if (!RtfReader::ReadDocument(rtf, doc).ok) return 0;
    TateFormat base;
    base.name = "font";
    DocumentTateSource::FromDocument(doc, 20, base);
    const std::string again = RtfWriter::Write(doc);
    QTextDocument back;
    if (!RtfReader::ReadDocument(again, back).ok) std::abort();  // our own output is RTF
    // The writer keeps the text (characters that are not text, U+FFFD and lone surrogates,
    // cannot survive a code page and are left out of the comparison).
    const QString first = doc.toPlainText();
    bool comparable = true;
    for (QChar c : first)
        if (c.isSurrogate() || c.unicode() == 0xFFFD) comparable = false;
    if (comparable && back.toPlainText() != first) std::abort();
    try {
        RtfToHtml(again);
    } catch (const RtfToHtmlError&) {
        std::abort();  // our own output declares every font and colour it uses
    }
    return 0;
}

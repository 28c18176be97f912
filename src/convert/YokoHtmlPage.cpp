#include "convert/YokoHtmlPage.h"

#include "convert/RtfToHtml.h"
#include "core/Cp932.h"
#include "core/DocumentPath.h"
#include "core/PageHead.h"
#include "core/Utf8.h"

std::vector<std::string> YokoHtmlPage::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t crlf = text.find("\r\n", start);
        if (crlf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, crlf - start));
        start = crlf + 2;
    }
    return lines;
}

void YokoHtmlPage::EmptyHeaderLines(std::vector<std::string>& lines, std::string_view html,
                                    std::size_t headerBytes) {
    // Number of lines that end inside the header's output.
    std::size_t headerLines = 0;
    if (headerBytes != std::string::npos) {
        const std::string_view head = html.substr(0, std::min(headerBytes, html.size()));
        for (std::size_t p = head.find("\r\n"); p != std::string_view::npos;
             p = head.find("\r\n", p + 2))
            ++headerLines;
    }
    for (std::size_t i = 0; i < kEmptiedLines && i < lines.size(); ++i) {
        if (i < headerLines || lines[i].empty()) {
            lines[i].clear();
        } else {
            break;  // document text starts here and is kept
        }
    }
}

std::string YokoHtmlPage::ToSjisHtml(std::string_view utf8) {
    Cp932::EncodeResult enc = Cp932::Encode(utf8);
    if (enc.ok()) return enc.bytes;
    // Rebuild, putting a reference in place of each '?' that stands for a lost character.
    std::string out;
    std::size_t from = 0;
    for (std::size_t k = 0; k < enc.unmappable.size(); ++k) {
        const std::size_t at = enc.positions[k];
        out += Cp932::ToSjis(utf8.substr(from, at - from));
        out += "&#" + std::to_string(static_cast<unsigned long>(enc.unmappable[k])) + ";";
        // Skip what the encoder skipped: the whole sequence, or one byte that is not UTF-8.
        from = at + Utf8::SequenceLength(static_cast<unsigned char>(utf8[at]));
    }
    if (from < utf8.size()) out += Cp932::ToSjis(utf8.substr(from));
    return out;
}

std::vector<std::string> YokoHtmlPage::Lines(std::string_view rtf, std::string_view documentPath,
                                             TColor background) {
    const RtfToHtmlResult converted = RtfToHtmlDetailed(rtf);
    std::vector<std::string> lines = SplitLines(converted.html);
    EmptyHeaderLines(lines, converted.html, converted.headerBytes);
    lines.insert(lines.begin(), "<BLOCKQUOTE>");
    PageHead::Insert(lines, ToSjisHtml(DocumentPath::FileName(documentPath)), background);
    lines.emplace_back("\r\n");
    lines.emplace_back("</DIV>");
    lines.emplace_back("</BLOCKQUOTE>");
    lines.emplace_back("</BODY></HTML>");
    return lines;
}

std::string YokoHtmlPage::Build(std::string_view rtf, std::string_view documentPath,
                                TColor background) {
    std::string out;
    for (const std::string& line : Lines(rtf, documentPath, background)) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string YokoHtmlPage::OutputPath(std::string_view documentPath) {
    return DocumentPath::ChangeExtension(documentPath, ".html");
}

#pragma once
// A document file loaded as the editor loads it: rich text through the RTF reader (a file that
// is not RTF is read as plain text instead), plain text in the editor's default font.

#include <string>

class QTextDocument;

namespace CliDocument {
bool Load(const std::string& path, QTextDocument& doc);
}

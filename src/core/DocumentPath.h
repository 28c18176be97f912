#pragma once
// Rules for the parts of a document path (POSIX paths, "/" separates folders): file name,
// extension, folder, the choice between rich text and plain text by extension, the untitled
// name and the extension cycle of the address bar. Paths are UTF-8 strings.

#include <functional>
#include <string>
#include <string_view>

class DocumentPath {
public:
    // Text after the last "/" (the whole path when there is none).
    static std::string FileName(std::string_view path);
    // Text from the last "." that follows the last "/", dot included; empty when there is none.
    static std::string Extension(std::string_view path);
    // Text before the last "/"; the root keeps its "/" ("/a" gives "/"); empty when the path
    // has no "/".
    static std::string Folder(std::string_view path);
    // Folder + "/" + name, without doubling the separator of the root or of a folder that
    // already ends in "/".
    static std::string Join(std::string_view folder, std::string_view name);
    // The path with its extension replaced by ext (appended when there is none; an empty ext
    // removes it).
    static std::string ChangeExtension(std::string_view path, std::string_view ext);

    // Reading takes the rich-text path when the extension occurs anywhere in
    // ".rtf.RTF.wri.WRI." (case-sensitive; an empty extension never does), so ".r" and ".tf"
    // read as rich text.
    static bool ReadsAsRichText(std::string_view path);
    // Writing takes the rich-text path only for exactly ".rtf", ".RTF", ".wri" or ".WRI".
    static bool WritesAsRichText(std::string_view path);

    // The first free name "新規文書" + ext, then "新規文書(2)" + ext, "新規文書(3)" + ext … in
    // folder; exists tells whether a file of that name is there.
    static std::string UntitledName(std::string_view folder, std::string_view newFileExt,
                                    const std::function<bool(const std::string&)>& exists);

    // The extension that follows ext in the cycle .txt → .rtf → .wri → .txt: ".rtf" when ext
    // occurs in ".txt.TXT", else ".wri" when it occurs in ".rtf.RTF", else ".txt".
    static std::string NextExtension(std::string_view ext);

    // True when needle is not empty and occurs in haystack.
    static bool Occurs(std::string_view needle, std::string_view haystack);
};

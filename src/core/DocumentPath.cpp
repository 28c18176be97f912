#include "core/DocumentPath.h"

std::string DocumentPath::FileName(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string DocumentPath::Extension(std::string_view path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    if (slash != std::string_view::npos && dot < slash) return {};
    return std::string(path.substr(dot));
}

std::string DocumentPath::Folder(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string DocumentPath::Join(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (out.empty() || out.back() != '/') out += '/';
    out += name;
    return out;
}

std::string DocumentPath::ChangeExtension(std::string_view path, std::string_view ext) {
    const std::string old = Extension(path);
    std::string out(path.substr(0, path.size() - old.size()));
    out += ext;
    return out;
}

bool DocumentPath::Occurs(std::string_view needle, std::string_view haystack) {
    return !needle.empty() && haystack.find(needle) != std::string_view::npos;
}

bool DocumentPath::ReadsAsRichText(std::string_view path) {
    return Occurs(Extension(path), ".rtf.RTF.wri.WRI.");
}

bool DocumentPath::WritesAsRichText(std::string_view path) {
    const std::string ext = Extension(path);
    return ext == ".rtf" || ext == ".RTF" || ext == ".wri" || ext == ".WRI";
}

std::string DocumentPath::UntitledName(std::string_view folder, std::string_view newFileExt,
                                       const std::function<bool(const std::string&)>& exists) {
    const std::string base = "新規文書";
    std::string candidate = Join(folder, base + std::string(newFileExt));
    for (long k = 2; exists(candidate); ++k)
        candidate = Join(folder, base + "(" + std::to_string(k) + ")" + std::string(newFileExt));
    return candidate;
}

std::string DocumentPath::NextExtension(std::string_view ext) {
    if (Occurs(ext, ".txt.TXT")) return ".rtf";
    if (Occurs(ext, ".rtf.RTF")) return ".wri";
    return ".txt";
}

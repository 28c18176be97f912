#include "core/AddressRules.h"

#include "core/DocumentPath.h"

namespace {

AddressRules::Result ApplyOnce(const std::string& address, const std::string& documentPath,
                               const std::string& programFolder,
                               const AddressRules::FolderExists& folderExists, bool mayFallBack) {
    AddressRules::Result r;
    r.documentPath = documentPath;
    r.boxText = documentPath;

    // 1. An existing folder keeps the document's file name.
    if (!address.empty() && folderExists(address)) {
        std::string folder = address;
        if (folder.back() != '/') folder += '/';
        r.documentPath = folder + DocumentPath::FileName(documentPath);
        r.boxText = r.documentPath;
        r.applied = true;
        r.step = 1;
        return r;
    }
    // 2. No folder and no extension: the typed text is dropped.
    if (DocumentPath::Extension(address).empty()) {
        r.step = 2;
        return r;
    }
    // 3. A bare file name goes into the document's folder.
    const std::string folder = DocumentPath::Folder(address);
    if (folder.empty()) {
        r.documentPath = DocumentPath::Join(DocumentPath::Folder(documentPath), address);
        r.boxText = r.documentPath;
        r.applied = true;
        r.step = 3;
        return r;
    }
    // 4. A full path in an existing folder renames the document.
    if (folderExists(folder)) {
        r.documentPath = address;
        r.boxText = address;
        r.applied = true;
        r.renamed = true;
        r.nextExtension = DocumentPath::NextExtension(DocumentPath::Extension(address));
        r.step = 4;
        return r;
    }
    // 5. The typed folder does not exist: keep the document path while its own folder exists,
    // otherwise fall back to the program's folder.
    r.step = 5;
    const std::string docFolder = DocumentPath::Folder(documentPath);
    if ((!docFolder.empty() && folderExists(docFolder)) || !mayFallBack) return r;
    std::string fallback = programFolder;
    if (fallback.empty() || fallback.back() != '/') fallback += '/';
    AddressRules::Result again = ApplyOnce(address, fallback, programFolder, folderExists, false);
    again.step = 5;
    return again;
}

}  // namespace

AddressRules::Result AddressRules::Apply(const std::string& address,
                                         const std::string& documentPath,
                                         const std::string& programFolder,
                                         const FolderExists& folderExists) {
    return ApplyOnce(address, documentPath, programFolder, folderExists, true);
}

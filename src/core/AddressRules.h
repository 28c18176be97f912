#pragma once
// Apply address: how the text typed into the address box changes the document path. Nothing
// here touches a file; the only question asked of the file system is whether a folder exists,
// so the rule is a pure function over that query.

#include <functional>
#include <string>

class AddressRules {
public:
    using FolderExists = std::function<bool(const std::string&)>;

    struct Result {
        std::string documentPath;   // the new document path (unchanged when nothing applied)
        std::string boxText;        // what the address box shows afterwards
        bool applied = false;       // the document path was taken: mark modified, enable save
        bool renamed = false;       // a full path was taken: caption, title and button follow
        std::string nextExtension;  // with renamed: the extension button's new caption
        int step = 0;               // which rule decided (1 to 5), for the curious and the tests
    };

    // address: the text of the address box; documentPath: the current document path;
    // programFolder: the folder of the program file, the last resort when neither the typed
    // folder nor the document's folder exists.
    static Result Apply(const std::string& address, const std::string& documentPath,
                        const std::string& programFolder, const FolderExists& folderExists);
};

#pragma once
// Delivering what a generation or export produced: a file written in one step (an existing
// file is replaced only once the new one is complete; a failed write leaves no partial file),
// the clipboard, and the desktop's browser.

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

class GeneratedOutput {
public:
    // Writes bytes to path; on failure returns false with a Japanese message in error.
    static bool WriteFile(const QString& path, const std::string& bytes, QString* error);
    // The whole text onto the clipboard.
    static void ToClipboard(const QString& text);
    // Opens a written file with the desktop's default program (the browser for HTML).
    using OpenUrl = std::function<bool(const QUrl&)>;
    static bool Open(const QString& path, const OpenUrl& hook);
    // True when the two paths name the same file (also through links); false when either does
    // not exist yet.
    static bool SameFile(const QString& a, const QString& b);
};

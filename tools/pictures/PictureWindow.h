#pragma once
// A main window as the window tests start it: shown, activated and exposed, on the sandbox's
// empty settings store, in vertical mode when asked; closed without questions when the picture is
// made.

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;
class TOMForm;

class PictureWindow {
public:
    enum class View { Horizontal, Vertical };

    explicit PictureWindow(View view = View::Horizontal, const QStringList& args = {});
    ~PictureWindow();
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

    TOMForm* Form() const { return form_; }
    TOMForm* operator->() const { return form_; }
    // Puts the keyboard focus in the active view.
    void Focus();
    // Replaces the whole text (CR LF as one paragraph end) in the document's default format,
    // with the caret at the start.
    void SetText(const char* utf8);
    // Lets the window finish what it queued (layout, the ruler, the status bar).
    static void Settle();

private:
    TOMForm* form_ = nullptr;
};

// The widget as it is on the screen; throws when the picture comes out empty.
QImage GrabPicture(QWidget* widget);

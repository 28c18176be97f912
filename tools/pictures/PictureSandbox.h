#pragma once
// Where the pictures are made: a settings store and a current folder of their own in temporary
// folders (never the user's settings), and message boxes answered without showing them (Cancel,
// else No, else OK), as the window tests run. Reset() gives the next picture an empty store.

#include <QTemporaryDir>

class PictureSandbox {
public:
    PictureSandbox();
    ~PictureSandbox();
    PictureSandbox(const PictureSandbox&) = delete;
    PictureSandbox& operator=(const PictureSandbox&) = delete;

    // False when a temporary folder could not be made.
    bool IsValid() const { return settings_.isValid() && cwd_.isValid(); }
    // Forgets the settings and the messages of the picture before.
    void Reset();
    QString WorkFolder() const { return cwd_.path(); }

private:
    QTemporaryDir settings_;
    QTemporaryDir cwd_;
    QString oldCwd_;
};

#pragma once
// The pictures orimaki-pictures can make, each under its own name with a line saying what it
// shows. A maker returns the picture or throws std::runtime_error saying why it could not.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class PictureSet {
public:
    using Maker = std::function<QImage()>;
    struct Entry {
        QString name;  // the file is name + ".png"
        QString what;
        Maker make;
    };

    void Add(const QString& name, const QString& what, Maker make);
    const std::vector<Entry>& Entries() const { return entries_; }
    // The entry called name, or nullptr.
    const Entry* Find(const QString& name) const;

private:
    std::vector<Entry> entries_;
};

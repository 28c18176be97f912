#include "PictureSet.h"

#include <stdexcept>

void PictureSet::Add(const QString& name, const QString& what, Maker make) {
    if (Find(name)) throw std::logic_error("two pictures named " + name.toStdString());
    entries_.push_back({name, what, std::move(make)});
}

const PictureSet::Entry* PictureSet::Find(const QString& name) const {
    for (const Entry& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

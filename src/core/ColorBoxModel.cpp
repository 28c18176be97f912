#include "core/ColorBoxModel.h"

#include <unordered_map>
#include <utility>

#include "core/ColorListFile.h"

namespace {

const std::vector<ColorBoxEntry> kBasic = {
    {"Black", 0x00000000},  {"Maroon", 0x00000080},  {"Green", 0x00008000}, {"Olive", 0x00008080},
    {"Navy", 0x00800000},   {"Purple", 0x00800080},  {"Teal", 0x00808000},  {"Gray", 0x00808080},
    {"Silver", 0x00C0C0C0}, {"Red", 0x000000FF},     {"Lime", 0x0000FF00},  {"Yellow", 0x0000FFFF},
    {"Blue", 0x00FF0000},   {"Fuchsia", 0x00FF00FF}, {"Aqua", 0x00FFFF00},  {"White", 0x00FFFFFF},
};

const std::vector<ColorBoxEntry> kBasicJ = {
    {"黒", 0x00000000},   {"茶色", 0x00000080}, {"緑", 0x00008000},   {"オリーブ", 0x00008080},
    {"紺", 0x00800000},   {"紫", 0x00800080},   {"青緑", 0x00808000}, {"灰色", 0x00808080},
    {"銀色", 0x00C0C0C0}, {"赤", 0x000000FF},   {"黄緑", 0x0000FF00}, {"黄", 0x0000FFFF},
    {"青", 0x00FF0000},   {"赤紫", 0x00FF00FF}, {"水色", 0x00FFFF00}, {"白", 0x00FFFFFF},
};

}  // namespace

ColorBoxModel::ColorBoxModel() {
    Rebuild();
}

const std::vector<ColorBoxEntry>& ColorBoxModel::BasicColors() {
    return kBasic;
}
const std::vector<ColorBoxEntry>& ColorBoxModel::BasicColorsJ() {
    return kBasicJ;
}

void ColorBoxModel::setSelection(Selection s) {
    selection_ = s & (csSystem | csSystemJ | csCustom | csDefault | csExtended);
    Rebuild();
}

void ColorBoxModel::setDefaultColor(TColor c) {
    defaultColor_ = c;
    Rebuild();
}

void ColorBoxModel::setExtendedColors(std::vector<std::string> lines) {
    extended_ = std::move(lines);
    Rebuild();
}

void ColorBoxModel::setMaxCustomCount(std::uint8_t n) {
    maxCustomCount_ = n;
    Rebuild();
}

void ColorBoxModel::Rebuild() {
    entries_.clear();
    customCount_ = 0;
    current_ = -1;
    if (selection_ & csDefault) entries_.push_back({kDefaultName, defaultColor_});
    if (selection_ & csSystem) entries_.insert(entries_.end(), kBasic.begin(), kBasic.end());
    if (selection_ & csSystemJ) entries_.insert(entries_.end(), kBasicJ.begin(), kBasicJ.end());
    if (selection_ & csExtended) {
        if (onLoadExtendedColors) onLoadExtendedColors(extended_);
        // A name is looked up by its first line (letter case ignored), so a name that occurs
        // on several lines lists each time with the value of its first line.
        std::unordered_map<std::string, TColor> firstValue;
        firstValue.reserve(extended_.size());
        for (const std::string& line : extended_) {
            std::string_view name = ColorListFile::NameOf(line);
            if (name.empty()) continue;
            firstValue.emplace(ColorListFile::FoldName(name),
                               ColorListFile::ValueOf(ColorListFile::ValueTextOf(line)));
        }
        for (const std::string& line : extended_) {
            std::string_view name = ColorListFile::NameOf(line);
            if (name.empty()) continue;
            entries_.push_back({std::string(name), firstValue[ColorListFile::FoldName(name)]});
        }
    }
    if (selection_ & csCustom) entries_.push_back({kOtherName, clNone});
    Changed();
}

void ColorBoxModel::setCurrentIndex(int index) {
    current_ = (index >= 0 && index < count()) ? index : -1;
}

TColor ColorBoxModel::color() const {
    return current_ >= 0 ? entries_[std::size_t(current_)].color : clNone;
}

int ColorBoxModel::IndexOfColor(TColor c) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].color == c) return int(i);
    return -1;
}

void ColorBoxModel::SetColor(TColor c) {
    if (c != clNone) {
        int index = IndexOfColor(c);
        if (index >= 0) {
            current_ = index;
            return;
        }
        if (selection_ & csCustom) {
            AddCustomColor({}, c);  // the choice stays as it was
            return;
        }
    }
    current_ = -1;
}

int ColorBoxModel::AddCustomColor(std::string_view name, TColor color) {
    if (maxCustomCount_ <= 0) return -1;
    if (customCount_ >= maxCustomCount_) {
        // The oldest custom colour sits MaxCustomCount entries before "その他...".
        int oldest = count() - maxCustomCount_ - 1;
        if (oldest >= 0 && oldest < count()) {
            entries_.erase(entries_.begin() + oldest);
            if (current_ == oldest)
                current_ = -1;
            else if (current_ > oldest)
                --current_;
        }
        --customCount_;
    }
    std::string entryName = name.empty() ? ColorToShortHex(color) : std::string(name);
    int at = count() > 0 ? count() - 1 : 0;
    entries_.insert(entries_.begin() + at, ColorBoxEntry{std::move(entryName), color});
    if (current_ >= at) ++current_;
    ++customCount_;
    Changed();
    return at;
}

bool ColorBoxModel::IsOtherEntry(int index) const {
    return (selection_ & csCustom) && index >= 0 && index == count() - 1;
}

int ColorBoxModel::ChooseEntry(int index, const std::function<bool(TColor& color)>& askColor) {
    if (!IsOtherEntry(index)) {
        setCurrentIndex(index);
        return current_;
    }
    TColor c = color();
    if (askColor && askColor(c)) AddCustomColor({}, c);
    setCurrentIndex(count() - 2);
    return current_;
}

void ColorBoxModel::Changed() {
    if (onEntriesChanged) onEntriesChanged();
}

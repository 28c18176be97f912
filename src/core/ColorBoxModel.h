#pragma once
// The entries of the colour box and the rules that change them, without any window: which
// groups are listed, the extended list, custom colours and the chosen entry. The colour box
// widget (TColorLookupComboBox) shows these entries and forwards the user's choices here.
// Names are UTF-8.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ColorValue.h"

struct ColorBoxEntry {
    std::string name;
    TColor color;
};

class ColorBoxModel {
public:
    // Groups of entries (set bits of Selection).
    enum TColorSelectionItem : unsigned {
        csSystem = 1,     // the sixteen basic colours with English names
        csSystemJ = 2,    // the sixteen basic colours with Japanese names
        csCustom = 4,     // custom colours and the last entry "その他..."
        csDefault = 8,    // "標準" with DefaultColor, first
        csExtended = 16,  // the extended list
    };
    using Selection = unsigned;

    static constexpr const char* kDefaultName = "標準";
    static constexpr const char* kOtherName = "その他...";

    ColorBoxModel();

    // The sixteen basic colours with their English and Japanese names, in list order.
    static const std::vector<ColorBoxEntry>& BasicColors();
    static const std::vector<ColorBoxEntry>& BasicColorsJ();

    // Setting any of these rebuilds the entries (also when the value does not change).
    Selection selection() const { return selection_; }
    void setSelection(Selection s);
    TColor defaultColor() const { return defaultColor_; }
    void setDefaultColor(TColor c);
    const std::vector<std::string>& extendedColors() const { return extended_; }
    void setExtendedColors(std::vector<std::string> lines);
    int maxCustomCount() const { return maxCustomCount_; }
    void setMaxCustomCount(std::uint8_t n);

    // Runs before the extended list is turned into entries; it may change the lines.
    std::function<void(std::vector<std::string>& lines)> onLoadExtendedColors;
    // Runs after every change of the entries (rebuild, custom colour added or removed).
    std::function<void()> onEntriesChanged;

    // Rebuilds the entries from the groups; the custom colours are dropped, nothing is chosen.
    void Rebuild();

    const std::vector<ColorBoxEntry>& entries() const { return entries_; }
    int count() const { return int(entries_.size()); }
    int customCount() const { return customCount_; }

    // The chosen entry (-1: none) and its colour (clNone when none is chosen).
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);  // out of range: none
    TColor color() const;

    // Set colour: chooses the first entry with the colour; a colour no entry carries is added
    // as a nameless custom colour (when csCustom is selected) without being chosen, so that a
    // second call chooses it; clNone, or an unknown colour without csCustom, chooses nothing.
    void SetColor(TColor c);

    // Adds a custom colour before "その他..." (the oldest custom colour goes when the box
    // already holds MaxCustomCount of them). An empty name gives "$" and six capital hex digits
    // of the value. Returns the index of the new entry, or -1 when MaxCustomCount is 0 (the box
    // keeps no custom colours then).
    int AddCustomColor(std::string_view name, TColor color);

    // The user chose entry index. When it is "その他..." (csCustom selected, last entry),
    // askColor is called with the current colour; if it returns true the colour it set is added
    // as a custom colour; in every case the entry before "その他..." is then chosen. Returns the
    // chosen index.
    int ChooseEntry(int index, const std::function<bool(TColor& color)>& askColor);
    // True when index is the "その他..." entry.
    bool IsOtherEntry(int index) const;

    // Index of the first entry with the colour, or -1.
    int IndexOfColor(TColor c) const;

private:
    void Changed();

    Selection selection_ = csSystemJ;
    TColor defaultColor_ = clNone;
    std::vector<std::string> extended_;
    int maxCustomCount_ = 3;
    std::vector<ColorBoxEntry> entries_;
    int customCount_ = 0;
    int current_ = -1;
};

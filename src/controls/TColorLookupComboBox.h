#pragma once
// The colour box: a drop-down list of named colours drawn with swatches. Its entries and rules
// live in ColorBoxModel; this widget shows them, lets the user choose, and opens the colour
// dialog for "その他...".

#include <QComboBox>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/ColorBoxModel.h"
#include "core/ColorValue.h"

class TColorSwatchDelegate;

class TColorLookupComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(uint DefaultColor READ defaultColor WRITE setDefaultColor)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(int MaxCustomCount READ maxCustomCount WRITE setMaxCustomCount)
    Q_PROPERTY(bool ShowName READ showName WRITE setShowName)

public:
    using Selection = ColorBoxModel::Selection;
    static constexpr Selection csSystem = ColorBoxModel::csSystem;
    static constexpr Selection csSystemJ = ColorBoxModel::csSystemJ;
    static constexpr Selection csCustom = ColorBoxModel::csCustom;
    static constexpr Selection csDefault = ColorBoxModel::csDefault;
    static constexpr Selection csExtended = ColorBoxModel::csExtended;

    // Width at creation, in pixels.
    static constexpr int kInitialWidth = 120;

    explicit TColorLookupComboBox(QWidget* parent = nullptr);
    ~TColorLookupComboBox() override;

    // Properties; setting Selection, DefaultColor, ExtendedColors, MaxCustomCount or ItemHeight
    // rebuilds the entries.
    Selection selection() const { return model_.selection(); }
    void setSelection(Selection s);
    TColor defaultColor() const { return model_.defaultColor(); }
    void setDefaultColor(TColor c);
    // Extended list: one colour per line, name "=" value (UTF-8 inside the program).
    QStringList extendedColors() const;
    void setExtendedColors(const QStringList& lines);
    void setExtendedColorLines(std::vector<std::string> lines);
    int itemHeight() const;
    void setItemHeight(int h);
    int maxCustomCount() const { return model_.maxCustomCount(); }
    void setMaxCustomCount(int n);  // clamped to 0-255
    bool showName() const;
    void setShowName(bool on);
    // Runs before the extended list is turned into entries; it may change the lines.
    void setOnLoadExtendedColors(std::function<void(std::vector<std::string>&)> handler);

    // The colour of the chosen entry, clNone when none is chosen.
    TColor color() const { return model_.color(); }
    // Set colour: chooses the first entry with c; a colour no entry has is added as a nameless
    // custom colour (with csCustom) and chosen only by a second call; clNone chooses nothing.
    void setColor(TColor c);
    // Adds a custom colour before "その他..."; an empty name gives "$" and the value as six
    // capital hexadecimal digits (blue first: red 255 green 128 blue 0 is "$0080FF").
    // Returns its index, -1 when the box keeps no custom colours (MaxCustomCount 0).
    int addCustomColor(const QString& name, TColor c);
    int customCount() const { return model_.customCount(); }

    // Sets a fixed width (the loaded colour list decides it).
    void setBoxWidth(int width);

    // How "その他..." asks for a colour: by default the colour dialog, starting from the
    // current colour. Tests put their own answer here.
    void setColorAsker(std::function<bool(TColor&)> asker);

    const ColorBoxModel& boxModel() const { return model_; }

signals:
    // The user chose an entry (after "その他..." has been handled).
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnActivated(int index);
    void OnCurrentIndexChanged(int index);
    void SyncItems();
    void SyncCurrent();
    bool AskColor(TColor& c);

    ColorBoxModel model_;
    TColorSwatchDelegate* delegate_;
    std::function<bool(TColor&)> asker_;
    bool syncing_ = false;
};

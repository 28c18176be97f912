// Loading the settings at the first showing and saving them at an accepted close.

#include <QLineEdit>
#include <QTextDocument>

#include "app/SettingsStore.h"
#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"
#include "controls/TanlRuler.h"
#include "core/SettingsTable.h"

namespace {
constexpr int kTopBands = SettingsTable::kTopBands;
constexpr int kRightBands = SettingsTable::kRightBands;
constexpr int kMaxFindRead = 1000;

// Moves, for each position i in turn, the band whose identity is ids[i] to position i; then the
// band now at position i takes the stored break and length. An identity that names no band
// moves nothing.
std::vector<TOMForm::BandSlot> RestoreOrder(std::vector<TOMForm::BandSlot> order,
                                            const std::vector<int>& ids,
                                            const std::vector<bool>& breaks,
                                            const std::vector<int>& lengths) {
    for (size_t i = 0; i < order.size() && i < ids.size(); ++i) {
        auto it = std::find_if(order.begin(), order.end(),
                               [&](const TOMForm::BandSlot& s) { return s.id == ids[i]; });
        if (it != order.end()) {
            const TOMForm::BandSlot moved = *it;
            order.erase(it);
            order.insert(order.begin() + long(i), moved);
        }
        order[i].brk = breaks[i];
        order[i].length = lengths[i];
    }
    return order;
}
}  // namespace

void TOMForm::LoadSettings() {
    SettingsStore st;
    settingsUnreadable_ = !st.Readable();
    // Window: position and size of the main window, then of the find dialog.
    const int top = st.Int("Window", QStringLiteral("MainTop"));
    const int left = st.Int("Window", QStringLiteral("MainLeft"));
    const int height = st.Int("Window", QStringLiteral("MainHeight"));
    const int width = st.Int("Window", QStringLiteral("MainWidth"));
    move(left, top);
    resize(std::max(width, minimumWidth()), std::max(height, minimumHeight()));
    findTop = st.Int("Window", QStringLiteral("FindTop"));
    findLeft = st.Int("Window", QStringLiteral("FindLeft"));

    // Bar.
    barCaptions = st.Bool("Bar", QStringLiteral("String"));
    barsVertical = st.Bool("Bar", QStringLiteral("Vertical"));
    const char* bars[5] = {"Tool", "Find", "Font", "Style", "Address"};
    for (int i = 0; i < 5; ++i) barFlags[size_t(i)] = st.Bool("Bar", QString::fromLatin1(bars[i]));
    ruler_->setVisible(st.Bool("Bar", QStringLiteral("Ruler")));
    std::vector<int> ids, widths, rids, rheights;
    std::vector<bool> breaks, rbreaks;
    for (int n = 0; n < kTopBands; ++n) {
        ids.push_back(st.Int("Bar", SettingsStore::BandName(n, "ID")));
        widths.push_back(st.Int("Bar", SettingsStore::BandName(n, "Width")));
        breaks.push_back(st.Bool("Bar", SettingsStore::BandName(n, "Break")));
    }
    for (int n = 0; n < kRightBands; ++n) {
        rids.push_back(st.Int("Bar", SettingsStore::RBandName(n, "ID")));
        rheights.push_back(st.Int("Bar", SettingsStore::RBandName(n, "Height")));
        rbreaks.push_back(st.Bool("Bar", SettingsStore::RBandName(n, "Break")));
    }

    // Option.
    defaultFontName = st.String("Option", QStringLiteral("DFontName"));
    defaultFontSize = st.Int("Option", QStringLiteral("DFontSize"));
    defaultFontColor = st.Color("Option", QStringLiteral("DFontColor"));
    view1_->SetColor(st.Color("Option", QStringLiteral("BackColor")));
    colorFileType = st.Int("Option", QStringLiteral("ColorFileType"));
    tabOption = st.Int("Option", QStringLiteral("Tab"));
    newFileExt = st.String("Option", QStringLiteral("NewFileExt"));

    // Etc: the untitled document is named in the folder last used.
    const QString folder = st.String("Etc", QStringLiteral("FileAddress"));
    documentPath = folder + kUntitled + newFileExt;
    addressEdit_->setText(documentPath);
    verticalFlag = st.Bool("Etc", QStringLiteral("Vertical"));
    wrapOff = st.Bool("Etc", QStringLiteral("Wrap"));
    indentStr = st.String("Etc", QStringLiteral("IndentStr"));
    shiftJisMode = st.Bool("Etc", QStringLiteral("ShiftJis"));
    Command(shiftJisMode ? "SHIFTJISM" : "SJISOFFM")->setChecked(true);
    // A count no close could have written (at most 20 are) is not taken at its word: reading
    // stops at a bound that keeps a damaged store from stalling the start.
    const int count = std::min(st.Int("Etc", QStringLiteral("FindStrCount")), kMaxFindRead);
    findHistory.clear();
    for (int n = 0; n < count; ++n) findHistory << st.String("Etc", SettingsStore::FindStrName(n));

    // A colour list other than the built-in one is read into the colour box; Shift-JIS mode is
    // applied by its command group when it installs itself; both views share the background
    // colour.
    if (colorFileType != 0) LoadColorList();
    view2_->SetColor(view1_->Color());

    // Bands: restore the order of each area, then breaks and lengths.
    std::vector<BandSlot> top0, right0;
    for (int i = 0; i < kTopBands; ++i) top0.push_back({i, true, 200});
    for (int i = 0; i < kRightBands; ++i) right0.push_back({i, true, 200});
    SetTopBandOrder(RestoreOrder(top0, ids, breaks, widths));
    SetRightBandOrder(RestoreOrder(right0, rids, rbreaks, rheights));
}

void TOMForm::SaveSettings() {
    SettingsStore st;
    st.SetInt("Window", QStringLiteral("MainTop"), y());
    st.SetInt("Window", QStringLiteral("MainLeft"), x());
    st.SetInt("Window", QStringLiteral("MainHeight"), height());
    st.SetInt("Window", QStringLiteral("MainWidth"), width());
    st.SetInt("Window", QStringLiteral("FindTop"), findTop);
    st.SetInt("Window", QStringLiteral("FindLeft"), findLeft);

    st.SetBool("Bar", QStringLiteral("String"), barCaptions);
    st.SetBool("Bar", QStringLiteral("Vertical"), barsVertical);
    const char* bars[5] = {"Tool", "Find", "Font", "Style", "Address"};
    for (int i = 0; i < 5; ++i)
        st.SetBool("Bar", QString::fromLatin1(bars[i]), barFlags[size_t(i)]);
    st.SetBool("Bar", QStringLiteral("Ruler"), ruler_->isVisibleTo(this));
    for (int n = 0; n < kTopBands && n < int(topSlots_.size()); ++n) {
        st.SetInt("Bar", SettingsStore::BandName(n, "ID"), topSlots_[size_t(n)].id);
        st.SetInt("Bar", SettingsStore::BandName(n, "Width"), topSlots_[size_t(n)].length);
        st.SetBool("Bar", SettingsStore::BandName(n, "Break"), topSlots_[size_t(n)].brk);
    }
    for (int n = 0; n < kRightBands && n < int(rightSlots_.size()); ++n) {
        st.SetInt("Bar", SettingsStore::RBandName(n, "ID"), rightSlots_[size_t(n)].id);
        st.SetInt("Bar", SettingsStore::RBandName(n, "Height"), rightSlots_[size_t(n)].length);
        st.SetBool("Bar", SettingsStore::RBandName(n, "Break"), rightSlots_[size_t(n)].brk);
    }

    st.SetString("Option", QStringLiteral("DFontName"), defaultFontName);
    st.SetInt("Option", QStringLiteral("DFontSize"), defaultFontSize);
    st.SetColor("Option", QStringLiteral("DFontColor"), defaultFontColor);
    st.SetColor("Option", QStringLiteral("BackColor"), view1_->Color());
    st.SetInt("Option", QStringLiteral("ColorFileType"), colorFileType);
    st.SetInt("Option", QStringLiteral("Tab"), tabOption);
    st.SetString("Option", QStringLiteral("NewFileExt"), newFileExt);

    st.SetString("Etc", QStringLiteral("FileAddress"),
                 QString::fromStdString(SettingsTable::FileAddressOf(documentPath.toStdString())));
    st.SetBool("Etc", QStringLiteral("Vertical"), verticalFlag);
    st.SetBool("Etc", QStringLiteral("Wrap"), wrapOff);
    st.SetString("Etc", QStringLiteral("IndentStr"), indentStr);
    st.SetBool("Etc", QStringLiteral("ShiftJis"), shiftJisMode);
    const int count = std::min(int(findHistory.size()), SettingsTable::kMaxFindStrings);
    st.SetInt("Etc", QStringLiteral("FindStrCount"), count);
    for (int n = 0; n < count; ++n)
        st.SetString("Etc", SettingsStore::FindStrName(n), findHistory[n]);
    st.Sync();
}

// The bars of the main window: five bands in the top bar area, the vertical copies of the tool
// and find bars in the right-hand area, the status bar, and the bar commands.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/TBand.h"
#include "app/TOMForm.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TStyleButton.h"
#include "core/ColorListFile.h"

namespace {
// Tool bar buttons: name, caption, hint, the menu item they press. The right-hand copy of the
// tool bar uses the second name.
struct ButtonRow {
    const char* name;
    const char* name2;
    const char* caption;
    const char* hint;
    const char* command;
};

const ButtonRow kToolButtons[] = {
    {"NewFileTB", "ToolButton1", "新規", "新規作成|新しい文書を作成します。", "NewFileM"},
    {"OpenFileTB", "ToolButton2", "開く", "開く\rCtrl+O|文書ファイルを開きます。", "OpenM"},
    {"SaveFileTB", "SaveFileTB2", "保存", "上書き保存\rCtrl+S|文書を上書き保存します。", "SaveM"},
    {"PrintTB", "ToolButton5", "印刷", "印刷\rCtrl+P|文書をプリンタで印刷します。", "PrintM"},
    {"PrintPrevTB", "ToolButton6", "プレビュー",
     "印刷プレビュー|文書が印刷される様子を画面で確認します。", "PrintPrevM"},
    {"TextModeTB", "TextModeTB2", "縦横", "縦横書き|縦書きと横書きを切り替えます。", ""},
    {"S2UeShitaTB", "S2UeShitaTB2", "上下", "上下分割|画面を上下に分割します。", ""},
    {"S2SaYuuTB", "S2SaYuuTB2", "左右", "左右分割|画面を左右に分割します。", ""},
    {"UndoTB", "Undo2TB", "元に戻す", "元に戻す\rCtrl+Z|直前の操作を取り消します。", "UndoM"},
    {"RedoTB", "Redo2TB", "やり直し", "やり直し\rShift+Ctrl+Z|取り消した操作をやり直します。",
     "RedoM"},
    {"CutTB", "CutTB2", "切取", "切り取り\rCtrl+X|選択範囲を切り取ってクリップボードに移します。",
     "CutM"},
    {"CopyTB", "CopyTB2", "コピー", "コピー\rCtrl+C|選択範囲をクリップボードにコピーします。",
     "CopyM"},
    {"PasteTB", "PasteTB2", "貼付", "貼り付け\rCtrl+V|クリップボードの内容を貼り付けます。",
     "PasteM"},
    {"DeleteTB", "DeleteTB2", "削除", "削除|選択範囲を削除します。", "DeleteM"},
};

const ButtonRow kFindButtons[] = {
    {"FindTB", "FindTB2", "検索", "検索\rCtrl+F|文字列を検索します。", "FindM"},
    {"ReplaceTB", "ReplaceTB2", "置換", "置換\rCtrl+R|文字列を置換します。", "ReplaceM"},
    {"FindEXTB", "FindEXTB2", "なぞり", "なぞって検索\rCtrl+E|選択した文字列を検索します。",
     "FindEXM"},
    {"FindNextTB", "FindNextTB2", "次", "次を検索\rF3|次を検索します。", "FindNextM"},
    {"FindHeadTB", "FindHeadTB2", "先頭", "ファイル先頭から検索|文書の先頭から検索します。",
     "FindHeadM"},
    {"FindBackTB", "FindBackTB2", "前", "前を検索\rShift+F3|前を検索します。", "FindBackM"},
};

const ButtonRow kStyleButtons[] = {
    {"BoldTB", "", "B", "太字\rCtrl+B|太字にします。", "BoldM"},
    {"ItalicTB", "", "I", "斜体\rCtrl+N|斜体にします。", "ItalicM"},
    {"UnderLineTB", "", "U", "下線\rCtrl+K|下線を引きます。", "UnderLineM"},
    {"StrikeOutTB", "", "S", "取消し線\rCtrl+T|取消し線を引きます。", "StrikeOutM"},
    {"RowLeftTB", "", "左", "左寄せ|段落を左に寄せます。", "RowLeftM"},
    {"RowCenterTB", "", "中", "センタリング|段落を中央に揃えます。", "RowCenterM"},
    {"RowRightTB", "", "右", "右寄せ|段落を右に寄せます。", "RowRightM"},
    {"BulletTB", "", "・", "箇条書き\rCtrl+D|段落を箇条書きにします。", "BulletM"},
};

// Hints "short|long": the short part is the tool tip (a CR in it starts a new line), the long
// part the status text.
void SetWidgetHint(QWidget* w, const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    QString shortHint = bar < 0 ? hint : hint.left(bar);
    shortHint.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    w->setToolTip(shortHint);
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

bool IsCheckButton(const QString& name) {
    return name.startsWith(QLatin1String("S2")) || name.startsWith(QLatin1String("Find")) ||
           name.startsWith(QLatin1String("Replace")) || name.startsWith(QLatin1String("Row")) ||
           name == QLatin1String("BoldTB") || name == QLatin1String("ItalicTB") ||
           name == QLatin1String("UnderLineTB") || name == QLatin1String("StrikeOutTB") ||
           name == QLatin1String("BulletTB");
}
}  // namespace

QToolButton* TOMForm::AddButton(TBand* band, const QString& name, const QString& text,
                                const QString& hint, const QString& command) {
    const bool style = name == QLatin1String("BoldTB") || name == QLatin1String("ItalicTB") ||
                       name == QLatin1String("UnderLineTB") || name == QLatin1String("StrikeOutTB");
    QToolButton* b = style ? new TStyleButton(band) : new QToolButton(band);
    b->setObjectName(name);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    SetWidgetHint(b, hint);
    const bool check = IsCheckButton(name) && !name.startsWith(QLatin1String("FindNext")) &&
                       !name.startsWith(QLatin1String("FindHead")) &&
                       !name.startsWith(QLatin1String("FindBack"));
    b->setCheckable(check);
    band->addWidget(b);
    if (!command.isEmpty()) LinkButton(b, command);
    return b;
}

void TOMForm::BuildBars() {
    const QString captions[5] = {QStringLiteral("ツール"), QStringLiteral("検索"),
                                 QStringLiteral("フォント"), QStringLiteral("書式"),
                                 QStringLiteral("アドレス")};
    const char* bandNames[5] = {"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4", "ToolBar8"};
    for (int i = 0; i < 5; ++i) {
        bands_[size_t(i)] = new TBand(i, captions[i], this);
        bands_[size_t(i)]->setObjectName(QString::fromUtf8(bandNames[i]));
        bands_[size_t(i)]->setAllowedAreas(Qt::TopToolBarArea);
    }
    rightBands_[0] = new TBand(0, QStringLiteral("検"), this);
    rightBands_[0]->setObjectName(QStringLiteral("ToolBar5"));
    rightBands_[1] = new TBand(1, QStringLiteral("ツ"), this);
    rightBands_[1]->setObjectName(QStringLiteral("ToolBar6"));
    for (TBand* b : rightBands_) {
        b->setAllowedAreas(Qt::RightToolBarArea);
        b->setOrientation(Qt::Vertical);
    }

    // Tool bar and its right-hand copy.
    for (const ButtonRow& r : kToolButtons) {
        const QString cmd = QString::fromUtf8(r.command);
        const QString hint = QString::fromUtf8(r.hint);
        AddButton(bands_[0], QString::fromUtf8(r.name), QString::fromUtf8(r.caption), hint, cmd);
        AddButton(rightBands_[1], QString::fromUtf8(r.name2), QString::fromUtf8(r.caption), hint,
                  cmd);
    }
    // Find bar and its copy.
    for (const ButtonRow& r : kFindButtons) {
        const QString cmd = QString::fromUtf8(r.command);
        const QString hint = QString::fromUtf8(r.hint);
        AddButton(bands_[1], QString::fromUtf8(r.name), QString::fromUtf8(r.caption), hint, cmd);
        AddButton(rightBands_[0], QString::fromUtf8(r.name2), QString::fromUtf8(r.caption), hint,
                  cmd);
    }
    // Split and vertical buttons have handlers of their own.
    for (const char* n : {"S2UeShitaTB", "S2UeShitaTB2"}) {
        QToolButton* b = Button(n);
        connect(b, &QToolButton::clicked, this, [this](bool down) { S2UeShitaTBClick(down); });
    }
    for (const char* n : {"S2SaYuuTB", "S2SaYuuTB2"}) {
        QToolButton* b = Button(n);
        connect(b, &QToolButton::clicked, this, [this](bool down) { S2SaYuuTBClick(down); });
    }
    for (const char* n : {"TextModeTB", "TextModeTB2"}) {
        QToolButton* b = Button(n);
        b->setEnabled(false);
        linked_.insert(QStringLiteral("TextModeTB"), b);
        connect(b, &QToolButton::clicked, this, &TOMForm::TextModeTBClick);
    }

    // Font bar: name box, size box, colour box, colour button.
    TBand* font = bands_[2];
    fontNameCB_ = new QComboBox(font);
    fontNameCB_->setObjectName(QStringLiteral("FontNameCB"));
    fontNameCB_->setMaxVisibleItems(12);
    fontNameCB_->setMinimumContentsLength(14);
    SetWidgetHint(fontNameCB_,
                  QStringLiteral("フォント名\nCtrl+M|現在使用されているフォントを表示します。"));
    font->addWidget(fontNameCB_);
    auto* size = new QComboBox(font);
    size->setObjectName(QStringLiteral("FontSizeCB"));
    size->setEditable(true);
    size->setMaxVisibleItems(16);
    size->addItems({"4",  "6",  "8",  "9",  "10", "11", "12", "13", "14", "16",
                    "18", "20", "22", "24", "26", "28", "36", "48", "64", "72"});
    size->setMinimumContentsLength(3);
    SetWidgetHint(
        size,
        QStringLiteral("フォントサイズ\nCtrl+H|現在使用されているフォントのサイズを表示します。"));
    font->addWidget(size);
    auto* color = new TColorLookupComboBox(font);
    color->setObjectName(QStringLiteral("FontColorCLCB"));
    // The basic colours, the built-in list of traditional names and "その他..." for any other;
    // a colour list chosen in the options replaces the built-in list.
    color->setItemHeight(18);
    color->setExtendedColorLines(ColorListFile::BuiltInLines());
    color->setSelection(TColorLookupComboBox::csSystemJ | TColorLookupComboBox::csCustom |
                        TColorLookupComboBox::csExtended);
    color->setBoxWidth(ColorListFile::BoxWidthForType(0));
    color->setMaxVisibleItems(17);
    SetWidgetHint(
        color,
        QStringLiteral("フォントカラー\nCtrl+I|現在使用されているフォントの色を表示します。"));
    font->addWidget(color);
    auto* cute = new QToolButton(font);
    cute->setObjectName(QStringLiteral("FontColorCuteBtn"));
    cute->setFixedSize(22, 22);
    cute->setFocusPolicy(Qt::NoFocus);
    SetWidgetHint(cute,
                  QStringLiteral("カラーボタン\nCtrl+U|カラーボタンの色を選択範囲に付けます。"));
    font->addWidget(cute);
    for (QWidget* w : std::initializer_list<QWidget*>{fontNameCB_, size, color, cute}) {
        w->setEnabled(false);
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& p) { ShowCopyMenu(w, w->mapToGlobal(p)); });
    }

    // Style bar.
    for (const ButtonRow& r : kStyleButtons)
        AddButton(bands_[3], QString::fromUtf8(r.name), QString::fromUtf8(r.caption),
                  QString::fromUtf8(r.hint), QString::fromUtf8(r.command));
    auto* lock = new QCheckBox(bands_[3]);
    lock->setObjectName(QStringLiteral("BLineRockCheckB"));
    SetWidgetHint(lock, QStringLiteral("ベースライン固定|ベースラインの位置を固定します。"));
    auto* baseEdit = new QLineEdit(QStringLiteral("0"), bands_[3]);
    baseEdit->setObjectName(QStringLiteral("BaseLineEdit"));
    baseEdit->setReadOnly(true);
    baseEdit->setFixedWidth(32);
    SetWidgetHint(baseEdit, QStringLiteral("ベースライン|文字のベースラインの位置を表示します。"));
    auto* track = new QSlider(Qt::Horizontal, bands_[3]);
    track->setObjectName(QStringLiteral("BaseLineTBar"));
    track->setRange(-50, 50);
    track->setPageStep(5);
    track->setTickInterval(10);
    track->setTickPosition(QSlider::TicksAbove);
    track->setFixedWidth(100);
    SetWidgetHint(track, QStringLiteral("ベースライン|文字のベースラインを上下させます。"));
    for (QWidget* w : std::initializer_list<QWidget*>{lock, baseEdit, track}) {
        w->setEnabled(false);
        bands_[3]->addWidget(w);
    }

    // Address bar.
    TBand* addr = bands_[4];
    auto* addrTB = AddButton(addr, QStringLiteral("AddressTB"), QStringLiteral("フォルダ"),
                             QStringLiteral("フォルダ変更|編集中の文書のアドレスを変更します。"));
    auto* deskTB =
        AddButton(addr, QStringLiteral("ADeskTopTB"), QStringLiteral("デスク"),
                  QStringLiteral("デスクトップ|フォルダ変更をデスクトップ基準に行います。"));
    addressEdit_ = new QLineEdit(addr);
    addressEdit_->setObjectName(QStringLiteral("AddressEdit"));
    addressEdit_->setReadOnly(true);  // editing the address arrives with the address commands
    addressEdit_->setMinimumWidth(300);
    QFont af(QStringLiteral("ＭＳ Ｐゴシック"));
    af.setPixelSize(13);
    addressEdit_->setFont(af);
    SetWidgetHint(addressEdit_, QStringLiteral("アドレス|編集中の文書のアドレスを表示します。"));
    addressEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(addressEdit_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ShowCopyMenu(addressEdit_, addressEdit_->mapToGlobal(p)); });
    addr->addWidget(addressEdit_);
    auto* ext = AddButton(addr, QStringLiteral("ExtCuBtn"), QStringLiteral(".html"),
                          QStringLiteral("拡張子変更|ファイル名の拡張子を変更します。"));
    ext->setFixedWidth(40);
    for (QWidget* w : std::initializer_list<QWidget*>{addrTB, deskTB, ext}) w->setEnabled(false);

    // Bar areas: the popup menu of the bars; the menu font of the system.
    const QFont menuFont = QApplication::font("QMenu");
    for (TBand* b : bands_) {
        b->setFont(menuFont);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint& p) { popups_[0]->exec(b->mapToGlobal(p)); });
    }
    for (TBand* b : rightBands_) {
        b->setFont(menuFont);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint& p) { popups_[0]->exec(b->mapToGlobal(p)); });
    }

    // Initial order: each band on its own row.
    topSlots_.clear();
    for (int i = 0; i < 5; ++i) topSlots_.push_back({i, true, 200});
    rightSlots_ = {{0, true, 200}, {1, true, 200}};
    ApplyBandOrder(Qt::TopToolBarArea, topSlots_);
    ApplyBandOrder(Qt::RightToolBarArea, rightSlots_);
}

void TOMForm::BuildStatusBar() {
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[4] = {115, 80, 70, 200};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(sb);
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(2, 0, 2, 0);
        if (i < 3)
            l->setFixedWidth(widths[i]);
        else
            l->setMinimumWidth(widths[i]);
        sb->addWidget(l, i == 3 ? 1 : 0);
        panels_[size_t(i)] = l;
    }
}

QLabel* TOMForm::StatusPanel(int n) const {
    return (n >= 0 && n < 4) ? panels_[size_t(n)] : nullptr;
}

TBand* TOMForm::Band(int id) const {
    return (id >= 0 && id < 5) ? bands_[size_t(id)] : nullptr;
}
TBand* TOMForm::RightBand(int id) const {
    return (id >= 0 && id < 2) ? rightBands_[size_t(id)] : nullptr;
}

// ----- band order -------------------------------------------------------------------------------

void TOMForm::ApplyBandOrder(Qt::ToolBarArea area, const std::vector<BandSlot>& order) {
    const bool top = area == Qt::TopToolBarArea;
    for (const BandSlot& s : order) {
        TBand* b = top ? Band(s.id) : RightBand(s.id);
        if (!b) continue;
        if (toolBarBreak(b)) removeToolBarBreak(b);
        removeToolBar(b);
    }
    bool first = true;
    for (const BandSlot& s : order) {
        TBand* b = top ? Band(s.id) : RightBand(s.id);
        if (!b) continue;
        if (!first && s.brk) addToolBarBreak(area);
        addToolBar(area, b);
        b->SetPreferredLength(s.length);
        first = false;
    }
    ShowBands();
}

std::vector<TOMForm::BandSlot> TOMForm::ReadBandOrder(Qt::ToolBarArea area) const {
    // The model keeps every band; the bands the user can see may have been dragged to other
    // places, so their order, breaks and lengths are read from the window. Hidden bands keep
    // their places in the model.
    const bool top = area == Qt::TopToolBarArea;
    std::vector<BandSlot> model = top ? topSlots_ : rightSlots_;
    if (!isVisible()) return model;  // no geometry to read yet
    std::vector<size_t> visibleSlots;
    std::vector<TBand*> visible;
    for (size_t i = 0; i < model.size(); ++i) {
        TBand* b = top ? Band(model[i].id) : RightBand(model[i].id);
        if (b && b->isVisibleTo(this) && toolBarArea(b) == area) {
            visibleSlots.push_back(i);
            visible.push_back(b);
        }
    }
    std::stable_sort(visible.begin(), visible.end(), [top](TBand* a, TBand* b) {
        const QRect ra = a->geometry(), rb = b->geometry();
        if (top) return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
        // The right-hand area fills its columns from the window's edge inwards.
        return ra.left() != rb.left() ? ra.left() > rb.left() : ra.top() < rb.top();
    });
    for (size_t k = 0; k < visible.size(); ++k) {
        BandSlot& s = model[visibleSlots[k]];
        s.id = visible[k]->Id();
        if (k > 0) {
            // A band on the same line as the one before does not start a row.
            const QRect ra = visible[k - 1]->geometry(), rb = visible[k]->geometry();
            const bool newRow = top ? rb.top() >= ra.bottom() : rb.right() <= ra.left();
            const size_t from = visibleSlots[k - 1] + 1, to = visibleSlots[k];
            bool hiddenBreak = false;
            for (size_t j = from; j < to; ++j) hiddenBreak = hiddenBreak || model[j].brk;
            if (!newRow) {
                // The hidden bands between them stand in that row too.
                for (size_t j = from; j < to; ++j) model[j].brk = false;
                s.brk = false;
            } else if (!hiddenBreak) {
                s.brk = true;
            }
            // Otherwise a hidden band in between starts the row the band stands in: the band
            // keeps its own break, so that it shares the row with that band again once the
            // band is shown.
        }
        s.length = visible[k]->Length();
    }
    return model;
}

std::vector<TOMForm::BandSlot> TOMForm::TopBandOrder() const {
    return ReadBandOrder(Qt::TopToolBarArea);
}
std::vector<TOMForm::BandSlot> TOMForm::RightBandOrder() const {
    return ReadBandOrder(Qt::RightToolBarArea);
}

void TOMForm::SetTopBandOrder(const std::vector<BandSlot>& order) {
    topSlots_ = order;
    ApplyBandOrder(Qt::TopToolBarArea, topSlots_);
}

void TOMForm::SetRightBandOrder(const std::vector<BandSlot>& order) {
    rightSlots_ = order;
    ApplyBandOrder(Qt::RightToolBarArea, rightSlots_);
}

// ----- arranging --------------------------------------------------------------------------------

void TOMForm::ShowBands() {
    // Top area: the tool and find bands stand here unless the bars are partly vertical.
    bands_[0]->setVisible(!barsVertical && barFlags[0]);
    bands_[1]->setVisible(!barsVertical && barFlags[1]);
    for (int i = 2; i < 5; ++i) bands_[size_t(i)]->setVisible(barFlags[size_t(i)]);
    rightBands_[1]->setVisible(barsVertical && barFlags[0]);
    rightBands_[0]->setVisible(barsVertical && barFlags[1]);
}

void TOMForm::ArrangeBars() {
    ShowBands();
    Command("BarTateM")->setChecked(barsVertical);
    Command("BarTatePop")->setChecked(barsVertical);
    Command("BarNormalM")->setChecked(!barsVertical);
    Command("BarNormalPop")->setChecked(!barsVertical);
    const char* items[5][2] = {{"ToolBarM", "ToolBarPop"},
                               {"FindBarM", "FindBarPop"},
                               {"FontBarM", "FontBarPop"},
                               {"StyleBarM", "StyleBarPop"},
                               {"AddressBarM", "AddressBarPop"}};
    for (int i = 0; i < 5; ++i) {
        Command(items[i][0])->setChecked(barFlags[size_t(i)]);
        Command(items[i][1])->setChecked(barFlags[size_t(i)]);
    }
}

void TOMForm::ApplyCaptions() {
    for (TBand* b : bands_) b->SetCaptionShown(barCaptions);
    for (TBand* b : rightBands_) b->SetCaptionShown(barCaptions);
    Command("BarStringsM")->setChecked(barCaptions);
    Command("BarStringsPop")->setChecked(barCaptions);
}

void TOMForm::KeepBandPlaces() {
    // The model learns where the user has dragged the bands before some of them are hidden:
    // hidden bands cannot be read from the window.
    topSlots_ = TopBandOrder();
    rightSlots_ = RightBandOrder();
}

void TOMForm::BarToggle(int bar) {
    KeepBandPlaces();
    barFlags[size_t(bar)] = !barFlags[size_t(bar)];
    ArrangeBars();
}

void TOMForm::BarALLMClick() {
    KeepBandPlaces();
    barFlags.fill(true);
    ArrangeBars();
    for (BandSlot& s : topSlots_) s.brk = true;
    for (BandSlot& s : rightSlots_) s.brk = true;
    ApplyBandOrder(Qt::TopToolBarArea, topSlots_);
    ApplyBandOrder(Qt::RightToolBarArea, rightSlots_);
}

void TOMForm::BarNoneMClick() {
    KeepBandPlaces();
    barFlags.fill(false);
    ArrangeBars();
}

void TOMForm::BarNormalMClick() {
    KeepBandPlaces();
    barsVertical = false;
    ArrangeBars();
}

void TOMForm::BarTateMClick() {
    KeepBandPlaces();
    barsVertical = true;
    ArrangeBars();
}

void TOMForm::BarStringsMClick() {
    barCaptions = !barCaptions;
    ApplyCaptions();
}

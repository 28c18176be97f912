// Character and paragraph formatting of the main window: the font bar (name, size and colour
// boxes, colour button), the format bar (style, alignment and bullet buttons), the format menu,
// and following the selection with all of them. The boxes' keys and focus and the baseline
// controls are in TOMFormFormatBoxes.cpp.
//
// Both views show one document: a change is applied once, to the active view's selection, and
// the other view shows it at once. Every change notes edit kind 6 before it is made.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextDocument>
#include <QToolButton>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TFontNameDelegate.h"
#include "controls/TRichEditEx.h"
#include "controls/TStyleButton.h"
#include "editing/TFormatRules.h"

namespace {
const char* const kStyleButtons[4] = {"BoldTB", "ItalicTB", "UnderLineTB", "StrikeOutTB"};
const char* const kStyleItems[4] = {"BoldM", "ItalicM", "UnderLineM", "StrikeOutM"};
const char* const kFormatCommands[] = {
    "FontNameM",  "FontSizeM",  "FontColorM", "ColorBtnM",  "BoldM",     "ItalicM",
    "UnderLineM", "StrikeOutM", "RowLeftM",   "RowCenterM", "RowRightM", "BulletM",
};

template <typename W>
W* Widget(QObject* owner, const char* name) {
    auto* w = owner->findChild<W*>(QString::fromUtf8(name));
    if (!w) qFatal("The main window has no control named %s", name);
    return w;
}

QString FirstFamily(const QTextCharFormat& f) {
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}
}  // namespace

void TOMForm::InstallFormattingCommands() {
    fontSizeCB_ = Widget<QComboBox>(this, "FontSizeCB");
    fontColorCLCB_ = Widget<TColorLookupComboBox>(this, "FontColorCLCB");
    lockCheckB_ = Widget<QCheckBox>(this, "BLineRockCheckB");
    baseLineEdit_ = Widget<QLineEdit>(this, "BaseLineEdit");
    baseLineTBar_ = Widget<QSlider>(this, "BaseLineTBar");
    cuteBtn_ = Button("FontColorCuteBtn");

    // The name box: installed fonts and the names the document uses, drawn with their marks.
    // The Japanese names documents carry draw with installed fonts; where that font is an
    // outline font, the name counts as one too.
    for (const QString& ms : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック"),
                              QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝")}) {
        if (trueTypeFonts.contains(ms)) continue;
        for (const QString& sub : QFont::substitutes(ms))
            if (QFontDatabase::hasFamily(sub) && QFontDatabase::isScalable(sub)) {
                trueTypeFonts << ms;
                break;
            }
    }
    auto* delegate = new TFontNameDelegate(fontNameCB_);
    delegate->SetLookOf([this](const QString& name) {
        return TFontNameDelegate::LookOf(name, japaneseFonts, trueTypeFonts, shiftJisMode);
    });
    fontNameCB_->setItemDelegate(delegate);
    for (int i = 0; i < fontNameCB_->count(); ++i) installedFontNames_ << fontNameCB_->itemText(i);
    fontSizeCB_->setInsertPolicy(QComboBox::NoInsert);
    SetCuteColor(clBlack);

    for (QWidget* w : std::initializer_list<QWidget*>{fontNameCB_, fontSizeCB_, fontColorCLCB_,
                                                      cuteBtn_, lockCheckB_, baseLineEdit_})
        w->setEnabled(true);
    baseLineTBar_->setEnabled(false);
    baseLineEdit_->setFocusPolicy(Qt::ClickFocus);
    QPalette grey = baseLineEdit_->palette();
    grey.setColor(QPalette::Text, grey.color(QPalette::Disabled, QPalette::WindowText));
    baseLineEdit_->setPalette(grey);

    // A choice made in a box's list arrives after the list has closed; while the list is
    // still open nothing is applied.
    connect(fontNameCB_, &QComboBox::activated, this, [this] {
        if (fontNameCB_->view()->isVisible()) return;
        ApplyFontName();
        active_->setFocus();
    });
    connect(fontSizeCB_, &QComboBox::activated, this, [this] {
        if (!sizeListFlag_ || fontSizeCB_->view()->isVisible()) return;
        ApplyFontSize();
        active_->setFocus();
    });
    connect(fontColorCLCB_, &TColorLookupComboBox::changed, this, [this] {
        if (fontColorCLCB_->view()->isVisible()) return;
        ApplyFontColor();
        active_->setFocus();
    });
    connect(cuteBtn_, &QToolButton::clicked, this, &TOMForm::FontColorCuteBtnClick);

    // Style and bullet buttons carry out their own state: the menu items press them, not the
    // other way round.
    for (int s = 0; s < 4; ++s) {
        QToolButton* b = Button(kStyleButtons[s]);
        disconnect(b, &QToolButton::clicked, Command(kStyleItems[s]), nullptr);
        connect(b, &QToolButton::clicked, this, [this, b] { BoldTBClick(b); });
        connect(Command(kStyleItems[s]), &QAction::triggered, this, [this, s] { StyleMClick(s); });
    }
    QToolButton* bullet = Button("BulletTB");
    disconnect(bullet, &QToolButton::clicked, Command("BulletM"), nullptr);
    connect(bullet, &QToolButton::clicked, this, &TOMForm::BulletTBClick);
    connect(Command("BulletM"), &QAction::triggered, this, &TOMForm::BulletMClick);
    connect(Command("RowLeftM"), &QAction::triggered, this, &TOMForm::RowLeftMClick);
    connect(Command("RowCenterM"), &QAction::triggered, this, &TOMForm::RowCenterMClick);
    connect(Command("RowRightM"), &QAction::triggered, this, &TOMForm::RowRightMClick);
    connect(Command("FontNameM"), &QAction::triggered, this, &TOMForm::FontNameMClick);
    connect(Command("FontSizeM"), &QAction::triggered, this, &TOMForm::FontSizeMClick);
    connect(Command("FontColorM"), &QAction::triggered, this, &TOMForm::FontColorMClick);
    connect(Command("ColorBtnM"), &QAction::triggered, this, &TOMForm::ColorBtnMClick);

    connect(lockCheckB_, &QCheckBox::clicked, this, &TOMForm::BLineRockCheckBClick);
    connect(baseLineTBar_, &QSlider::valueChanged, this, [this] {
        if (!following_) BaseLineTBarChange();
    });

    InstallFormatBoxFilters();
    for (const char* n : kFormatCommands) EnableCommand(QString::fromUtf8(n), true);
}

// ----- common steps -----------------------------------------------------------------------------

void TOMForm::LeaveBoxToView() {
    // The caret goes after the text that was selected, in both views.
    active_->setFocus();
    active_->SetSelStart(active_->SelStart() + active_->SelLength());
    SelectionSync();
}

void TOMForm::SetCuteColor(TColor c) {
    cuteColor_ = c;
    QPixmap face(14, 14);
    face.fill(TRichEditEx::ToQColor(c));
    cuteBtn_->setIcon(QIcon(face));
}

// ----- font name --------------------------------------------------------------------------------

void TOMForm::ApplyFontName() {
    const QString name = fontNameCB_->currentText();
    if (name.isEmpty()) return;
    SelectionSync();
    mirroring = false;
    active_->BeginUpdate();
    mirror_->BeginUpdate();
    if (!shiftJisMode && !japaneseFonts.contains(name)) {
        ApplyRunWise(name);
    } else {
        NoteEditKind(6);
        TCharAttributes a;
        a.name = name;
        a.charset = kShiftJisCharset;
        active_->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset);
    }
    mirror_->EndUpdate();
    active_->EndUpdate();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::ApplyRunWise(const QString& name) {
    // Latin text takes the Western font with the default character set; Japanese text keeps
    // its font and gets the Shift-JIS character set.
    NoteEditKind(6);
    const int start = active_->SelStart();
    const QString text = active_->SelText();
    active_->SetSelStart(start);
    for (const TFormatRules::SjisRun& run : TFormatRules::SjisRuns(text)) {
        active_->SetSelection(start + run.start, run.length);
        SelectionSync();
        TCharAttributes a;
        a.name = name;
        if (run.doubleByte) {
            a.charset = kShiftJisCharset;
            active_->SetSelAttributes(a, TCharAttributes::Charset);
        } else {
            a.charset = kDefaultCharset;
            active_->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset);
        }
    }
    active_->SetSelStart(start);
    SelectionSync();
}

void TOMForm::FontNameMClick() {
    if (!barFlags[2]) {
        barFlags[2] = true;
        ArrangeBars();
    }
    AddDocumentFontNames();
    fontNameCB_->setFocus();
    fontNameCB_->showPopup();
}

void TOMForm::AddFontName(const QString& name) {
    if (name.isEmpty() || fontNameCB_->findText(name, Qt::MatchExactly) >= 0) return;
    // Sorted, as the rest of the list.
    int at = 0;
    while (at < fontNameCB_->count() && QString::compare(fontNameCB_->itemText(at), name) < 0) ++at;
    const QSignalBlocker block(fontNameCB_);
    fontNameCB_->insertItem(at, name);
}

void TOMForm::AddDocumentFontNames() {
    // The list holds the installed fonts and the names the document uses. It is made anew when
    // the document has other formats than the last time (another document, new formats).
    const QVector<QTextFormat> formats = doc_->allFormats();
    if (formats.size() == knownFormatCount_) return;
    knownFormatCount_ = int(formats.size());
    QSet<QString> names(installedFontNames_.begin(), installedFontNames_.end());
    for (const QTextFormat& f : formats)
        if (f.isCharFormat()) {
            const QString name = FirstFamily(f.toCharFormat());
            if (!name.isEmpty() && !name.contains(QLatin1Char('@'))) names.insert(name);
        }
    QStringList items = names.values();
    items.sort();
    QStringList current;
    for (int i = 0; i < fontNameCB_->count(); ++i) current << fontNameCB_->itemText(i);
    if (items == current) return;
    const QString text = fontNameCB_->currentText();
    const QSignalBlocker block(fontNameCB_);
    fontNameCB_->clear();
    fontNameCB_->addItems(items);
    fontNameCB_->setCurrentIndex(fontNameCB_->findText(text, Qt::MatchExactly));
}

// ----- size -------------------------------------------------------------------------------------

void TOMForm::ApplyFontSize() {
    const std::optional<int> size = TFormatRules::ParseSize(fontSizeCB_->currentText());
    if (!size) {
        MessageService::Show(this, QMessageBox::Critical, QStringLiteral("エラー表示"),
                             QStringLiteral("整数ではありません"), QMessageBox::Ok);
        fontSizeCB_->setEditText(TFormatRules::SizeText(active_->SelAttributes().size));
        return;
    }
    SelectionSync();
    mirroring = false;
    NoteEditKind(6);
    TCharAttributes a;
    a.size = *size;
    active_->SetSelAttributes(a, TCharAttributes::Size);
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::FontSizeMClick() {
    if (!barFlags[2]) {
        barFlags[2] = true;
        ArrangeBars();
    }
    fontSizeCB_->setFocus();
    fontSizeCB_->showPopup();
}

// ----- colour -----------------------------------------------------------------------------------

void TOMForm::ApplyFontColor() {
    const TColor color = fontColorCLCB_->color();
    if (color == clNone) return;
    SelectionSync();
    mirroring = false;
    NoteEditKind(6);
    TCharAttributes a;
    a.color = color;
    active_->SetSelAttributes(a, TCharAttributes::Color);
    mirroring = true;
    StateRefresh();
    SetCuteColor(color);
    SelectionRefresh();
}

void TOMForm::FontColorMClick() {
    if (!barFlags[2]) {
        barFlags[2] = true;
        ArrangeBars();
    }
    fontColorCLCB_->setFocus();
    fontColorCLCB_->showPopup();
}

void TOMForm::FontColorCuteBtnClick() {
    // The button repeats the colour last applied from the colour box.
    fontColorCLCB_->setColor(cuteColor_);
    if (fontColorCLCB_->color() != cuteColor_) fontColorCLCB_->setColor(cuteColor_);
    ApplyFontColor();
    active_->setFocus();
}

void TOMForm::ColorBtnMClick() {
    cuteBtn_->click();
    LeaveBoxToView();
}

// ----- styles -----------------------------------------------------------------------------------

void TOMForm::StyleMClick(int style) {
    QToolButton* b = Button(kStyleButtons[style]);
    if (auto* sb = qobject_cast<TStyleButton*>(b)) sb->SetIndeterminate(false);
    b->setChecked(!b->isChecked());
    BoldTBClick(b);
}

void TOMForm::BoldTBClick(QToolButton* sender) {
    int style = 0;
    while (style < 4 && Button(kStyleButtons[style]) != sender) ++style;
    if (style == 4) return;
    SelectionSync();
    const TCharAttributes selection = active_->SelAttributes();
    const TCharAttributes styles =
        TFormatRules::ToggledStyles(selection, style, sender->isChecked());
    mirroring = false;
    NoteEditKind(6);
    active_->SetSelAttributes(styles, TFormatRules::kStyleMask);
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

// ----- paragraphs -------------------------------------------------------------------------------

void TOMForm::ApplyParagraph(int alignment, bool bulletOnly, bool bullet) {
    SelectionSync();
    mirroring = false;
    NoteEditKind(6);
    TParaAttributes p;
    p.alignment = TParaAttributes::Align(alignment);
    p.bullet = bullet;
    active_->SetParagraph(p, bulletOnly ? TParaAttributes::Bullet : TParaAttributes::Alignment);
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::RowLeftMClick() {
    ApplyParagraph(TParaAttributes::Left, false, false);
}
void TOMForm::RowCenterMClick() {
    ApplyParagraph(TParaAttributes::Center, false, false);
}
void TOMForm::RowRightMClick() {
    ApplyParagraph(TParaAttributes::Right, false, false);
}

void TOMForm::BulletMClick() {
    QToolButton* b = Button("BulletTB");
    b->setChecked(!b->isChecked());
    BulletTBClick();
}

void TOMForm::BulletTBClick() {
    ApplyParagraph(0, true, Button("BulletTB")->isChecked());
}

// ----- following the selection ------------------------------------------------------------------

void TOMForm::FollowSelection() {
    if (!fontSizeCB_) return;  // before the formatting commands are installed
    following_ = true;
    const TCharAttributes a = active_->SelAttributes();
    AddDocumentFontNames();
    {
        const QSignalBlocker block(fontNameCB_);
        if (a.uniform & TCharAttributes::Name) {
            AddFontName(a.name);
            fontNameCB_->setCurrentIndex(fontNameCB_->findText(a.name, Qt::MatchExactly));
        } else {
            fontNameCB_->setCurrentIndex(-1);
        }
    }
    {
        const QSignalBlocker block(fontSizeCB_);
        fontSizeCB_->setEditText(
            (a.uniform & TCharAttributes::Size) ? TFormatRules::SizeText(a.size) : QString());
    }
    {
        const QSignalBlocker block(fontColorCLCB_);
        if (a.uniform & TCharAttributes::Color) {
            // A system colour the box does not list shows as the colour it stands for; any
            // other colour the box does not list is added first and chosen by the second call.
            fontColorCLCB_->setColor(a.color);
            if (fontColorCLCB_->color() != a.color && IsSystemColor(a.color))
                fontColorCLCB_->setColor(ColorToRGB(a.color));
            else if (fontColorCLCB_->color() != a.color)
                fontColorCLCB_->setColor(a.color);
        } else {
            fontColorCLCB_->setColor(clNone);
        }
    }
    for (int s = 0; s < 4; ++s) {
        QToolButton* b = Button(kStyleButtons[s]);
        const TFormatRules::ButtonState st = TFormatRules::StyleState(a, s);
        if (auto* sb = qobject_cast<TStyleButton*>(b))
            sb->SetIndeterminate(st == TFormatRules::ButtonState::Indeterminate);
        b->setChecked(st == TFormatRules::ButtonState::Down);
    }
    const TParaAttributes p = active_->Paragraph();
    Button("RowLeftTB")->setChecked(p.alignment == TParaAttributes::Left);
    Button("RowCenterTB")->setChecked(p.alignment == TParaAttributes::Center);
    Button("RowRightTB")->setChecked(p.alignment == TParaAttributes::Right);
    Button("BulletTB")->setChecked(p.bullet);
    SetBaseLinePosition(TFormatRules::PointsFromTwips(a.offsetTwips));
    following_ = false;

    // A Western font chosen with Shift-JIS mode off types with the default character set.
    if (!shiftJisMode && !japaneseFonts.contains(fontNameCB_->currentText()) &&
        active_->SelLength() == 0 && a.charset != kDefaultCharset) {
        TCharAttributes d;
        d.charset = kDefaultCharset;
        active_->SetSelAttributes(d, TCharAttributes::Charset);
    }
}

void TOMForm::SetBaseLinePosition(int points) {
    const bool was = following_;
    following_ = true;
    baseLineTBar_->setValue(points);
    baseLineEdit_->setText(QString::number(baseLineTBar_->value()));
    following_ = was;
}

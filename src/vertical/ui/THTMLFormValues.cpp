// THTMLForm: set-up per method, the stored values, the control reactions, OK and apply.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/SettingsStore.h"
#include "core/DocumentPath.h"
#include "vertical/SjisText.h"
#include "vertical/ui/THTMLForm.h"
#include "vertical/ui/TPreImagePanel.h"
#include "vertical/ui/TRadioGroup.h"
#include "vertical/ui/TScrollingLabel.h"

namespace {
struct MethodRow {
    const char* caption;
    const char* description;
    bool punctuation, closingQuote, alignment;
    int fontGroup;  // 0: both groups disabled (DFont1 shown), 1: DFont1, 2: DFont2
    bool hyperlinks;
};

const MethodRow kMethods[5] = {
    {"縦書きHTML生成 - 方式その零",
     "方式その零では<PRE>タグを用いた環境依存しない縦書きHTMLを生成します。"
     "HTML内から半角スペースを排除しています。",
     false, true, true, 0, true},
    {"縦書きHTML生成 - 方式その壱",
     "方式その壱では<PRE>タグを用いた縦書きHTMLを生成します。"
     "見る人の環境が等幅フォントである事が必要です。",
     false, true, true, 0, true},
    {"縦書きHTML生成 - 方式その弐",
     "方式その弐ではテーブルタグを用いた縦書きHTMLを生成します。右寄せの文章しか作れません。", true,
     true, false, 1, false},
    {"縦書きHTML生成 - 方式その参",
     "方式その参では無駄の無いテーブルタグを用いた縦書きHTMLを生成します。"
     "綺麗な縦書きHTMLが生成できます。",
     true, true, true, 1, true},
    {"縦書きHTML生成 - 方式その四",
     "方式その四では最新のこだわりの縦書きHTMLを生成します。"
     "方式その参から句読点、括弧、ぁぃぅぇぉ等の小文字に関してタグに工夫しています。",
     false, false, true, 2, true},
};

void FillHistory(QComboBox* box, const QStringList& items) {
    box->clear();
    box->addItems(items);
}

QStringList HistoryOf(const QComboBox* box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i) l << box->itemText(i);
    return l;
}
}  // namespace

void THTMLForm::SetUpForMethod(int method, TColor viewColor) {
    method_ = std::clamp(method, 0, 4);
    preImage_->SetBackground(viewColor);
    const MethodRow& m = kMethods[method_];
    setWindowTitle(QString::fromUtf8(m.caption));
    description_->SetText(QString::fromUtf8(m.description));
    tenSelectRGroup_->setEnabled(m.punctuation);
    lSelectRGroupe_->setEnabled(m.closingQuote);
    alignRGroup_->setEnabled(m.alignment);
    linkChk_->setEnabled(m.hyperlinks);
    switch (m.fontGroup) {
        case 0:
            // Both groups chosen while still enabled (so the font controls end up enabled),
            // then both disabled; the first one stays in view.
            dFont1RGroup_->setEnabled(true);
            dFont2RGroup_->setEnabled(true);
            dFont1RGroup_->SetItemIndex(0);
            dFont2RGroup_->SetItemIndex(1);
            dFont1RGroup_->setEnabled(false);
            dFont2RGroup_->setEnabled(false);
            dFont1RGroup_->show();
            dFont2RGroup_->hide();
            break;
        case 1:
            dFont1RGroup_->setEnabled(true);
            dFont1RGroup_->show();
            dFont2RGroup_->setEnabled(false);
            dFont2RGroup_->hide();
            break;
        default:
            dFont2RGroup_->setEnabled(true);
            dFont2RGroup_->show();
            dFont1RGroup_->setEnabled(false);
            dFont1RGroup_->hide();
            break;
    }
    dFont2Note_->setVisible(!dFont2RGroup_->isHidden());
}

void THTMLForm::LoadValues(const SettingsStore& store, const QString& addressText) {
    const TateDialogStore::Html h = TateDialogStore::ReadHtml(store);
    const TateHtmlDialogValues& v = h.values;
    lineCountUD_->setValue(v.lineCount);
    lineHeightChk_->setChecked(v.lineHeightOn);
    lineHeightUD_->setValue(v.lineHeight);
    spaceUD_->setValue(v.space);
    gosicRadio_->setChecked(v.gosic);
    minchoRadio_->setChecked(!v.gosic);
    fontSizeCBox_->setCurrentIndex(v.fsCombo);
    textInChkBox_->setChecked(v.textIn);
    clipChk_->setChecked(v.clip);
    macFontChk_->setChecked(v.macFont);
    openHtmlChk_->setChecked(v.openHtml);
    linkChk_->setChecked(v.link);
    nameChk_->setChecked(v.name);
    sizeChk_->setChecked(v.size);
    styleChk_->setChecked(v.style);
    colorChk_->setChecked(v.color);
    lSelectRGroupe_->SetItemIndex(v.lSelect);
    tenSelectRGroup_->SetItemIndex(v.tenSelect);
    alignRGroup_->SetItemIndex(v.align);
    dFont1RGroup_->SetItemIndex(v.dFont1);
    dFont2RGroup_->SetItemIndex(v.dFont2);
    htmlLineRGroup_->SetItemIndex(v.htmlLine);
    FillHistory(titleCBox_, h.titles);
    FillHistory(bgCBox_, h.backgrounds);
    // The reactions of the check boxes whose state may not have changed.
    ClipReaction();
    LineHeightReaction();
    NameReaction();
    preImage_->SetSizes(v.size);
    preImage_->SetStyles(v.style);
    preImage_->SetColors(v.color);

    const std::string name = DocumentPath::FileName(addressText.toStdString());
    titleCBox_->setEditText(QString::fromStdString(name));
    nameEdit_->setText(QString::fromStdString(DocumentPath::ChangeExtension(name, ".html")));
    bgCBox_->setEditText(QString());
    description_->Start();
}

TateHtmlDialogValues THTMLForm::Values() const {
    TateHtmlDialogValues v;
    v.lineCount = lineCountUD_->value();
    v.lineHeightOn = lineHeightChk_->isChecked();
    v.lineHeight = lineHeightUD_->value();
    v.space = spaceUD_->value();
    v.gosic = gosicRadio_->isChecked();
    v.fsCombo = fontSizeCBox_->currentIndex();
    v.textIn = textInChkBox_->isChecked();
    v.clip = clipChk_->isChecked();
    v.macFont = macFontChk_->isChecked();
    v.openHtml = openHtmlChk_->isChecked();
    v.link = linkChk_->isChecked();
    v.name = nameChk_->isChecked();
    v.size = sizeChk_->isChecked();
    v.style = styleChk_->isChecked();
    v.color = colorChk_->isChecked();
    v.lSelect = lSelectRGroupe_->ItemIndex();
    v.tenSelect = tenSelectRGroup_->ItemIndex();
    v.align = alignRGroup_->ItemIndex();
    v.dFont1 = dFont1RGroup_->ItemIndex();
    v.dFont2 = dFont2RGroup_->ItemIndex();
    v.htmlLine = htmlLineRGroup_->ItemIndex();
    v.fileName = SjisText::ForHtml(nameEdit_->text().toStdString());
    v.title = SjisText::ForHtml(titleCBox_->currentText().toStdString());
    v.background = SjisText::ForHtml(bgCBox_->currentText().toStdString());
    return v;
}

QString THTMLForm::FileName() const {
    return nameEdit_->text();
}

QStringList THTMLForm::Titles() const {
    return HistoryOf(titleCBox_);
}

QStringList THTMLForm::Backgrounds() const {
    return HistoryOf(bgCBox_);
}

void THTMLForm::StoreValues() {
    // Putting an item at the top of a list must not change the text being edited.
    const QString title = titleCBox_->currentText();
    const QString background = bgCBox_->currentText();
    if (titleCBox_->findText(title, Qt::MatchExactly) < 0) titleCBox_->insertItem(0, title);
    if (!background.isEmpty() && bgCBox_->findText(background, Qt::MatchExactly) < 0)
        bgCBox_->insertItem(0, background);
    titleCBox_->setEditText(title);
    bgCBox_->setEditText(background);

    SettingsStore store;
    TateDialogStore::Html h;
    h.values = Values();
    h.titles = Titles();
    h.backgrounds = Backgrounds();
    TateDialogStore::WriteHtml(store, h);
    store.Sync();
}

void THTMLForm::OkClick() {
    StoreValues();
    description_->Stop();
    accept();
}

void THTMLForm::ApplyClick() {
    StoreValues();
}

// ----- reactions ---------------------------------------------------------------------------------

void THTMLForm::EnableStandardFont(bool on) {
    gosicRadio_->setEnabled(on);
    minchoRadio_->setEnabled(on);
    fontSizeLabel_->setEnabled(on);
    fontSizeCBox_->setEnabled(on);
}

void THTMLForm::DFont1Reaction() {
    if (!dFont1RGroup_->isEnabled()) return;
    EnableStandardFont(dFont1RGroup_->ItemIndex() == 0);
}

void THTMLForm::DFont2Reaction() {
    if (!dFont2RGroup_->isEnabled()) return;
    const int i = dFont2RGroup_->ItemIndex();
    EnableStandardFont(i == 0 || i == 1);
}

void THTMLForm::ClipReaction() {
    const bool on = !clipChk_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(nameLabel_), static_cast<QWidget*>(nameEdit_),
                       static_cast<QWidget*>(titleLabel_), static_cast<QWidget*>(titleCBox_),
                       static_cast<QWidget*>(bgLabel_), static_cast<QWidget*>(bgCBox_),
                       static_cast<QWidget*>(openHtmlChk_)})
        w->setEnabled(on);
}

void THTMLForm::LineHeightReaction() {
    lineHeightUD_->setEnabled(lineHeightChk_->isChecked());
}

void THTMLForm::NameReaction() {
    preImage_->SetFontNames(nameChk_->isChecked(), gosicRadio_->isChecked()
                                                       ? QString::fromUtf8("ＭＳ ゴシック")
                                                       : QString::fromUtf8("ＭＳ 明朝"));
}

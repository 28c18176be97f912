#include "vertical/ui/THTMLForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "vertical/ui/TPreImagePanel.h"
#include "vertical/ui/TRadioGroup.h"
#include "vertical/ui/TScrollingLabel.h"
#include "vertical/ui/TateDialogParts.h"

namespace {
QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Hints are written with CR where the tip starts a new line.
QString Hint(const char* utf8) {
    return U(utf8).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel* Label(const char* name, const char* text, QWidget* parent) {
    auto* l = new QLabel(U(text), parent);
    l->setObjectName(U(name));
    // Texts such as "HTML<HR>" are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QCheckBox* Check(const char* name, const char* text, QWidget* parent) {
    auto* c = new QCheckBox(U(text), parent);
    c->setObjectName(U(name));
    return c;
}

QStringList Items(std::initializer_list<const char*> items) {
    QStringList l;
    for (const char* i : items) l << U(i);
    return l;
}

// A radio group with its note below it.
QWidget* WithNote(TRadioGroup* group, const char* noteName, const char* note, QLabel** noteOut,
                  QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(group);
    QLabel* l = Label(noteName, note, box);
    v->addWidget(l);
    if (noteOut) *noteOut = l;
    return box;
}
}  // namespace

THTMLForm::THTMLForm(QWidget* parent) : QDialog(parent) {
    TateDialogParts::FixedModalFrame(this, QStringLiteral("HTMLForm"), U("縦書きHTML生成"));
    auto* v = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    auto* general = new QWidget;
    auto* preview = new QWidget;
    auto* punctuation = new QWidget;
    general->setObjectName(QStringLiteral("TabSheet1"));
    preview->setObjectName(QStringLiteral("TabSheet2"));
    punctuation->setObjectName(QStringLiteral("TabSheet3"));
    BuildGeneralPage(general);
    BuildPreviewPage(preview);
    BuildPunctuationPage(punctuation);
    pages_->addTab(general, U("全般"));
    pages_->addTab(preview, U("プレビュー"));
    pages_->addTab(punctuation, U("句読点など"));
    v->addWidget(pages_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    okBtn_ = new QPushButton(QStringLiteral("OK"), this);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(U("キャンセル"), this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    applyBtn_ = new QPushButton(U("適用"), this);
    applyBtn_->setObjectName(QStringLiteral("ApplyBtn"));
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    buttons->addWidget(applyBtn_);
    v->addLayout(buttons);
    description_ = new TScrollingLabel(U("説明"), this);
    description_->setObjectName(QStringLiteral("ExplainLabel"));
    v->addWidget(description_);
    v->setSizeConstraint(QLayout::SetFixedSize);

    connect(okBtn_, &QPushButton::clicked, this, &THTMLForm::OkClick);
    connect(applyBtn_, &QPushButton::clicked, this, &THTMLForm::ApplyClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(clipChk_, &QCheckBox::toggled, this, &THTMLForm::ClipReaction);
    connect(lineHeightChk_, &QCheckBox::toggled, this, &THTMLForm::LineHeightReaction);
    connect(dFont1RGroup_, &TRadioGroup::itemChosen, this, &THTMLForm::DFont1Reaction);
    connect(htmlLineRGroup_, &TRadioGroup::clicked, this, &THTMLForm::DFont1Reaction);
    connect(dFont2RGroup_, &TRadioGroup::itemChosen, this, &THTMLForm::DFont2Reaction);
    connect(nameChk_, &QCheckBox::toggled, this, &THTMLForm::NameReaction);
    connect(gosicRadio_, &QRadioButton::toggled, this, [this] {
        if (!nameChk_->isChecked()) NameReaction();
    });
    connect(sizeChk_, &QCheckBox::toggled, preImage_, &TPreImagePanel::SetSizes);
    connect(styleChk_, &QCheckBox::toggled, preImage_, &TPreImagePanel::SetStyles);
    connect(colorChk_, &QCheckBox::toggled, preImage_, &TPreImagePanel::SetColors);
}

void THTMLForm::BuildGeneralPage(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    nameLabel_ = Label("NameLabel", "生成HTMLファイル名", page);
    nameEdit_ = new QLineEdit(page);
    nameEdit_->setObjectName(QStringLiteral("NameEdit"));
    titleLabel_ = Label("TitleLabel", "生成ページのタイトル", page);
    titleCBox_ = new QComboBox(page);
    titleCBox_->setObjectName(QStringLiteral("TitleCBox"));
    titleCBox_->setEditable(true);
    titleCBox_->setInsertPolicy(QComboBox::NoInsert);
    bgLabel_ = Label("BGLabel", "背景画像指定", page);
    bgCBox_ = new QComboBox(page);
    bgCBox_->setObjectName(QStringLiteral("BGCBox"));
    bgCBox_->setEditable(true);
    bgCBox_->setInsertPolicy(QComboBox::NoInsert);
    for (QWidget* w : {static_cast<QWidget*>(nameEdit_), static_cast<QWidget*>(titleCBox_),
                       static_cast<QWidget*>(bgCBox_)})
        w->setMinimumWidth(260);
    grid->addWidget(nameLabel_, 0, 0);
    grid->addWidget(nameEdit_, 0, 1);
    grid->addWidget(titleLabel_, 1, 0);
    grid->addWidget(titleCBox_, 1, 1);
    grid->addWidget(bgLabel_, 2, 0);
    grid->addWidget(bgCBox_, 2, 1);
    v->addLayout(grid);
    clipChk_ = Check("ClipChk", "クリップボード取得", page);
    v->addWidget(clipChk_);

    auto* row = new QHBoxLayout;
    alignRGroup_ = new TRadioGroup(QStringLiteral("AlignRGroup"), U("センタリング"),
                                   Items({"右寄せ", "中央寄せ", "左寄せ"}), page);
    row->addWidget(
        WithNote(alignRGroup_, "AlignNote", "文章全体の配置を決めます。", nullptr, page));
    auto* right = new QVBoxLayout;
    linkChk_ = Check("LinkChk", "ハイパーリンクを使う", page);
    right->addWidget(linkChk_);
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("OptionFrame"));
    frame->setToolTip(Hint("このスイッチは\r方式その壱で行間が０の時のみ有効です。"));
    auto* fv = new QVBoxLayout(frame);
    textInChkBox_ = Check("TextInChkBox", "元文章をHTMLファイルの最後に埋め込む", frame);
    macFontChk_ = Check("MacFontChk", "マック用フォントを考慮する", frame);
    openHtmlChk_ = Check("OpenHtmlChk", "ファイル生成後、ブラウザで確認する", frame);
    fv->addWidget(textInChkBox_);
    fv->addWidget(macFontChk_);
    fv->addWidget(openHtmlChk_);
    right->addWidget(frame);
    right->addStretch();
    row->addLayout(right);
    v->addLayout(row);
    v->addStretch();
}

void THTMLForm::BuildPreviewPage(QWidget* page) {
    auto* h = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    lineCountUD_ = TateDialogParts::Number("LineCountUD", "LineCountEdit", 1, 399, page);
    grid->addWidget(Label("LineCountLabel", "Ａ：1段落の行数", page), 0, 0);
    grid->addWidget(lineCountUD_, 0, 1);
    lineHeightChk_ = Check("LineHeightChk", "Ｂ：文字間隔", page);
    lineHeightChk_->setToolTip(Hint("チェックしてある場合のみ\rLineHeightタグの指定を行います。"));
    lineHeightUD_ = TateDialogParts::Number("LineHeightUD", "LineHeightEdit", 5, 20, page);
    grid->addWidget(lineHeightChk_, 1, 0);
    grid->addWidget(lineHeightUD_, 1, 1);
    spaceUD_ = TateDialogParts::Number("SpaceUD", "SPEdit", 0, 15, page);
    grid->addWidget(Label("SpaceLabel", "Ｃ：行間隔", page), 2, 0);
    grid->addWidget(spaceUD_, 2, 1);
    left->addLayout(grid);

    auto* switches = new QGroupBox(U("有効にするフォントスイッチ"), page);
    switches->setObjectName(QStringLiteral("FontSwitchBox"));
    auto* sg = new QGridLayout(switches);
    nameChk_ = Check("NameChk", "フォント名", switches);
    sizeChk_ = Check("SizeChk", "フォントサイズ", switches);
    styleChk_ = Check("StyleChk", "フォントスタイル", switches);
    colorChk_ = Check("ColorChk", "フォントカラー", switches);
    sg->addWidget(nameChk_, 0, 0);
    sg->addWidget(sizeChk_, 0, 1);
    sg->addWidget(styleChk_, 1, 0);
    sg->addWidget(colorChk_, 1, 1);
    left->addWidget(switches);

    auto* standard = new QGroupBox(U("標準書体"), page);
    standard->setObjectName(QStringLiteral("StandardFontBox"));
    auto* st = new QGridLayout(standard);
    gosicRadio_ = new QRadioButton(U("ＭＳ ゴシック"), standard);
    gosicRadio_->setObjectName(QStringLiteral("GosicRadio"));
    minchoRadio_ = new QRadioButton(U("ＭＳ 明朝"), standard);
    minchoRadio_->setObjectName(QStringLiteral("MinchoRadio"));
    fontSizeLabel_ =
        Label("FontSizeLabel", "HTMLフォントサイズ\n（右はRTFフォントサイズ）", standard);
    fontSizeCBox_ = new QComboBox(standard);
    fontSizeCBox_->setObjectName(QStringLiteral("FontSizeCBox"));
    fontSizeCBox_->addItems(
        Items({"１・・１～９", "２・・１０～１１", "３・・１２～１３", "４・・１４～１６",
               "５・・１７～２１", "６・・２２～３３", "７・・それ以上"}));
    st->addWidget(gosicRadio_, 0, 0);
    st->addWidget(minchoRadio_, 0, 1);
    st->addWidget(fontSizeLabel_, 1, 0);
    st->addWidget(fontSizeCBox_, 1, 1);
    left->addWidget(standard);
    left->addStretch();
    h->addLayout(left);
    preImage_ = new TPreImagePanel(page);
    h->addWidget(preImage_);
}

void THTMLForm::BuildPunctuationPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    // The two standard font groups share one place; the method shows one of them.
    auto* fontPlace = new QWidget(page);
    auto* fp = new QVBoxLayout(fontPlace);
    fp->setContentsMargins(0, 0, 0, 0);
    dFont1RGroup_ =
        new TRadioGroup(QStringLiteral("DFont1RGroup"), U("標準書体指定１"),
                        Items({"指定する", "代わりに等幅タグを指定", "何も指定しない"}), fontPlace);
    dFont2RGroup_ = new TRadioGroup(
        QStringLiteral("DFont2RGroup"), U("標準書体指定２"),
        Items({"ﾌﾟﾛﾎﾟｰｼｮﾅﾙﾌｫﾝﾄ", "等幅フォント", "等幅タグを指定", "何も指定しない"}), fontPlace);
    fp->addWidget(dFont1RGroup_);
    fp->addWidget(dFont2RGroup_);
    dFont2Note_ = Label("DFont2Note", "等幅を選択すると\n行間が広がります。", fontPlace);
    fp->addWidget(dFont2Note_);
    fp->addStretch();
    grid->addWidget(fontPlace, 0, 0);

    tenSelectRGroup_ =
        new TRadioGroup(QStringLiteral("TenSelectRGroup"), U("句読点変換"),
                        Items({"『｀』『゜』に変換する", "半角スペース+『｀』『゜』",
                               "『、』『。』のまま横に配置", "半角『,』『.』にして横に配置"}),
                        page);
    grid->addWidget(WithNote(tenSelectRGroup_, "TenSelectNote",
                             "横に配置を選択すると\n行間が広がります。", nullptr, page),
                    0, 1);

    auto* quoteFrame = new QWidget(page);
    quoteFrame->setObjectName(QStringLiteral("LSelectFrame"));
    quoteFrame->setToolTip(Hint("方式その壱では\r行間が０の時のみ有効です。"));
    auto* qf = new QVBoxLayout(quoteFrame);
    qf->setContentsMargins(0, 0, 0, 0);
    lSelectRGroupe_ = new TRadioGroup(
        QStringLiteral("LSelectRGroupe"), U("括弧閉じる文字指定"),
        Items({"機種依存文字『∟』にする", "『L』エルにする", "『└』罫線にする"}), quoteFrame);
    qf->addWidget(WithNote(lSelectRGroupe_, "LSelectNote",
                           "機種依存文字『∟』は\nWindows専用の文字です。", nullptr, quoteFrame));
    grid->addWidget(quoteFrame, 1, 0);

    htmlLineRGroup_ =
        new TRadioGroup(QStringLiteral("HtmlLineRGroup"), U("段落線"),
                        Items({"通常のテキスト", "HTML<HR>の横罫線", "段落線は使用しない"}), page);
    grid->addWidget(WithNote(htmlLineRGroup_, "HtmlLineNote", "HTML<HR>の場合\n段落数は入りません",
                             nullptr, page),
                    1, 1);
}

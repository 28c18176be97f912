#include "editing/TFindForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/TRangeCheckBox.h"

namespace {
// Left column: the labels and the boxes; right column: the buttons.
constexpr int kMargin = 8;
constexpr int kBoxWidth = 226;
constexpr int kButtonLeft = 244;
constexpr int kButtonWidth = 144;
constexpr int kButtonHeight = 25;
// Panel1 sits between the find buttons and the bottom row; its height is the difference of
// the two layouts' client heights.
constexpr int kPanelTop = 104;
constexpr int kPanelHeight = TFindForm::kReplaceHeight - TFindForm::kFindHeight;
// The bottom row keeps its distance from the bottom edge in both layouts.
constexpr int kCheckFromBottom = 32;
constexpr int kCancelFromBottom = 37;
}  // namespace

TFindForm::TFindForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FindForm"));
    setWindowTitle(QStringLiteral("検索ダイアログ"));
    setModal(false);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(12);
    setFont(f);

    label1_ = new QLabel(QStringLiteral("検索文字列"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(kMargin, kMargin, kBoxWidth, 16);
    findCB_ = AddBox(this, "FindStringCB", 26);
    label1_->setBuddy(findCB_);

    findNextBtn_ = AddButton(this, "FindNextBtn", QStringLiteral("次を検索（Ｆ３）"), kMargin);
    findNextBtn_->setDefault(true);
    findHeadBtn_ = AddButton(this, "FindHeadBtn", QStringLiteral("先頭から検索"), 40);
    findBackBtn_ = AddButton(this, "FindBackBtn", QStringLiteral("前を検索（Shift+Ｆ３）"), 72);

    rangeChk_ = new TRangeCheckBox(QStringLiteral("選択領域のみ検索範囲"), this);
    rangeChk_->setObjectName(QStringLiteral("SelectRangeChk"));
    cancelBtn_ = AddButton(this, "CancelBtn", QStringLiteral("キャンセル"), 0);

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(0, kPanelTop, kClientWidth, kPanelHeight);
    label2_ = new QLabel(QStringLiteral("置換文字列"), panel1_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(kMargin, 2, kBoxWidth, 16);
    replaceCB_ = AddBox(panel1_, "ReplaceStringCB", 20);
    label2_->setBuddy(replaceCB_);
    replaceBtn_ = AddButton(panel1_, "ReplaceBtn", QStringLiteral("置換え（Ｆ４）"), 0);
    replaceNextBtn_ = AddButton(panel1_, "ReplaceNextBtn", QStringLiteral("置換して次へ"), 29);
    replaceAllBtn_ = AddButton(panel1_, "ReplaceAllBtn", QStringLiteral("すべて置換え（&A）"), 58);

    connect(findNextBtn_, &QPushButton::clicked, this, &TFindForm::FindNextPressed);
    connect(findHeadBtn_, &QPushButton::clicked, this, &TFindForm::FindHeadPressed);
    connect(findBackBtn_, &QPushButton::clicked, this, &TFindForm::FindBackPressed);
    connect(replaceBtn_, &QPushButton::clicked, this, &TFindForm::ReplacePressed);
    connect(replaceNextBtn_, &QPushButton::clicked, this, [this] {
        replaceBtn_->click();
        findNextBtn_->click();
    });
    connect(replaceAllBtn_, &QPushButton::clicked, this, &TFindForm::ReplaceAllPressed);
    connect(cancelBtn_, &QPushButton::clicked, this, &TFindForm::CancelPressed);

    // Tab order: the search string first, then its buttons, the replacement part, the bottom.
    setTabOrder(findCB_, findNextBtn_);
    setTabOrder(findNextBtn_, findHeadBtn_);
    setTabOrder(findHeadBtn_, findBackBtn_);
    setTabOrder(findBackBtn_, replaceCB_);
    setTabOrder(replaceCB_, replaceBtn_);
    setTabOrder(replaceBtn_, replaceNextBtn_);
    setTabOrder(replaceNextBtn_, replaceAllBtn_);
    setTabOrder(replaceAllBtn_, rangeChk_);
    setTabOrder(rangeChk_, cancelBtn_);

    ApplyLayout(Layout::Find);
}

QComboBox* TFindForm::AddBox(QWidget* parent, const char* name, int top) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(true);
    // The histories are kept by the program (newest first), not by the box on Enter.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    box->setGeometry(kMargin, top, kBoxWidth, 22);
    return box;
}

QPushButton* TFindForm::AddButton(QWidget* parent, const char* name, const QString& caption,
                                  int top) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
    return b;
}

void TFindForm::ApplyLayout(Layout layout) {
    layout_ = layout;
    const bool replace = layout == Layout::Replace;
    const int height = replace ? kReplaceHeight : kFindHeight;
    panel1_->setVisible(replace);
    setFixedSize(kClientWidth, height);
    rangeChk_->setGeometry(kMargin, height - kCheckFromBottom, kBoxWidth, 20);
    cancelBtn_->setGeometry(kButtonLeft, height - kCancelFromBottom, kButtonWidth, kButtonHeight);
}

QString TFindForm::FindText() const {
    return findCB_->currentText();
}

void TFindForm::SetFindText(const QString& text) {
    findCB_->setEditText(text);
}

QString TFindForm::ReplaceText() const {
    return replaceCB_->currentText();
}

bool TFindForm::SelectionOnly() const {
    return rangeChk_->isChecked();
}

void TFindForm::SetSelectionOnly(bool on) {
    rangeChk_->setChecked(on);
}

void TFindForm::InsertOnTop(QComboBox* box, const QString& text) {
    // Inserting into an empty box would make the new item its current text.
    const QString editing = box->currentText();
    box->insertItem(0, text);
    box->setEditText(editing);
}

bool TFindForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !active_) {
        active_ = true;
        emit Activated();
    } else if (e->type() == QEvent::WindowDeactivate && active_) {
        active_ = false;
        emit Deactivated();
    }
    return QDialog::event(e);
}

void TFindForm::hideEvent(QHideEvent* e) {
    // A hidden dialog is no longer the one the keys go to, whether or not the window system
    // reports the deactivation.
    if (active_) {
        active_ = false;
        emit Deactivated();
    }
    QDialog::hideEvent(e);
}

void TFindForm::closeEvent(QCloseEvent* e) {
    e->accept();
    hide();
    cancelBtn_->click();
}

void TFindForm::reject() {
    cancelBtn_->click();
}

void TFindForm::moveEvent(QMoveEvent* e) {
    QDialog::moveEvent(e);
    if (isVisible()) emit Moved(pos());
}

#include "options/TOptionsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/ColorValue.h"

namespace {

const char* const kColorLists[] = {
    "漢字の色名 (KanjiColor.txt)",           "カタカナの色名 (KanaColor.txt)",
    "HTML の色名・英字 (HTMLAColor.txt)",    "HTML の色名・日本語 (HTMLKColor.txt)",
    "Mac と Windows の色 (MacWinColor.txt)", "ユーザー定義 (UserColor.txt)"};

QComboBox* ExtensionBox(QWidget* parent, const QStringList& items, const QString& current) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(items);
    // An extension is empty or a dot followed by characters that are no separator.
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(\\.[^./\\\\\\s]*)?$")), box));
    box->setCurrentText(current);
    return box;
}

}  // namespace

QColor TOptionsDialog::ToQColor(quint32 value) {
    const TColor rgb = ColorToRGB(value);
    return QColor(ColorRed(rgb), ColorGreen(rgb), ColorBlue(rgb));
}

quint32 TOptionsDialog::FromQColor(const QColor& c) {
    return RgbColor(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue()));
}

void TOptionsDialog::PaintSwatch(QPushButton* button, quint32 value) {
    QPixmap pix(40, 14);
    pix.fill(ToQColor(value));
    QPainter p(&pix);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pix.width() - 1, pix.height() - 1);
    p.end();
    button->setIcon(QIcon(pix));
    button->setIconSize(pix.size());
    button->setText(QString::fromStdString(ColorToString(value)));
}

TOptionsDialog::TOptionsDialog(const Values& values, QWidget* parent)
    : QDialog(parent),
      initial_(values),
      fontColorValue_(values.fontColor),
      backColorValue_(values.backColor) {
    setObjectName(QStringLiteral("DllForm"));
    setWindowTitle(QStringLiteral("オプション"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* fontGroup =
        new QGroupBox(QStringLiteral("標準のフォント（新規文書とテキストファイル）"), this);
    auto* fontForm = new QFormLayout(fontGroup);
    fontName_ = new QFontComboBox(fontGroup);
    fontName_->setObjectName(QStringLiteral("FontNameCB"));
    fontName_->setEditable(true);
    fontName_->setCurrentText(values.fontName);
    fontName_->setEditText(values.fontName);
    fontSize_ = new QSpinBox(fontGroup);
    fontSize_->setObjectName(QStringLiteral("FontSizeSE"));
    fontSize_->setRange(1, 999);
    fontSize_->setSuffix(QStringLiteral(" pt"));
    fontSize_->setValue(values.fontSize);
    fontColor_ = new QPushButton(fontGroup);
    fontColor_->setObjectName(QStringLiteral("FontColorBtn"));
    PaintSwatch(fontColor_, fontColorValue_);
    fontForm->addRow(QStringLiteral("フォント名(&N):"), fontName_);
    fontForm->addRow(QStringLiteral("サイズ(&S):"), fontSize_);
    fontForm->addRow(QStringLiteral("文字色(&C):"), fontColor_);
    layout->addWidget(fontGroup);

    auto* fileGroup = new QGroupBox(QStringLiteral("ファイル"), this);
    auto* fileForm = new QFormLayout(fileGroup);
    const QStringList exts = {QStringLiteral(".wri"), QStringLiteral(".rtf"),
                              QStringLiteral(".txt")};
    newFileExt_ = ExtensionBox(fileGroup, exts, values.newFileExt);
    newFileExt_->setObjectName(QStringLiteral("NewFileExtCB"));
    documentExt_ = ExtensionBox(fileGroup, exts, values.documentExt);
    documentExt_->setObjectName(QStringLiteral("DocExtCB"));
    fileForm->addRow(QStringLiteral("新規文書の拡張子(&E):"), newFileExt_);
    fileForm->addRow(QStringLiteral("編集中の文書の拡張子(&D):"), documentExt_);
    auto* note = new QLabel(
        QStringLiteral(".rtf と .wri はリッチテキスト、それ以外はテキストとして保存されます。"),
        fileGroup);
    note->setWordWrap(true);
    fileForm->addRow(note);
    layout->addWidget(fileGroup);

    auto* viewGroup = new QGroupBox(QStringLiteral("表示"), this);
    auto* viewForm = new QFormLayout(viewGroup);
    backColor_ = new QPushButton(viewGroup);
    backColor_->setObjectName(QStringLiteral("BackColorBtn"));
    PaintSwatch(backColor_, backColorValue_);
    colorList_ = new QComboBox(viewGroup);
    colorList_->setObjectName(QStringLiteral("ColorListCB"));
    for (const char* item : kColorLists) colorList_->addItem(QString::fromUtf8(item));
    colorList_->setCurrentIndex(
        values.colorFileType >= 0 && values.colorFileType < 6 ? values.colorFileType : 0);
    tab_ = new QSpinBox(viewGroup);
    tab_->setObjectName(QStringLiteral("TabSE"));
    tab_->setRange(0, 16);
    tab_->setValue(values.tab);
    viewForm->addRow(QStringLiteral("背景色(&B):"), backColor_);
    viewForm->addRow(QStringLiteral("色名リスト(&L):"), colorList_);
    viewForm->addRow(QStringLiteral("タブ(&T):"), tab_);
    layout->addWidget(viewGroup);

    auto* linkGroup = new QGroupBox(QStringLiteral("ランチャー（オリマキ９９.desktop）"), this);
    auto* linkLayout = new QVBoxLayout(linkGroup);
    sendTo_ = new QCheckBox(
        QStringLiteral("アプリケーションの一覧に登録する（「送る」・「このアプリで開く」用）(&O)"),
        linkGroup);
    sendTo_->setObjectName(QStringLiteral("SendToChk"));
    sendTo_->setChecked(values.sendTo);
    desktop_ = new QCheckBox(QStringLiteral("デスクトップにランチャーを置く(&K)"), linkGroup);
    desktop_->setObjectName(QStringLiteral("DesktopChk"));
    desktop_->setChecked(values.desktop);
    linkLayout->addWidget(sendTo_);
    linkLayout->addWidget(desktop_);
    layout->addWidget(linkGroup);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fontColor_, &QPushButton::clicked, this,
            [this] { ChooseColor(fontColor_, &fontColorValue_, QStringLiteral("文字色")); });
    connect(backColor_, &QPushButton::clicked, this,
            [this] { ChooseColor(backColor_, &backColorValue_, QStringLiteral("背景色")); });
}

void TOptionsDialog::ChooseColor(QPushButton* button, quint32* value, const QString& title) {
    const QColor chosen = QColorDialog::getColor(ToQColor(*value), this, title);
    if (!chosen.isValid()) return;
    *value = FromQColor(chosen);
    PaintSwatch(button, *value);
}

TOptionsDialog::Values TOptionsDialog::values() const {
    Values v = initial_;
    const QString name = fontName_->currentText().trimmed();
    if (!name.isEmpty()) v.fontName = name;
    v.fontSize = fontSize_->value();
    v.fontColor = fontColorValue_;
    // A new-file extension needs its dot; an empty one keeps the old value.
    const QString ext = newFileExt_->currentText().trimmed();
    if (ext.startsWith(QLatin1Char('.')) && ext.size() > 1) v.newFileExt = ext;
    v.documentExt = documentExt_->currentText().trimmed();
    v.backColor = backColorValue_;
    v.colorFileType = colorList_->currentIndex();
    v.sendTo = sendTo_->isChecked();
    v.desktop = desktop_->isChecked();
    v.tab = tab_->value();
    return v;
}

#include "controls/TColorLookupComboBox.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>
#include <utility>

#include "controls/QtColor.h"
#include "controls/TColorSwatchDelegate.h"

TColorLookupComboBox::TColorLookupComboBox(QWidget* parent)
    : QComboBox(parent), delegate_(new TColorSwatchDelegate(this)) {
    setEditable(false);
    setItemDelegate(delegate_);
    // A plain drop-down list, so that the number of visible entries (maxVisibleItems) holds in
    // every style, also in those that would show a menu-like popup as tall as the screen.
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    setFixedWidth(kInitialWidth);
    model_.onEntriesChanged = [this] { SyncItems(); };
    connect(this, &QComboBox::activated, this, &TColorLookupComboBox::OnActivated);
    connect(this, &QComboBox::currentIndexChanged, this,
            &TColorLookupComboBox::OnCurrentIndexChanged);
    SyncItems();
}

TColorLookupComboBox::~TColorLookupComboBox() {
    model_.onEntriesChanged = nullptr;
}

void TColorLookupComboBox::setSelection(Selection s) {
    model_.setSelection(s);
    SyncCurrent();
}

void TColorLookupComboBox::setDefaultColor(TColor c) {
    model_.setDefaultColor(c);
    SyncCurrent();
}

QStringList TColorLookupComboBox::extendedColors() const {
    QStringList lines;
    for (const std::string& line : model_.extendedColors()) lines << QString::fromStdString(line);
    return lines;
}

void TColorLookupComboBox::setExtendedColors(const QStringList& lines) {
    std::vector<std::string> v;
    v.reserve(std::size_t(lines.size()));
    for (const QString& line : lines) v.push_back(line.toStdString());
    setExtendedColorLines(std::move(v));
}

void TColorLookupComboBox::setExtendedColorLines(std::vector<std::string> lines) {
    model_.setExtendedColors(std::move(lines));
    SyncCurrent();
}

int TColorLookupComboBox::itemHeight() const {
    return delegate_->itemHeight();
}

void TColorLookupComboBox::setItemHeight(int h) {
    delegate_->setItemHeight(std::max(1, h));
    model_.Rebuild();  // the entries are made again, as when the control is re-created
    SyncCurrent();
}

void TColorLookupComboBox::setMaxCustomCount(int n) {
    model_.setMaxCustomCount(std::uint8_t(std::clamp(n, 0, 255)));
    SyncCurrent();
}

bool TColorLookupComboBox::showName() const {
    return delegate_->showName();
}

void TColorLookupComboBox::setShowName(bool on) {
    delegate_->setShowName(on);
    update();
    if (view()) view()->viewport()->update();
}

void TColorLookupComboBox::setOnLoadExtendedColors(
    std::function<void(std::vector<std::string>&)> handler) {
    model_.onLoadExtendedColors = std::move(handler);
}

void TColorLookupComboBox::setColor(TColor c) {
    model_.SetColor(c);
    SyncCurrent();
}

int TColorLookupComboBox::addCustomColor(const QString& name, TColor c) {
    int index = model_.AddCustomColor(name.toStdString(), c);
    SyncCurrent();
    return index;
}

void TColorLookupComboBox::setBoxWidth(int width) {
    setFixedWidth(width);
}

void TColorLookupComboBox::setColorAsker(std::function<bool(TColor&)> asker) {
    asker_ = std::move(asker);
}

bool TColorLookupComboBox::AskColor(TColor& c) {
    if (asker_) return asker_(c);
    QColor initial = QtColor::ToQColor(c);
    QColor chosen =
        QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white), this, "色の設定");
    if (!chosen.isValid()) return false;
    c = QtColor::FromQColor(chosen);
    return true;
}

void TColorLookupComboBox::OnActivated(int index) {
    if (syncing_) return;
    model_.ChooseEntry(index, [this](TColor& c) { return AskColor(c); });
    SyncCurrent();
    emit changed();
}

void TColorLookupComboBox::OnCurrentIndexChanged(int index) {
    if (syncing_) return;
    // The "その他..." entry is never a choice of its own: the model keeps the previous colour
    // until the activation has asked for a new one.
    if (model_.IsOtherEntry(index)) return;
    model_.setCurrentIndex(index);
}

void TColorLookupComboBox::SyncItems() {
    syncing_ = true;
    {
        QSignalBlocker block(this);
        clear();
        const std::vector<ColorBoxEntry>& entries = model_.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            addItem(QString::fromStdString(entries[i].name));
            setItemData(int(i), uint(entries[i].color), TColorSwatchDelegate::ColorRole);
            setItemData(int(i), QSize(0, delegate_->itemHeight()), Qt::SizeHintRole);
        }
        setCurrentIndex(model_.currentIndex());
    }
    syncing_ = false;
    update();
}

void TColorLookupComboBox::SyncCurrent() {
    syncing_ = true;
    {
        QSignalBlocker block(this);
        setCurrentIndex(model_.currentIndex());
    }
    syncing_ = false;
    update();
}

void TColorLookupComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    const int index = currentIndex();
    if (index < 0 || index >= model_.count()) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    const ColorBoxEntry& entry = model_.entries()[std::size_t(index)];
    TColorSwatchDelegate::PaintEntry(&painter, field, QString::fromStdString(entry.name),
                                     entry.color, showName(), false, palette(), font());
}

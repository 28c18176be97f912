#pragma once
// A framed group of radio buttons with a caption, read and set by item index. Choosing an
// item, by the user or by the program, emits itemChosen; a click emits clicked as well.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                QWidget* parent = nullptr);

    int ItemIndex() const;
    // Checks item i (an index outside the items checks none) and emits itemChosen.
    void SetItemIndex(int i);
    int Count() const { return int(buttons_.size()); }
    QRadioButton* Item(int i) const { return buttons_[std::size_t(i)]; }
    QStringList Items() const;

signals:
    void itemChosen(int index);
    void clicked(int index);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

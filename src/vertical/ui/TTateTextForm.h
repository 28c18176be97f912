#pragma once
// TTateTextForm: the vertical text dialog. Reads its values from the store when it is shown and
// writes them on OK ("LineCount" and "Space" are shared with the HTML dialog).

#include <QDialog>

#include "vertical/TateSettingsReader.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class SettingsStore;

class TTateTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TTateTextForm(QWidget* parent = nullptr);

    void LoadValues(const SettingsStore& store);
    TateTextDialogValues Values() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void OkClick();

    QSpinBox* lineCountUD_ = nullptr;
    QSpinBox* spaceUD_ = nullptr;
    QCheckBox* danLineChk_ = nullptr;
    QCheckBox* tateText0Chk_ = nullptr;
    QLabel* staticText1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
};

#pragma once
// THTMLForm: the vertical HTML settings dialog. Made for one generation run: set up for the
// method, filled from the stored values, shown modally; OK and apply store the values, and
// after OK the run reads them (Values) into its settings.
//
//   THTMLForm.cpp        the window, its three pages and the buttons
//   THTMLFormValues.cpp  set-up per method, stored values, control reactions, OK and apply

#include <QDialog>

#include "core/ColorValue.h"
#include "vertical/TateSettingsReader.h"
#include "vertical/ui/TateDialogStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class SettingsStore;
class TPreImagePanel;
class TRadioGroup;
class TScrollingLabel;

class THTMLForm : public QDialog {
    Q_OBJECT
public:
    explicit THTMLForm(QWidget* parent = nullptr);

    // Method 0 … 4: caption, description, which groups are enabled and shown. The sample panel
    // takes the view's background colour.
    void SetUpForMethod(int method, TColor viewColor);
    int Method() const { return method_; }

    // When shown: every stored value into its control; the title becomes the file name of the
    // address text, the file name that name with ".html", the background box empty; the
    // description starts scrolling.
    void LoadValues(const SettingsStore& store, const QString& addressText);

    // The controls' values as the run reads them (texts in Shift-JIS for the page).
    TateHtmlDialogValues Values() const;
    // The file name box as typed (the name of the file to write in the document's folder).
    QString FileName() const;
    QStringList Titles() const;
    QStringList Backgrounds() const;

    // OK and apply: the title and the background into their histories, then every value into
    // the store (written at once).
    void StoreValues();

    // The description line at the bottom.
    TScrollingLabel* DescriptionLine() const { return description_; }
    TPreImagePanel* PreImage() const { return preImage_; }

private:
    void BuildGeneralPage(QWidget* page);
    void BuildPreviewPage(QWidget* page);
    void BuildPunctuationPage(QWidget* page);
    void DFont1Reaction();
    void DFont2Reaction();
    void EnableStandardFont(bool on);
    void ClipReaction();
    void LineHeightReaction();
    void NameReaction();
    void OkClick();
    void ApplyClick();

    int method_ = 3;
    QTabWidget* pages_ = nullptr;
    // General.
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QComboBox* titleCBox_ = nullptr;
    QLabel* bgLabel_ = nullptr;
    QComboBox* bgCBox_ = nullptr;
    QCheckBox* clipChk_ = nullptr;
    TRadioGroup* alignRGroup_ = nullptr;
    QCheckBox* linkChk_ = nullptr;
    QCheckBox* textInChkBox_ = nullptr;
    QCheckBox* macFontChk_ = nullptr;
    QCheckBox* openHtmlChk_ = nullptr;
    // Preview.
    QSpinBox* lineCountUD_ = nullptr;
    QCheckBox* lineHeightChk_ = nullptr;
    QSpinBox* lineHeightUD_ = nullptr;
    QSpinBox* spaceUD_ = nullptr;
    QCheckBox* nameChk_ = nullptr;
    QCheckBox* sizeChk_ = nullptr;
    QCheckBox* styleChk_ = nullptr;
    QCheckBox* colorChk_ = nullptr;
    QRadioButton* gosicRadio_ = nullptr;
    QRadioButton* minchoRadio_ = nullptr;
    QLabel* fontSizeLabel_ = nullptr;
    QComboBox* fontSizeCBox_ = nullptr;
    TPreImagePanel* preImage_ = nullptr;
    // Punctuation and more.
    TRadioGroup* dFont1RGroup_ = nullptr;
    TRadioGroup* dFont2RGroup_ = nullptr;
    QLabel* dFont2Note_ = nullptr;
    TRadioGroup* tenSelectRGroup_ = nullptr;
    TRadioGroup* lSelectRGroupe_ = nullptr;
    TRadioGroup* htmlLineRGroup_ = nullptr;
    // Bottom.
    TScrollingLabel* description_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QPushButton* applyBtn_ = nullptr;
};

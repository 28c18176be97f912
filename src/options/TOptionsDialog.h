#pragma once
// The options dialog of the options library: default font, size and colour, the extension of
// new documents and of the current document, the background colour, the colour list, the two
// launchers and the tab option.

#include <QColor>
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QSpinBox;

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    struct Values {
        QString fontName;
        int fontSize = 11;
        quint32 fontColor = 0;
        QString newFileExt;
        QString documentExt;
        quint32 backColor = 0x00FFFFFF;
        int colorFileType = 0;
        bool sendTo = false;
        bool desktop = false;
        int tab = 0;
    };

    explicit TOptionsDialog(const Values& values, QWidget* parent = nullptr);
    Values values() const;

    // A colour value (system colours resolved) as a QColor, and back.
    static QColor ToQColor(quint32 value);
    static quint32 FromQColor(const QColor& color);

private:
    void ChooseColor(QPushButton* button, quint32* value, const QString& title);
    static void PaintSwatch(QPushButton* button, quint32 value);

    Values initial_;
    QFontComboBox* fontName_;
    QSpinBox* fontSize_;
    QPushButton* fontColor_;
    quint32 fontColorValue_;
    QComboBox* newFileExt_;
    QComboBox* documentExt_;
    QPushButton* backColor_;
    quint32 backColorValue_;
    QComboBox* colorList_;
    QCheckBox* sendTo_;
    QCheckBox* desktop_;
    QSpinBox* tab_;
};

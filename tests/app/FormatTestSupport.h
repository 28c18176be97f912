#pragma once
// A main window for the format tests: one horizontal view, the second view of a split window
// active, or the vertical view; with helpers that read the format of one character and reach
// the bar controls.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTextCursor>
#include <QTextDocument>

#include "MainWindowTestSupport.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TStyleButton.h"

struct ViewSetup {
    enum Kind { Single, SecondOfSplit, Vertical };
    const char* name;
    Kind setup;
};

inline const ViewSetup kViewSetups[] = {
    {"Horizontal", ViewSetup::Single},
    {"SecondViewOfASplit", ViewSetup::SecondOfSplit},
    {"Vertical", ViewSetup::Vertical},
};

inline QComboBox* SizeBox(TOMForm* f) {
    return f->findChild<QComboBox*>(QStringLiteral("FontSizeCB"));
}
inline TColorLookupComboBox* ColorBox(TOMForm* f) {
    return f->findChild<TColorLookupComboBox*>(QStringLiteral("FontColorCLCB"));
}
inline QSlider* Track(TOMForm* f) {
    return f->findChild<QSlider*>(QStringLiteral("BaseLineTBar"));
}
inline QLineEdit* BaseEdit(TOMForm* f) {
    return f->findChild<QLineEdit*>(QStringLiteral("BaseLineEdit"));
}

class FormatTest : public MainWindowTest {
protected:
    TOMForm* StartIn(ViewSetup::Kind kind) {
        TOMForm* f = Start();
        if (kind == ViewSetup::Vertical) {
            f->Action("TateModeM")->trigger();
            QApplication::processEvents();
        }
        if (kind == ViewSetup::SecondOfSplit) {
            f->Action("S2UeShitaM")->trigger();
            QApplication::processEvents();
            f->RichEditEx2()->setFocus();
            f->EnterView(f->RichEditEx2());
            QApplication::processEvents();
        }
        f->ActiveView()->setFocus();
        QApplication::processEvents();
        return f;
    }

    // Replaces the text; every character takes the default format of a new document.
    void SetText(const char* utf8) {
        TRichEditEx* v = form_->ActiveView();
        v->SelectAll();
        v->SetSelText(
            QString::fromUtf8(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        v->SetSelStart(0);
        form_->SelectionRefresh();
        QApplication::processEvents();
    }

    // The format of the character that starts at byte position pos.
    TCharAttributes At(int pos) {
        TRichEditEx* v = form_->RichEditEx1();
        const int docPos = v->PositionOfByte(pos);
        QTextCursor c(form_->Document());
        c.setPosition(docPos + 1);
        const QTextCharFormat f = c.charFormat();
        TCharAttributes a;
        const QStringList fam = f.fontFamilies().toStringList();
        a.name = fam.isEmpty() ? QString() : fam.first();
        a.charset =
            f.hasProperty(kCharsetProperty) ? f.intProperty(kCharsetProperty) : kDefaultCharset;
        a.size = f.fontPointSize();
        a.color = f.foreground().style() == Qt::NoBrush
                      ? clWindowText
                      : TRichEditEx::FromQColor(f.foreground().color());
        a.bold = f.fontWeight() > QFont::Medium;
        a.italic = f.fontItalic();
        a.underline = f.fontUnderline();
        a.strikeOut = f.fontStrikeOut();
        a.offsetTwips = f.intProperty(kOffsetTwipsProperty);
        return a;
    }
};

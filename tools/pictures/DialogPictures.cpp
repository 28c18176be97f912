#include "DialogPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <stdexcept>

#include "PictureSet.h"
#include "PictureWindow.h"
#include "app/SettingsStore.h"
#include "editing/TFindForm.h"
#include "vertical/ui/TCancelForm.h"
#include "vertical/ui/THTMLForm.h"
#include "vertical/ui/TTateTextForm.h"

namespace {

template <typename T>
T* Child(QWidget& form, const char* name) {
    T* w = form.findChild<T*>(QString::fromUtf8(name));
    if (!w) throw std::runtime_error(std::string("the dialog has no ") + name);
    return w;
}

// 吾輩 to find (猫 in its history), わがはい to replace with.
QImage FindDialog(TFindForm::Layout layout) {
    TFindForm form;
    form.FindStringCB()->addItems({QStringLiteral("吾輩"), QStringLiteral("猫")});
    form.SetFindText(QStringLiteral("吾輩"));
    form.ReplaceStringCB()->setEditText(QStringLiteral("わがはい"));
    form.show();
    form.ApplyLayout(layout);
    QApplication::processEvents();
    return GrabPicture(&form);
}

// The HTML dialog for the method, opened on /tmp/作品.txt, on the page asked; with the four font
// switches ticked when asked.
QImage HtmlForm(int method, int page, bool switches = false) {
    THTMLForm f;
    f.SetUpForMethod(method, clWhite);
    f.LoadValues(SettingsStore(), QStringLiteral("/tmp/作品.txt"));
    f.show();
    if (switches)
        for (const char* name : {"NameChk", "SizeChk", "StyleChk", "ColorChk"})
            Child<QCheckBox>(f, name)->setChecked(true);
    Child<QTabWidget>(f, "PageControl1")->setCurrentIndex(page);
    QApplication::processEvents();
    return GrabPicture(&f);
}

QImage TateTextForm() {
    TTateTextForm t;
    t.LoadValues(SettingsStore());
    t.show();
    QApplication::processEvents();
    return GrabPicture(&t);
}

QImage CancelForm() {
    TCancelForm c;
    c.SetProgress(40, 100);
    c.show();
    QApplication::processEvents();
    return GrabPicture(&c);
}

}  // namespace

void DialogPictures::AddTo(PictureSet& set) {
    set.Add(QStringLiteral("find-dialog-find"),
            QStringLiteral("find dialog, find layout: 吾輩 to find"),
            [] { return FindDialog(TFindForm::Layout::Find); });
    set.Add(QStringLiteral("find-dialog-replace"),
            QStringLiteral("find dialog, replace layout: 吾輩 to be replaced by わがはい"),
            [] { return FindDialog(TFindForm::Layout::Replace); });
    for (int page = 0; page < 3; ++page)
        set.Add(QStringLiteral("htmlform-page%1").arg(page),
                QStringLiteral("vertical HTML dialog, method 3, page %1").arg(page + 1),
                [page] { return HtmlForm(3, page); });
    set.Add(QStringLiteral("htmlform-switches"),
            QStringLiteral("vertical HTML dialog, method 3, page 2 with the four font switches on"),
            [] { return HtmlForm(3, 1, true); });
    set.Add(QStringLiteral("htmlform-method4"),
            QStringLiteral("vertical HTML dialog, method 4, page 3"),
            [] { return HtmlForm(4, 2); });
    set.Add(QStringLiteral("tatetextform"), QStringLiteral("vertical text dialog"), TateTextForm);
    set.Add(QStringLiteral("cancelform"), QStringLiteral("cancel box of a generation 40 % done"),
            CancelForm);
}

#include "app/OrimakiStartup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>
#include <QTranslator>

#include "app/TOMForm.h"
#include "app/TSplashForm.h"

namespace {
// Hints appear half a second after the mouse stops on a control.
class HintTimingStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 500;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};
}  // namespace

void OrimakiStartup::InstallFontSubstitutions() {
    const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList pgothic{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")};
    const QStringList pmincho{QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), pgothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), mincho);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), pmincho);
}

bool OrimakiStartup::InstallToolkitTranslation() {
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* t = new QTranslator(qApp);
    if (!t->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

void OrimakiStartup::SetUpApplication() {
    InstallFontSubstitutions();
    InstallToolkitTranslation();
    // The interface text is Japanese: menus and bars in a Japanese font.
    QFont ui(QStringLiteral("ＭＳ Ｐゴシック"));
    ui.setPointSize(10);
    QApplication::setFont(ui);
    // Hint window colour: the system's information background.
    QPalette tip = QToolTip::palette();
    tip.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    QToolTip::setPalette(tip);
    if (!qobject_cast<QProxyStyle*>(QApplication::style()))
        QApplication::setStyle(new HintTimingStyle);
}

TOMForm* OrimakiStartup::Start(const QStringList& args, bool withSplash) {
    SetUpApplication();
    if (withSplash) TSplashForm::ShowSplash();
    TSplashForm::ProgressStep();  // the main window's unit
    TSplashForm::ProgressStep();  // its state
    TSplashForm::ProgressStep();  // the application object
    TOMForm::SetApplicationTitle(QStringLiteral("起動中!！"));
    TSplashForm::ProgressStep();
    auto* form = new TOMForm(args);
    TSplashForm::ProgressStep();  // main window created
    TSplashForm::ProgressStep();  // find dialog created
    form->show();
    return form;
}

// The menu bar and the three popup menus of the main window, built from one table, and the
// lookup and enabling of commands.

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/TOMForm.h"

namespace {
enum Flags : unsigned {
    kSeparator = 1u << 0,
    kSubMenu = 1u << 1,  // opens a sub-menu; the following rows with this name as parent fill it
    kCheck = 1u << 2,
    kRadio1 = 1u << 3,  // radio groups: bar arrangement, writing mode, split, Shift-JIS mode
    kRadio2 = 1u << 4,
    kRadio3 = 1u << 5,
    kRadio4 = 1u << 6,
    kChecked = 1u << 7,
};

struct MenuRow {
    const char* parent;
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* hint;  // "short|long"
    unsigned flags;
};

// Every item of the menu bar in order. Top-level menus have the parent "".
const MenuRow kMenuBar[] = {
    {"", "FileMenu", "ファイル(&F)", "", "", kSubMenu},
    {"FileMenu", "NewFileM", "新規作成(&N)", "", "|新しい文書を作成します。", 0},
    {"FileMenu", "OpenM", "開く(&O)", "Ctrl+O", "|文書ファイルを開きます。", 0},
    {"FileMenu", "SaveM", "上書き保存(&S)", "Ctrl+S", "|文書を上書き保存します。", 0},
    {"FileMenu", "SaveAsM", "名前を付けて保存(&A)...", "", "|文書に名前を付けて保存します。", 0},
    {"FileMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"FileMenu", "PrintPrevM", "印刷プレビュー(&V)", "",
     "|文書が印刷される様子を画面で確認します。", 0},
    {"FileMenu", "PrintDlgM", "印刷設定", "", "|プリンタの設定を行います。", 0},
    {"FileMenu", "PrintM", "印刷(&P)", "Ctrl+P", "|文書をプリンタで印刷します。", 0},
    {"FileMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"FileMenu", "ExitM", "終了(&X)", "", "|オリマキを終了します。", 0},

    {"", "EditMenu", "編集(&E)", "", "", kSubMenu},
    {"EditMenu", "UndoM", "元に戻す(&U)", "Ctrl+Z", "|直前の操作を取り消します。", 0},
    {"EditMenu", "RedoM", "やり直し(&R)", "Ctrl+Shift+Z", "|取り消した操作をやり直します。", 0},
    {"EditMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"EditMenu", "CutM", "切り取り(&T)", "Ctrl+X",
     "|選択範囲を切り取ってクリップボードに移します。", 0},
    {"EditMenu", "CopyM", "コピー(&C)", "Ctrl+C", "|選択範囲をクリップボードにコピーします。", 0},
    {"EditMenu", "PasteM", "貼り付け(&P)", "Ctrl+V", "|クリップボードの内容を貼り付けます。", 0},
    {"EditMenu", "DeleteM", "削除(&D)", "", "|選択範囲を削除します。", 0},
    {"EditMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"EditMenu", "AllSelectM", "すべて選択(&L)", "Ctrl+A", "|文書全体を選択します。", 0},
    {"EditMenu", "RowSelectM", "行を選択", "Ctrl+L", "|カーソルのある行を選択します。", 0},
    {"EditMenu", "RowDeleteM", "行を削除", "Ctrl+Y", "|カーソルのある行を削除します。", 0},
    {"EditMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"EditMenu", "HomeM", "行頭へ移動", "", "|カーソルを行頭へ移動します。", 0},
    {"EditMenu", "EndM", "行末へ移動", "", "|カーソルを行末へ移動します。", 0},
    {"EditMenu", "CHomeM", "ファイル先頭へ移動", "", "|カーソルを文書の先頭へ移動します。", 0},
    {"EditMenu", "CEndM", "ファイル終端へ移動", "", "|カーソルを文書の終端へ移動します。", 0},
    {"EditMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"EditMenu", "CtrlTabM", "隣の画面へ移動", "Ctrl+Tab", "|分割したもう一方の画面へ移動します。",
     0},

    {"", "FindMenu", "検索(&S)", "", "", kSubMenu},
    {"FindMenu", "FindM", "検索(&F)...", "Ctrl+F", "|文字列を検索します。", 0},
    {"FindMenu", "ReplaceM", "置換(&E)...", "Ctrl+R", "|文字列を置換します。", 0},
    {"FindMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"FindMenu", "FindEXM", "なぞって検索", "Ctrl+E", "|選択した文字列を検索します。", 0},
    {"FindMenu", "FindNextM", "次を検索", "F3", "|次を検索します。", 0},
    {"FindMenu", "FindHeadM", "ファイル先頭から検索", "", "|文書の先頭から検索します。", 0},
    {"FindMenu", "FindBackM", "前を検索", "Shift+F3", "|前を検索します。", 0},
    {"FindMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"FindMenu", "ReplaceRunM", "置換え実行", "F4", "|選択範囲を置換文字列で置き換えます。", 0},

    {"", "ShowMenu", "表示(&V)", "", "", kSubMenu},
    {"ShowMenu", "BarShowM", "バーの表示", "", "", kSubMenu},
    {"BarShowM", "ToolBarM", "ツールバー", "", "|ツールバーの表示を切り替えます。", kCheck},
    {"BarShowM", "FindBarM", "検索バー", "", "|検索バーの表示を切り替えます。", kCheck},
    {"BarShowM", "FontBarM", "フォントバー", "", "|フォントバーの表示を切り替えます。", kCheck},
    {"BarShowM", "StyleBarM", "書式バー", "", "|書式バーの表示を切り替えます。", kCheck},
    {"BarShowM", "AddressBarM", "アドレスバー", "", "|アドレスバーの表示を切り替えます。", kCheck},
    {"BarShowM", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"BarShowM", "BarALLM", "一括表示", "", "|すべてのバーを表示します。", 0},
    {"BarShowM", "BarNoneM", "一括消去", "", "|すべてのバーを隠します。", 0},
    {"ShowMenu", "BarPlaceM", "バーの配置", "", "", kSubMenu},
    {"BarPlaceM", "BarNormalM", "標準", "", "|バーをすべて上に並べます。", kRadio1 | kChecked},
    {"BarPlaceM", "BarTateM", "一部を縦", "", "|ツールバーと検索バーを右側に縦に置きます。",
     kRadio1},
    {"ShowMenu", "BarStringsM", "バーの文字列", "", "|バーの名前の表示を切り替えます。", kCheck},
    {"ShowMenu", "RulerM", "ルーラー", "", "|ルーラーの表示を切り替えます。", kCheck},
    {"ShowMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ShowMenu", "WritingModeM", "縦書きモード", "", "", kSubMenu},
    {"WritingModeM", "TateModeM", "縦書き", "", "|縦書きで表示します。", kRadio2},
    {"WritingModeM", "YokoModeM", "横書き", "", "|横書きで表示します。", kRadio2 | kChecked},
    {"ShowMenu", "SplitM", "２つに分割", "", "", kSubMenu},
    {"SplitM", "S2NoneM", "分割しない", "", "|画面を分割しません。", kRadio3 | kChecked},
    {"SplitM", "S2UeShitaM", "縦（上下）に分割", "", "|画面を上下に分割します。", kRadio3},
    {"SplitM", "S2SaYuuM", "横（左右）に分割", "", "|画面を左右に分割します。", kRadio3},
    {"ShowMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ShowMenu", "WordWrapOffM", "端で折り返さない。", "",
     "|行を画面の端で折り返さないようにします。", kCheck},
    {"ShowMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ShowMenu", "ShowOptionM", "オプション", "", "|オプションを設定します。", 0},

    {"", "StyleMenu", "書式(&O)", "", "", kSubMenu},
    {"StyleMenu", "FontNameM", "フォント名", "Ctrl+M", "|フォント名を選びます。", 0},
    {"StyleMenu", "FontSizeM", "フォントサイズ", "Ctrl+H", "|フォントサイズを選びます。", 0},
    {"StyleMenu", "FontColorM", "フォントカラー", "Ctrl+I", "|フォントカラーを選びます。", 0},
    {"StyleMenu", "ColorBtnM", "カラーボタン", "Ctrl+U", "|カラーボタンの色を選択範囲に付けます。",
     0},
    {"StyleMenu", "FontStyleM", "スタイル", "", "", kSubMenu},
    {"FontStyleM", "BoldM", "太字Bold", "Ctrl+B", "|太字にします。", 0},
    {"FontStyleM", "ItalicM", "斜体Italic", "Ctrl+N", "|斜体にします。", 0},
    {"FontStyleM", "UnderLineM", "下線UnderLine", "Ctrl+K", "|下線を引きます。", 0},
    {"FontStyleM", "StrikeOutM", "取消し線StrikeOut", "Ctrl+T", "|取消し線を引きます。", 0},
    {"StyleMenu", "AlignM", "配置", "", "", kSubMenu},
    {"AlignM", "RowLeftM", "左寄せ", "", "|段落を左に寄せます。", 0},
    {"AlignM", "RowCenterM", "センタリング", "", "|段落を中央に揃えます。", 0},
    {"AlignM", "RowRightM", "右寄せ", "", "|段落を右に寄せます。", 0},
    {"StyleMenu", "BulletM", "箇条書き", "Ctrl+D", "|段落を箇条書きにします。", 0},
    {"StyleMenu", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"StyleMenu", "CharSetM", "キャラクタセット", "", "|通常はSHIFTJISモードにしておくと無難です。",
     kSubMenu},
    {"CharSetM", "SHIFTJISM", "SHIFTJISモード", "",
     "|通常のモードです。主に日本語フォントをお使いください。", kRadio4 | kChecked},
    {"CharSetM", "SJISOFFM", "SJISモード解除", "", "|英語フォントを綺麗に見せるモードです。",
     kRadio4},
    {"CharSetM", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"CharSetM", "TextSJISM", "現在のテキスト", "", "", kSubMenu},
    {"TextSJISM", "TextAllSJISM", "すべてSJISに", "",
     "|編集中の文章の文字セットをSHIFTJISにします。", 0},
    {"TextSJISM", "TextNoneSJISM", "SJIS解除", "",
     "|編集中の文章の文字セットをSHIFTJISから解除します。", 0},

    {"", "ToolM", "ツール(&T)", "", "", kSubMenu},
    {"ToolM", "aa1", "選択文字変換", "", "", kSubMenu},
    {"aa1", "ToHankakuM", "半角にする", "Ctrl+Shift+H", "|選択範囲の文字を半角になるようにします。",
     0},
    {"aa1", "ToZenkakuM", "全角にする", "Ctrl+Shift+J", "|選択範囲の文字を全角にします。", 0},
    {"aa1", "KanaToZenM", "半角カナだけ全角に", "Ctrl+Shift+K",
     "|選択範囲の文字中の半角カナを全角にします。", 0},
    {"aa1", "ToUpperM", "大文字にする", "Ctrl+Shift+U", "|選択範囲の文字を大文字にします。", 0},
    {"aa1", "ToLowerM", "小文字にする", "Ctrl+Shift+L", "|選択範囲の文字を小文字にします。", 0},
    {"ToolM", "CRLFM", "改行コード復帰", "", "|改行コードが崩れた場合元に戻します。", 0},
    {"ToolM", "CountM", "選択文字数カウント", "Ctrl+Shift+C",
     "|選択範囲中の文字数をカウントします。", 0},
    {"ToolM", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ToolM", "IndentM", "インデント", "Ctrl+Shift+I", "|引用記号を行頭に追加します。", 0},
    {"ToolM", "IndentStrM", "インデント記号設定", "", "|選択した文字をインデント記号に採用します。",
     0},
    {"ToolM", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ToolM", "YokoHTMLM", "横書きHTML生成", "",
     "|拡張子『.html』の横書きのHTMLファイルを生成します。", 0},
    {"ToolM", "TateHTMLM", "縦書きHTML生成", "", "", kSubMenu},
    {"TateHTMLM", "THTML0", "方式-その零", "", "|縦書きHTMLを方式-その零で生成します。", 0},
    {"TateHTMLM", "THTML1", "方式-その壱", "", "|縦書きHTMLを方式-その壱で生成します。", 0},
    {"TateHTMLM", "THTML2", "方式-その弐", "", "|縦書きHTMLを方式-その弐で生成します。", 0},
    {"TateHTMLM", "THTML3", "方式-その参", "", "|縦書きHTMLを方式-その参で生成します。", 0},
    {"TateHTMLM", "THTML4", "方式-その四", "", "|縦書きHTMLを方式-その四で生成します。", 0},
    {"ToolM", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"ToolM", "TateTextM", "縦書きテキスト＞＞ ", "",
     "|縦書きのテキストをクリップボードに取得します。", 0},
    {"ToolM", "TextImageM", "テキスト画像　＞＞", "",
     "|テキストを画像としてクリップボードに取得します。", 0},

    {"", "Help1", "ヘルプ(&H)", "", "", kSubMenu},
    {"Help1", "Contents1", "HTMLヘルプ(&C)", "", "|ヘルプを表示します。", 0},
};

// Popup menus: PopupMenu1 on the bar areas and the ruler, PopupMenu2 on the views, PopupMenu3 on
// the font bar and the address box.
const MenuRow kPopups[] = {
    {"PopupMenu1", "ToolBarPop", "ツールバー", "", "|ツールバーの表示を切り替えます。", kCheck},
    {"PopupMenu1", "FindBarPop", "検索バー", "", "|検索バーの表示を切り替えます。", kCheck},
    {"PopupMenu1", "FontBarPop", "フォントバー", "", "|フォントバーの表示を切り替えます。", kCheck},
    {"PopupMenu1", "StyleBarPop", "書式バー", "", "|書式バーの表示を切り替えます。", kCheck},
    {"PopupMenu1", "AddressBarPop", "アドレスバー", "", "|アドレスバーの表示を切り替えます。",
     kCheck},
    {"PopupMenu1", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"PopupMenu1", "BarAllPop", "一括表示", "", "|すべてのバーを表示します。", 0},
    {"PopupMenu1", "BarNonePop", "一括消去", "", "|すべてのバーを隠します。", 0},
    {"PopupMenu1", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"PopupMenu1", "BarNormalPop", "標準", "", "|バーをすべて上に並べます。", kRadio1 | kChecked},
    {"PopupMenu1", "BarTatePop", "一部を縦", "", "|ツールバーと検索バーを右側に縦に置きます。",
     kRadio1},
    {"PopupMenu1", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"PopupMenu1", "BarStringsPop", "バーの文字列", "", "|バーの名前の表示を切り替えます。",
     kCheck},
    {"PopupMenu1", "RulerPop", "ルーラー", "", "|ルーラーの表示を切り替えます。", kCheck},

    {"PopupMenu2", "CutPop", "切り取り(&T)", "", "|選択範囲を切り取ってクリップボードに移します。",
     0},
    {"PopupMenu2", "CopyPop", "コピー(&C)", "", "|選択範囲をクリップボードにコピーします。", 0},
    {"PopupMenu2", "PastePop", "貼り付け(&P)", "", "|クリップボードの内容を貼り付けます。", 0},
    {"PopupMenu2", "DeletePop", "削除(&D)", "", "|選択範囲を削除します。", 0},
    {"PopupMenu2", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"PopupMenu2", "AllSelectPop", "すべて選択(&L)", "", "|文書全体を選択します。", 0},
    {"PopupMenu2", "RowSelectPop", "行を選択", "", "|カーソルのある行を選択します。", 0},
    {"PopupMenu2", "RowDeletePop", "行を削除", "", "|カーソルのある行を削除します。", 0},
    {"PopupMenu2", nullptr, nullptr, nullptr, nullptr, kSeparator},
    {"PopupMenu2", "UndoPop", "元に戻す(&U)", "", "|直前の操作を取り消します。", 0},
    {"PopupMenu2", "RedoPop", "やり直し(&R)", "", "|取り消した操作をやり直します。", 0},

    {"PopupMenu3", "FNCACopyPop", "コピー", "", "", 0},
    {"PopupMenu3", "RGBCopyPop", "#RGB形式コピー", "", "", 0},
    {"PopupMenu3", "BGColorPop", "バックグラウンドカラー", "", "", 0},
    {"PopupMenu3", "AddressPastePop", "アドレス貼り付け", "", "", 0},
};

// Popup items and the menu item whose command they run (they follow its enabled state).
const std::pair<const char*, const char*> kPopupCommands[] = {
    {"ToolBarPop", "ToolBarM"},
    {"FindBarPop", "FindBarM"},
    {"FontBarPop", "FontBarM"},
    {"StyleBarPop", "StyleBarM"},
    {"AddressBarPop", "AddressBarM"},
    {"BarAllPop", "BarALLM"},
    {"BarNonePop", "BarNoneM"},
    {"BarNormalPop", "BarNormalM"},
    {"BarTatePop", "BarTateM"},
    {"BarStringsPop", "BarStringsM"},
    {"RulerPop", "RulerM"},
    {"CutPop", "CutM"},
    {"CopyPop", "CopyM"},
    {"PastePop", "PasteM"},
    {"DeletePop", "DeleteM"},
    {"AllSelectPop", "AllSelectM"},
    {"RowSelectPop", "RowSelectM"},
    {"RowDeletePop", "RowDeleteM"},
    {"UndoPop", "UndoM"},
    {"RedoPop", "RedoM"},
};

// Key names written after a tab beside these items, so that the menu shows the key also where
// the item has no binding of its own.
const std::pair<const char*, const char*> kKeyLabels[] = {
    {"UndoM", "Ctrl+Z"},         {"RedoM", "Shift+Ctrl+Z"}, {"AllSelectM", "Ctrl+A"},
    {"CutM", "Ctrl+X"},          {"CopyM", "Ctrl+C"},       {"PasteM", "Ctrl+V"},
    {"DeleteM", "Delete"},       {"HomeM", "Home"},         {"EndM", "End"},
    {"CHomeM", "Ctrl+Home"},     {"CEndM", "Ctrl+End"},     {"TateTextM", "ClipBoard"},
    {"TextImageM", "ClipBoard"},
};

// Commands this window carries out itself. Every other command stays disabled until its command
// group installs itself (TOMFormPending.cpp) and enables it.
const char* const kOwnCommands[] = {
    "ExitM",    "CutM",        "CopyM",     "PasteM",      "DeleteM",  "AllSelectM",   "ToolBarM",
    "FindBarM", "FontBarM",    "StyleBarM", "AddressBarM", "BarALLM",  "BarNoneM",     "BarNormalM",
    "BarTateM", "BarStringsM", "S2NoneM",   "S2UeShitaM",  "S2SaYuuM", "WordWrapOffM",
};

void SetHint(QAction* a, const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    const QString shortHint = bar < 0 ? hint : hint.left(bar);
    const QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
    a->setToolTip(shortHint.isEmpty() ? a->text().remove(QLatin1Char('&')) : shortHint);
    a->setStatusTip(longHint);
}
}  // namespace

void TOMForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QHash<QString, QMenu*> menus;
    std::array<QActionGroup*, 4> groups{};
    for (int g = 0; g < 4; ++g) {
        groups[size_t(g)] = new QActionGroup(this);
        groups[size_t(g)]->setExclusive(true);
    }
    for (const MenuRow& row : kMenuBar) {
        const QString parent = QString::fromUtf8(row.parent);
        QMenu* into = parent.isEmpty() ? nullptr : menus.value(parent);
        if (row.flags & kSeparator) {
            into->addSeparator();
            continue;
        }
        const QString name = QString::fromUtf8(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        if (row.flags & kSubMenu) {
            QMenu* m = into ? into->addMenu(caption) : bar->addMenu(caption);
            m->setObjectName(name);
            m->menuAction()->setObjectName(name);
            SetHint(m->menuAction(), QString::fromUtf8(row.hint));
            m->setToolTipsVisible(false);
            menus.insert(name, m);
            actions_.insert(name, m->menuAction());
            continue;
        }
        QAction* a = into->addAction(caption);
        a->setObjectName(name);
        if (*row.shortcut) a->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
        SetHint(a, QString::fromUtf8(row.hint));
        if (row.flags & (kCheck | kRadio1 | kRadio2 | kRadio3 | kRadio4)) a->setCheckable(true);
        for (int g = 0; g < 4; ++g)
            if (row.flags & (kRadio1 << g)) groups[size_t(g)]->addAction(a);
        if (row.flags & kChecked) a->setChecked(true);
        actions_.insert(name, a);
    }
    // Disabled until their command groups arrive.
    QSet<QString> own;
    for (const char* n : kOwnCommands) own.insert(QString::fromUtf8(n));
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        if (it.value()->menu()) continue;
        it.value()->setEnabled(own.contains(it.key()));
    }
    connect(Command("ExitM"), &QAction::triggered, this, &TOMForm::ExitMClick);
    connect(Command("CutM"), &QAction::triggered, this, &TOMForm::CutMClick);
    connect(Command("CopyM"), &QAction::triggered, this, &TOMForm::CopyMClick);
    connect(Command("PasteM"), &QAction::triggered, this, &TOMForm::PasteMClick);
    connect(Command("DeleteM"), &QAction::triggered, this, &TOMForm::DeleteMClick);
    connect(Command("AllSelectM"), &QAction::triggered, this, &TOMForm::AllSelectMClick);
    connect(Command("CtrlTabM"), &QAction::triggered, this, &TOMForm::CtrlTabMClick);
    connect(Command("S2NoneM"), &QAction::triggered, this, &TOMForm::S2NoneMClick);
    connect(Command("S2UeShitaM"), &QAction::triggered, this, &TOMForm::S2UeShitaMClick);
    connect(Command("S2SaYuuM"), &QAction::triggered, this, &TOMForm::S2SaYuuMClick);
    connect(Command("WordWrapOffM"), &QAction::triggered, this, &TOMForm::WordWrapOffMClick);
    connect(Command("TateModeM"), &QAction::triggered, this, &TOMForm::TateModeMClick);
    connect(Command("YokoModeM"), &QAction::triggered, this, &TOMForm::YokoModeMClick);
    const char* barItems[] = {"ToolBarM", "FindBarM", "FontBarM", "StyleBarM", "AddressBarM"};
    for (int i = 0; i < 5; ++i)
        connect(Command(barItems[i]), &QAction::triggered, this, [this, i] { BarToggle(i); });
    connect(Command("BarALLM"), &QAction::triggered, this, &TOMForm::BarALLMClick);
    connect(Command("BarNoneM"), &QAction::triggered, this, &TOMForm::BarNoneMClick);
    connect(Command("BarNormalM"), &QAction::triggered, this, &TOMForm::BarNormalMClick);
    connect(Command("BarTateM"), &QAction::triggered, this, &TOMForm::BarTateMClick);
    connect(Command("BarStringsM"), &QAction::triggered, this, &TOMForm::BarStringsMClick);
}

void TOMForm::BuildPopupMenus() {
    for (int i = 0; i < 3; ++i) {
        popups_[size_t(i)] = new QMenu(this);
        popups_[size_t(i)]->setObjectName(QStringLiteral("PopupMenu%1").arg(i + 1));
    }
    QActionGroup* arrangement = new QActionGroup(this);
    for (const MenuRow& row : kPopups) {
        const int n = QString::fromUtf8(row.parent).right(1).toInt();
        QMenu* m = popups_[size_t(n - 1)];
        if (row.flags & kSeparator) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(QString::fromUtf8(row.caption));
        a->setObjectName(QString::fromUtf8(row.name));
        SetHint(a, QString::fromUtf8(row.hint));
        if (row.flags & (kCheck | kRadio1)) a->setCheckable(true);
        if (row.flags & kRadio1) arrangement->addAction(a);
        if (row.flags & kChecked) a->setChecked(true);
        a->setEnabled(false);
        actions_.insert(a->objectName(), a);
    }
    // Popup items run their menu item's command and follow its enabled state.
    for (const auto& [pop, item] : kPopupCommands) {
        QAction* p = Action(QString::fromUtf8(pop));
        QAction* m = Action(QString::fromUtf8(item));
        p->setEnabled(m->isEnabled());
        connect(m, &QAction::enabledChanged, p, &QAction::setEnabled);
        connect(p, &QAction::triggered, m, [m] { m->trigger(); });
    }
}

void TOMForm::AddKeyLabels() {
    for (const auto& [name, key] : kKeyLabels) {
        QAction* a = Action(QString::fromUtf8(name));
        const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
        a->setText(text + QLatin1Char('\t') + QString::fromUtf8(key));
    }
}

QAction* TOMForm::Action(const QString& name) const {
    return actions_.value(name, nullptr);
}

void TOMForm::ReportMissingName(const QString& name) {
    missingNames_ << name;
    bool strict = !qEnvironmentVariableIsEmpty("ORIMAKI_STRICT_NAMES");
#ifndef NDEBUG
    strict = true;
#endif
    if (strict) qFatal("The main window has no command named %s", qPrintable(name));
    qCritical("The main window has no command named %s", qPrintable(name));
}

QAction* TOMForm::Command(const char* name) {
    const QString n = QString::fromUtf8(name);
    if (QAction* a = Action(n)) return a;
    ReportMissingName(n);
    auto* standIn = new QAction(this);
    standIn->setEnabled(false);
    return standIn;
}

QToolButton* TOMForm::Button(const char* name) {
    const QString n = QString::fromUtf8(name);
    if (auto* b = findChild<QToolButton*>(n)) return b;
    ReportMissingName(n);
    auto* standIn = new QToolButton(this);
    standIn->hide();
    standIn->setEnabled(false);
    return standIn;
}

QMenu* TOMForm::PopupMenu(int n) const {
    return (n >= 1 && n <= 3) ? popups_[size_t(n - 1)] : nullptr;
}

void TOMForm::EnableCommand(const QString& name, bool enabled) {
    QAction* a = Action(name);
    if (!a && !linked_.contains(name)) {
        ReportMissingName(name);
        return;
    }
    if (a) a->setEnabled(enabled);
    for (const QPointer<QWidget>& w : linked_.values(name))
        if (w) w->setEnabled(enabled);
}

void TOMForm::LinkButton(QToolButton* button, const QString& command) {
    QAction* a = Action(command);
    if (!a) return;
    button->setEnabled(a->isEnabled());
    linked_.insert(command, button);
    connect(a, &QAction::enabledChanged, button, &QWidget::setEnabled);
    connect(button, &QToolButton::clicked, a, [a] {
        if (a->isEnabled()) a->trigger();
    });
}

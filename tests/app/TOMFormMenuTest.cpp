// The menu bar and popup menus against the system's own table: every item in its place with
// its name, caption and shortcut; the items of later command groups visible but disabled.

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "MainWindowTestSupport.h"

namespace {

struct Item {
    const char* name;  // "-" for a separator, "" parent "" for top-level menus
    const char* caption;
    const char* shortcut;
};

struct MenuRow {
    const char* menu;
    const char* caption;
    std::vector<Item> items;
};

// Written from the menu list of the main window.
const std::vector<MenuRow> kMenus = {
    {"FileMenu",
     "ファイル(&F)",
     {{"NewFileM", "新規作成(&N)", ""},
      {"OpenM", "開く(&O)", "Ctrl+O"},
      {"SaveM", "上書き保存(&S)", "Ctrl+S"},
      {"SaveAsM", "名前を付けて保存(&A)...", ""},
      {"-", "", ""},
      {"PrintPrevM", "印刷プレビュー(&V)", ""},
      {"PrintDlgM", "印刷設定", ""},
      {"PrintM", "印刷(&P)", "Ctrl+P"},
      {"-", "", ""},
      {"ExitM", "終了(&X)", ""}}},
    {"EditMenu",
     "編集(&E)",
     {{"UndoM", "元に戻す(&U)", "Ctrl+Z"},
      {"RedoM", "やり直し(&R)", "Ctrl+Shift+Z"},
      {"-", "", ""},
      {"CutM", "切り取り(&T)", "Ctrl+X"},
      {"CopyM", "コピー(&C)", "Ctrl+C"},
      {"PasteM", "貼り付け(&P)", "Ctrl+V"},
      {"DeleteM", "削除(&D)", ""},
      {"-", "", ""},
      {"AllSelectM", "すべて選択(&L)", "Ctrl+A"},
      {"RowSelectM", "行を選択", "Ctrl+L"},
      {"RowDeleteM", "行を削除", "Ctrl+Y"},
      {"-", "", ""},
      {"HomeM", "行頭へ移動", ""},
      {"EndM", "行末へ移動", ""},
      {"CHomeM", "ファイル先頭へ移動", ""},
      {"CEndM", "ファイル終端へ移動", ""},
      {"-", "", ""},
      {"CtrlTabM", "隣の画面へ移動", "Ctrl+Tab"}}},
    {"FindMenu",
     "検索(&S)",
     {{"FindM", "検索(&F)...", "Ctrl+F"},
      {"ReplaceM", "置換(&E)...", "Ctrl+R"},
      {"-", "", ""},
      {"FindEXM", "なぞって検索", "Ctrl+E"},
      {"FindNextM", "次を検索", "F3"},
      {"FindHeadM", "ファイル先頭から検索", ""},
      {"FindBackM", "前を検索", "Shift+F3"},
      {"-", "", ""},
      {"ReplaceRunM", "置換え実行", "F4"}}},
    {"ShowMenu",
     "表示(&V)",
     {{"BarShowM", "バーの表示", ""},
      {"BarPlaceM", "バーの配置", ""},
      {"BarStringsM", "バーの文字列", ""},
      {"RulerM", "ルーラー", ""},
      {"-", "", ""},
      {"WritingModeM", "縦書きモード", ""},
      {"SplitM", "２つに分割", ""},
      {"-", "", ""},
      {"WordWrapOffM", "端で折り返さない。", ""},
      {"-", "", ""},
      {"ShowOptionM", "オプション", ""}}},
    {"BarShowM",
     "バーの表示",
     {{"ToolBarM", "ツールバー", ""},
      {"FindBarM", "検索バー", ""},
      {"FontBarM", "フォントバー", ""},
      {"StyleBarM", "書式バー", ""},
      {"AddressBarM", "アドレスバー", ""},
      {"-", "", ""},
      {"BarALLM", "一括表示", ""},
      {"BarNoneM", "一括消去", ""}}},
    {"BarPlaceM", "バーの配置", {{"BarNormalM", "標準", ""}, {"BarTateM", "一部を縦", ""}}},
    {"WritingModeM", "縦書きモード", {{"TateModeM", "縦書き", ""}, {"YokoModeM", "横書き", ""}}},
    {"SplitM",
     "２つに分割",
     {{"S2NoneM", "分割しない", ""},
      {"S2UeShitaM", "縦（上下）に分割", ""},
      {"S2SaYuuM", "横（左右）に分割", ""}}},
    {"StyleMenu",
     "書式(&O)",
     {{"FontNameM", "フォント名", "Ctrl+M"},
      {"FontSizeM", "フォントサイズ", "Ctrl+H"},
      {"FontColorM", "フォントカラー", "Ctrl+I"},
      {"ColorBtnM", "カラーボタン", "Ctrl+U"},
      {"FontStyleM", "スタイル", ""},
      {"AlignM", "配置", ""},
      {"BulletM", "箇条書き", "Ctrl+D"},
      {"-", "", ""},
      {"CharSetM", "キャラクタセット", ""}}},
    {"FontStyleM",
     "スタイル",
     {{"BoldM", "太字Bold", "Ctrl+B"},
      {"ItalicM", "斜体Italic", "Ctrl+N"},
      {"UnderLineM", "下線UnderLine", "Ctrl+K"},
      {"StrikeOutM", "取消し線StrikeOut", "Ctrl+T"}}},
    {"AlignM",
     "配置",
     {{"RowLeftM", "左寄せ", ""}, {"RowCenterM", "センタリング", ""}, {"RowRightM", "右寄せ", ""}}},
    {"CharSetM",
     "キャラクタセット",
     {{"SHIFTJISM", "SHIFTJISモード", ""},
      {"SJISOFFM", "SJISモード解除", ""},
      {"-", "", ""},
      {"TextSJISM", "現在のテキスト", ""}}},
    {"TextSJISM",
     "現在のテキスト",
     {{"TextAllSJISM", "すべてSJISに", ""}, {"TextNoneSJISM", "SJIS解除", ""}}},
    {"ToolM",
     "ツール(&T)",
     {{"aa1", "選択文字変換", ""},
      {"CRLFM", "改行コード復帰", ""},
      {"CountM", "選択文字数カウント", "Ctrl+Shift+C"},
      {"-", "", ""},
      {"IndentM", "インデント", "Ctrl+Shift+I"},
      {"IndentStrM", "インデント記号設定", ""},
      {"-", "", ""},
      {"YokoHTMLM", "横書きHTML生成", ""},
      {"TateHTMLM", "縦書きHTML生成", ""},
      {"-", "", ""},
      {"TateTextM", "縦書きテキスト＞＞ ", ""},
      {"TextImageM", "テキスト画像　＞＞", ""}}},
    {"aa1",
     "選択文字変換",
     {{"ToHankakuM", "半角にする", "Ctrl+Shift+H"},
      {"ToZenkakuM", "全角にする", "Ctrl+Shift+J"},
      {"KanaToZenM", "半角カナだけ全角に", "Ctrl+Shift+K"},
      {"ToUpperM", "大文字にする", "Ctrl+Shift+U"},
      {"ToLowerM", "小文字にする", "Ctrl+Shift+L"}}},
    {"TateHTMLM",
     "縦書きHTML生成",
     {{"THTML0", "方式-その零", ""},
      {"THTML1", "方式-その壱", ""},
      {"THTML2", "方式-その弐", ""},
      {"THTML3", "方式-その参", ""},
      {"THTML4", "方式-その四", ""}}},
    {"Help1", "ヘルプ(&H)", {{"Contents1", "HTMLヘルプ(&C)", ""}}},
    {"PopupMenu2",
     "",
     {{"CutPop", "切り取り(&T)", ""},
      {"CopyPop", "コピー(&C)", ""},
      {"PastePop", "貼り付け(&P)", ""},
      {"DeletePop", "削除(&D)", ""},
      {"-", "", ""},
      {"AllSelectPop", "すべて選択(&L)", ""},
      {"RowSelectPop", "行を選択", ""},
      {"RowDeletePop", "行を削除", ""},
      {"-", "", ""},
      {"UndoPop", "元に戻す(&U)", ""},
      {"RedoPop", "やり直し(&R)", ""}}},
};

class MenuTableTest : public MainWindowTest, public ::testing::WithParamInterface<MenuRow> {};

QString Caption(const QAction* a) {
    return a->text().section(QLatin1Char('\t'), 0, 0);
}

TEST_P(MenuTableTest, ItemsInOrderWithCaptionsAndShortcuts) {
    TOMForm* f = Start();
    const MenuRow& row = GetParam();
    QMenu* menu = f->findChild<QMenu*>(QString::fromUtf8(row.menu));
    ASSERT_NE(menu, nullptr) << row.menu;
    if (*row.caption) {
        EXPECT_EQ(menu->title(), QString::fromUtf8(row.caption));
    }
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(row.items.size())) << row.menu;
    for (size_t i = 0; i < row.items.size(); ++i) {
        const Item& it = row.items[i];
        QAction* a = actions[qsizetype(i)];
        if (QString::fromUtf8(it.name) == QLatin1String("-")) {
            EXPECT_TRUE(a->isSeparator()) << row.menu << " #" << i;
            continue;
        }
        EXPECT_EQ(a->objectName(), QString::fromUtf8(it.name)) << row.menu << " #" << i;
        EXPECT_EQ(Caption(a), QString::fromUtf8(it.caption)) << it.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(it.shortcut))) << it.name;
        EXPECT_EQ(f->Action(QString::fromUtf8(it.name)), a) << it.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MenuTableTest, ::testing::ValuesIn(kMenus));

TEST_F(MainWindowTest, MenuBarHoldsTheSevenMenusInOrder) {
    TOMForm* f = Start();
    QStringList names;
    for (QAction* a : f->menuBar()->actions()) names << a->objectName();
    EXPECT_EQ(names, (QStringList{"FileMenu", "EditMenu", "FindMenu", "ShowMenu", "StyleMenu",
                                  "ToolM", "Help1"}));
}

struct KeyLabel {
    const char* name;
    const char* label;
};

// Key names shown beside items, also where the item has no binding of its own.
const KeyLabel kLabels[] = {
    {"UndoM", "Ctrl+Z"},         {"RedoM", "Shift+Ctrl+Z"}, {"AllSelectM", "Ctrl+A"},
    {"CutM", "Ctrl+X"},          {"CopyM", "Ctrl+C"},       {"PasteM", "Ctrl+V"},
    {"DeleteM", "Delete"},       {"HomeM", "Home"},         {"EndM", "End"},
    {"CHomeM", "Ctrl+Home"},     {"CEndM", "Ctrl+End"},     {"TateTextM", "ClipBoard"},
    {"TextImageM", "ClipBoard"},
};

TEST_F(MainWindowTest, KeyNamesFollowTheCaptions) {
    TOMForm* f = Start();
    for (const KeyLabel& k : kLabels) {
        QAction* a = f->Action(QString::fromUtf8(k.name));
        EXPECT_EQ(a->text().section(QLatin1Char('\t'), 1), QString::fromUtf8(k.label)) << k.name;
    }
    EXPECT_TRUE(f->Action("HomeM")->shortcut().isEmpty());  // a label, not a binding
}

TEST_F(MainWindowTest, CommandsOfLaterGroupsAreVisibleButDisabled) {
    TOMForm* f = Start();
    for (const char* n : {"FindM"}) {
        QAction* a = f->Action(QString::fromUtf8(n));
        ASSERT_NE(a, nullptr) << n;
        EXPECT_TRUE(a->isVisible()) << n;
        EXPECT_FALSE(a->isEnabled()) << n;
    }
    for (const char* n : {"ExitM", "PasteM", "AllSelectM", "S2UeShitaM", "BarALLM", "NewFileM",
                          "OpenM", "SaveAsM", "WordWrapOffM", "RowSelectM", "CEndM", "BoldM",
                          "THTML0", "THTML4", "TateTextM", "YokoHTMLM", "CountM",
                          "ToHankakuM", "SHIFTJISM", "TextImageM", "RulerM",
                          "RulerPop", "FNCACopyPop", "RGBCopyPop", "BGColorPop", "AddressPastePop",
                          "PrintPrevM", "PrintDlgM", "PrintM"})
        EXPECT_TRUE(f->Action(QString::fromUtf8(n))->isEnabled()) << n;
    // The tool buttons follow their menu items.
    EXPECT_TRUE(f->findChild<QToolButton*>(QStringLiteral("PrintTB"))->isEnabled());
    EXPECT_TRUE(f->findChild<QToolButton*>(QStringLiteral("ToolButton6"))->isEnabled());
    EXPECT_TRUE(f->findChild<QToolButton*>(QStringLiteral("ToolButton2"))->isEnabled());
}

// Every named control of the bars.
TEST_F(MainWindowTest, BarsHoldTheirNamedControls) {
    TOMForm* f = Start();
    const char* names[] = {
        "NewFileTB",    "OpenFileTB",  "SaveFileTB",      "PrintTB",          "PrintPrevTB",
        "TextModeTB",   "S2UeShitaTB", "S2SaYuuTB",       "UndoTB",           "RedoTB",
        "CutTB",        "CopyTB",      "PasteTB",         "DeleteTB",         "ToolButton1",
        "ToolButton2",  "SaveFileTB2", "ToolButton5",     "ToolButton6",      "TextModeTB2",
        "S2UeShitaTB2", "S2SaYuuTB2",  "Undo2TB",         "Redo2TB",          "CutTB2",
        "CopyTB2",      "PasteTB2",    "DeleteTB2",       "FindTB",           "ReplaceTB",
        "FindEXTB",     "FindNextTB",  "FindHeadTB",      "FindBackTB",       "FindTB2",
        "ReplaceTB2",   "FindEXTB2",   "FindNextTB2",     "FindHeadTB2",      "FindBackTB2",
        "FontNameCB",   "FontSizeCB",  "FontColorCLCB",   "FontColorCuteBtn", "BoldTB",
        "ItalicTB",     "UnderLineTB", "StrikeOutTB",     "RowLeftTB",        "RowCenterTB",
        "RowRightTB",   "BulletTB",    "BLineRockCheckB", "BaseLineEdit",     "BaseLineTBar",
        "AddressTB",    "ADeskTopTB",  "AddressEdit",     "ExtCuBtn",         "StatusBar1",
        "EditPanel",    "Ruler",       "RichEditEx1",     "RichEditEx2",      "PopupMenu1",
        "PopupMenu2",   "PopupMenu3",
    };
    for (const char* n : names)
        EXPECT_NE(f->findChild<QObject*>(QString::fromUtf8(n)), nullptr) << n;
}

}  // namespace

// Commands are looked up by names the program checks: every name the window's command groups
// asked for exists, and a name that does not stops the program at once instead of handing out a
// null pointer to be followed later.
TEST_F(MainWindowTest, CommandNamesAreCheckedWhenTheWindowIsBuilt) {
    TOMForm* f = Start();
    EXPECT_TRUE(f->MissingNames().isEmpty())
        << f->MissingNames().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(f->Command("UndoM"), f->Action(QStringLiteral("UndoM")));
    EXPECT_EQ(f->Button("Undo2TB")->objectName(), QStringLiteral("Undo2TB"));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(f->Command("UndoMenuItemThatIsNot"), "no command named UndoMenuItemThatIsNot");
    EXPECT_DEATH(f->Button("NoSuchTB"), "no command named NoSuchTB");
}

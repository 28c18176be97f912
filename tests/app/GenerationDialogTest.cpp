// The vertical HTML dialog and the vertical text dialog: texts, per-method set-up, reactions,
// stored values and histories.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "MainWindowTestSupport.h"
#include "vertical/ui/TCancelForm.h"
#include "vertical/ui/THTMLForm.h"
#include "vertical/ui/TPreImagePanel.h"
#include "vertical/ui/TRadioGroup.h"
#include "vertical/ui/TScrollingLabel.h"
#include "vertical/ui/TTateTextForm.h"

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

template <typename T>
T* Get(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(U(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class GenerationDialog : public MainWindowTest {
protected:
    void Open(THTMLForm& f, int method, const QString& address = U("/tmp/作品.txt")) {
        f.SetUpForMethod(method, clWhite);
        f.LoadValues(SettingsStore(), address);
    }
};

// Every text of the HTML dialog, as control name and text.
struct TextRow {
    const char* name;
    const char* text;
};
const TextRow kCheckTexts[] = {
    {"ClipChk", "クリップボード取得"},
    {"LinkChk", "ハイパーリンクを使う"},
    {"TextInChkBox", "元文章をHTMLファイルの最後に埋め込む"},
    {"MacFontChk", "マック用フォントを考慮する"},
    {"OpenHtmlChk", "ファイル生成後、ブラウザで確認する"},
    {"LineHeightChk", "Ｂ：文字間隔"},
    {"NameChk", "フォント名"},
    {"SizeChk", "フォントサイズ"},
    {"StyleChk", "フォントスタイル"},
    {"ColorChk", "フォントカラー"},
};
const TextRow kLabelTexts[] = {
    {"NameLabel", "生成HTMLファイル名"},
    {"TitleLabel", "生成ページのタイトル"},
    {"BGLabel", "背景画像指定"},
    {"AlignNote", "文章全体の配置を決めます。"},
    {"LineCountLabel", "Ａ：1段落の行数"},
    {"SpaceLabel", "Ｃ：行間隔"},
    {"FontSizeLabel", "HTMLフォントサイズ\n（右はRTFフォントサイズ）"},
    {"DFont2Note", "等幅を選択すると\n行間が広がります。"},
    {"TenSelectNote", "横に配置を選択すると\n行間が広がります。"},
    {"LSelectNote", "機種依存文字『∟』は\nWindows専用の文字です。"},
    {"HtmlLineNote", "HTML<HR>の場合\n段落数は入りません"},
};
const TextRow kHints[] = {
    {"OptionFrame", "このスイッチは\n方式その壱で行間が０の時のみ有効です。"},
    {"LSelectFrame", "方式その壱では\n行間が０の時のみ有効です。"},
    {"LineHeightChk", "チェックしてある場合のみ\nLineHeightタグの指定を行います。"},
};
struct GroupRow {
    const char* name;
    const char* caption;
    std::vector<const char*> items;
};
const GroupRow kGroups[] = {
    {"AlignRGroup", "センタリング", {"右寄せ", "中央寄せ", "左寄せ"}},
    {"DFont1RGroup", "標準書体指定１", {"指定する", "代わりに等幅タグを指定", "何も指定しない"}},
    {"DFont2RGroup",
     "標準書体指定２",
     {"ﾌﾟﾛﾎﾟｰｼｮﾅﾙﾌｫﾝﾄ", "等幅フォント", "等幅タグを指定", "何も指定しない"}},
    {"TenSelectRGroup",
     "句読点変換",
     {"『｀』『゜』に変換する", "半角スペース+『｀』『゜』", "『、』『。』のまま横に配置",
      "半角『,』『.』にして横に配置"}},
    {"LSelectRGroupe",
     "括弧閉じる文字指定",
     {"機種依存文字『∟』にする", "『L』エルにする", "『└』罫線にする"}},
    {"HtmlLineRGroup", "段落線", {"通常のテキスト", "HTML<HR>の横罫線", "段落線は使用しない"}},
};

TEST_F(GenerationDialog, HtmlDialogTextsPagesGroupsAndHints) {
    THTMLForm f;
    Open(f, 3);
    auto* pages = Get<QTabWidget>(&f, "PageControl1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), U("全般"));
    EXPECT_EQ(pages->tabText(1), U("プレビュー"));
    EXPECT_EQ(pages->tabText(2), U("句読点など"));
    for (const TextRow& r : kCheckTexts) EXPECT_EQ(Get<QCheckBox>(&f, r.name)->text(), U(r.text));
    for (const TextRow& r : kLabelTexts) {
        EXPECT_EQ(Get<QLabel>(&f, r.name)->text(), U(r.text));
        // "HTML<HR>" must read as it stands, not as markup.
        EXPECT_EQ(Get<QLabel>(&f, r.name)->textFormat(), Qt::PlainText) << r.name;
    }
    for (const TextRow& r : kHints) EXPECT_EQ(Get<QWidget>(&f, r.name)->toolTip(), U(r.text));
    for (const GroupRow& g : kGroups) {
        auto* group = Get<TRadioGroup>(&f, g.name);
        EXPECT_EQ(group->title(), U(g.caption)) << g.name;
        QStringList items;
        for (const char* i : g.items) items << U(i);
        EXPECT_EQ(group->Items(), items) << g.name;
    }
    EXPECT_EQ(Get<QGroupBox>(&f, "FontSwitchBox")->title(), U("有効にするフォントスイッチ"));
    EXPECT_EQ(Get<QGroupBox>(&f, "StandardFontBox")->title(), U("標準書体"));
    EXPECT_EQ(Get<QRadioButton>(&f, "GosicRadio")->text(), U("ＭＳ ゴシック"));
    EXPECT_EQ(Get<QRadioButton>(&f, "MinchoRadio")->text(), U("ＭＳ 明朝"));
    QStringList sizes;
    auto* sizeBox = Get<QComboBox>(&f, "FontSizeCBox");
    for (int i = 0; i < sizeBox->count(); ++i) sizes << sizeBox->itemText(i);
    EXPECT_EQ(sizes, QStringList({U("１・・１～９"), U("２・・１０～１１"), U("３・・１２～１３"),
                                  U("４・・１４～１６"), U("５・・１７～２１"),
                                  U("６・・２２～３３"), U("７・・それ以上")}));
    EXPECT_EQ(Get<QPushButton>(&f, "OKBtn")->text(), U("OK"));
    EXPECT_EQ(Get<QPushButton>(&f, "CancelBtn")->text(), U("キャンセル"));
    EXPECT_EQ(Get<QPushButton>(&f, "ApplyBtn")->text(), U("適用"));
    struct Range {
        const char* name;
        int lo, hi;
    };
    for (const Range& r :
         {Range{"LineCountUD", 1, 399}, Range{"LineHeightUD", 5, 20}, Range{"SpaceUD", 0, 15}}) {
        EXPECT_EQ(Get<QSpinBox>(&f, r.name)->minimum(), r.lo) << r.name;
        EXPECT_EQ(Get<QSpinBox>(&f, r.name)->maximum(), r.hi) << r.name;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.PreImage()->Sample(i)->text().remove(QLatin1Char('\n')),
                  TPreImagePanel::SampleText(i));
    EXPECT_EQ(TPreImagePanel::SampleText(0), U("あいうえお"));
    EXPECT_EQ(TPreImagePanel::SampleText(2), U("ＡＢＣＤＥ"));
}

// Per method: caption, description, and which groups are enabled and shown.
struct MethodRow {
    int method;
    const char* caption;
    const char* descriptionStart;
    bool punctuation, quote, align;
    bool dfont1Enabled, dfont1Shown, dfont2Enabled, dfont2Shown;
    bool links;
};
const MethodRow kMethods[] = {
    {0, "縦書きHTML生成 - 方式その零", "方式その零では<PRE>タグを用いた環境依存しない", false, true,
     true, false, true, false, false, true},
    {1, "縦書きHTML生成 - 方式その壱", "方式その壱では<PRE>タグを用いた縦書きHTML", false, true,
     true, false, true, false, false, true},
    {2, "縦書きHTML生成 - 方式その弐", "方式その弐ではテーブルタグを用いた", true, true, false,
     true, true, false, false, false},
    {3, "縦書きHTML生成 - 方式その参", "方式その参では無駄の無いテーブルタグ", true, true, true,
     true, true, false, false, true},
    {4, "縦書きHTML生成 - 方式その四", "方式その四では最新のこだわりの", false, false, true, false,
     false, true, true, true},
};

TEST_F(GenerationDialog, SetUpPerMethod) {
    for (const MethodRow& r : kMethods) {
        THTMLForm f;
        Open(f, r.method);
        const std::string m = "method " + std::to_string(r.method);
        EXPECT_EQ(f.windowTitle(), U(r.caption)) << m;
        EXPECT_TRUE(f.DescriptionLine()->Text().startsWith(U(r.descriptionStart))) << m;
        EXPECT_TRUE(f.DescriptionLine()->Scrolling()) << m;
        EXPECT_EQ(Get<QWidget>(&f, "TenSelectRGroup")->isEnabled(), r.punctuation) << m;
        EXPECT_EQ(Get<QWidget>(&f, "LSelectRGroupe")->isEnabled(), r.quote) << m;
        EXPECT_EQ(Get<QWidget>(&f, "AlignRGroup")->isEnabled(), r.align) << m;
        EXPECT_EQ(Get<QWidget>(&f, "DFont1RGroup")->isEnabled(), r.dfont1Enabled) << m;
        EXPECT_EQ(!Get<QWidget>(&f, "DFont1RGroup")->isHidden(), r.dfont1Shown) << m;
        EXPECT_EQ(Get<QWidget>(&f, "DFont2RGroup")->isEnabled(), r.dfont2Enabled) << m;
        EXPECT_EQ(!Get<QWidget>(&f, "DFont2RGroup")->isHidden(), r.dfont2Shown) << m;
        EXPECT_EQ(Get<QWidget>(&f, "LinkChk")->isEnabled(), r.links) << m;
        // On an empty store the standard font controls are usable in every method (for 0 and
        // 1 although both groups are disabled).
        for (const char* n : {"GosicRadio", "MinchoRadio", "FontSizeLabel", "FontSizeCBox"})
            EXPECT_TRUE(Get<QWidget>(&f, n)->isEnabled()) << m << " " << n;
    }
}

TEST_F(GenerationDialog, DefaultsOnAnEmptyStoreAndTheAddress) {
    THTMLForm f;
    Open(f, 3, U("/home/作者/吾輩は猫である.txt"));
    const TateHtmlDialogValues v = f.Values();
    EXPECT_EQ(v.lineCount, 50);
    EXPECT_EQ(v.lineHeight, 20);
    EXPECT_TRUE(v.lineHeightOn);
    EXPECT_EQ(v.space, 1);
    EXPECT_TRUE(v.gosic);
    EXPECT_EQ(v.fsCombo, 1);
    EXPECT_TRUE(v.textIn);
    for (bool b : {v.clip, v.macFont, v.openHtml, v.link, v.name, v.size, v.style, v.color})
        EXPECT_FALSE(b);
    for (int i : {v.lSelect, v.tenSelect, v.align, v.dFont1, v.dFont2, v.htmlLine}) EXPECT_EQ(i, 0);
    EXPECT_EQ(Get<QComboBox>(&f, "TitleCBox")->currentText(), U("吾輩は猫である.txt"));
    EXPECT_EQ(f.FileName(), U("吾輩は猫である.html"));
    EXPECT_EQ(Get<QComboBox>(&f, "BGCBox")->currentText(), QString());
    EXPECT_TRUE(Get<QRadioButton>(&f, "GosicRadio")->isChecked());
    EXPECT_FALSE(Get<QRadioButton>(&f, "MinchoRadio")->isChecked());
}

TEST_F(GenerationDialog, ReactionsOfTheControls) {
    THTMLForm f;
    Open(f, 3);
    auto* clip = Get<QCheckBox>(&f, "ClipChk");
    const char* clipControls[] = {"NameLabel", "NameEdit", "TitleLabel", "TitleCBox",
                                  "BGLabel",   "BGCBox",   "OpenHtmlChk"};
    clip->setChecked(true);
    for (const char* n : clipControls) EXPECT_FALSE(Get<QWidget>(&f, n)->isEnabled()) << n;
    clip->setChecked(false);
    for (const char* n : clipControls) EXPECT_TRUE(Get<QWidget>(&f, n)->isEnabled()) << n;

    auto* lh = Get<QCheckBox>(&f, "LineHeightChk");
    lh->setChecked(false);
    EXPECT_FALSE(Get<QWidget>(&f, "LineHeightUD")->isEnabled());
    lh->setChecked(true);
    EXPECT_TRUE(Get<QWidget>(&f, "LineHeightUD")->isEnabled());

    // Standard font group 1: item 0 enables the font controls, the others disable them.
    auto* g1 = Get<TRadioGroup>(&f, "DFont1RGroup");
    for (int item : {1, 2, 0}) {
        g1->SetItemIndex(item);
        EXPECT_EQ(Get<QWidget>(&f, "FontSizeCBox")->isEnabled(), item == 0) << item;
        EXPECT_EQ(Get<QWidget>(&f, "GosicRadio")->isEnabled(), item == 0) << item;
    }
    // Group 2 (method 4): items 0 and 1 enable them.
    THTMLForm f4;
    Open(f4, 4);
    auto* g2 = Get<TRadioGroup>(&f4, "DFont2RGroup");
    for (int item : {0, 1, 2, 3}) {
        g2->SetItemIndex(item);
        EXPECT_EQ(Get<QWidget>(&f4, "FontSizeCBox")->isEnabled(), item <= 1) << item;
    }

    // The sample panel.
    TPreImagePanel* p = f.PreImage();
    Get<QCheckBox>(&f, "NameChk")->setChecked(true);
    EXPECT_EQ(p->Sample(0)->font().family(), U("ＨＧｺﾞｼｯｸE-PRO"));
    EXPECT_EQ(p->Sample(1)->font().family(), U("HG正楷書体-PRO"));
    EXPECT_EQ(p->Sample(2)->font().family(), U("HG丸ｺﾞｼｯｸM-PRO"));
    Get<QCheckBox>(&f, "NameChk")->setChecked(false);
    Get<QRadioButton>(&f, "MinchoRadio")->setChecked(true);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p->Sample(i)->font().family(), U("ＭＳ 明朝"));
    Get<QCheckBox>(&f, "SizeChk")->setChecked(true);
    EXPECT_EQ(p->Sample(2)->font().pointSize(), TPreImagePanel::kBaseSize + 2);
    EXPECT_EQ(p->Sample(1)->font().pointSize(), TPreImagePanel::kBaseSize - 2);
    Get<QCheckBox>(&f, "SizeChk")->setChecked(false);
    EXPECT_EQ(p->Sample(2)->font().pointSize(), TPreImagePanel::kBaseSize);
    Get<QCheckBox>(&f, "StyleChk")->setChecked(true);
    EXPECT_TRUE(p->Sample(0)->font().italic());
    EXPECT_TRUE(p->Sample(1)->font().bold() && p->Sample(1)->font().underline());
    EXPECT_TRUE(p->Sample(2)->font().strikeOut());
    Get<QCheckBox>(&f, "ColorChk")->setChecked(true);
    EXPECT_EQ(p->Sample(0)->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(p->Sample(1)->palette().color(QPalette::WindowText), QColor(Qt::red));
    Get<QCheckBox>(&f, "ColorChk")->setChecked(false);
    EXPECT_EQ(p->Sample(1)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(GenerationDialog, ApplyStoresValuesAndTheTitleHistory) {
    {
        THTMLForm f;
        Open(f, 3);
        Get<QSpinBox>(&f, "LineCountUD")->setValue(12);
        Get<QCheckBox>(&f, "LinkChk")->setChecked(true);
        Get<TRadioGroup>(&f, "HtmlLineRGroup")->SetItemIndex(2);
        Get<QComboBox>(&f, "FontSizeCBox")->setCurrentIndex(4);
        Get<QComboBox>(&f, "TitleCBox")->setEditText(U("第一章"));
        Get<QComboBox>(&f, "BGCBox")->setEditText(U("paper.png"));
        QTest::mouseClick(Get<QPushButton>(&f, "ApplyBtn"), Qt::LeftButton);
        EXPECT_EQ(f.Titles(), QStringList{U("第一章")});
        // The same title again is not added twice.
        QTest::mouseClick(Get<QPushButton>(&f, "ApplyBtn"), Qt::LeftButton);
        EXPECT_EQ(f.Titles(), QStringList{U("第一章")});
        Get<QComboBox>(&f, "TitleCBox")->setEditText(U("第二章"));
        QTest::mouseClick(Get<QPushButton>(&f, "ApplyBtn"), Qt::LeftButton);
        EXPECT_EQ(f.Titles(), QStringList({U("第二章"), U("第一章")}));
    }
    EXPECT_EQ(Stored("HTML/LineCount"), QStringLiteral("12"));
    EXPECT_EQ(Stored("HTML/HtmlLine"), QStringLiteral("2"));
    EXPECT_EQ(Stored("HTML/TitleCount"), QStringLiteral("2"));
    EXPECT_EQ(Stored("HTML/BGCount"), QStringLiteral("1"));
    // The next dialog shows what was stored, and the vertical text dialog shares the count.
    THTMLForm g;
    Open(g, 3);
    EXPECT_EQ(g.Values().lineCount, 12);
    EXPECT_TRUE(g.Values().link);
    EXPECT_EQ(g.Values().fsCombo, 4);
    EXPECT_EQ(g.Titles(), QStringList({U("第二章"), U("第一章")}));
    EXPECT_EQ(g.Backgrounds(), QStringList{U("paper.png")});
    TTateTextForm t;
    t.LoadValues(SettingsStore());
    EXPECT_EQ(t.Values().lineCount, 12);
}

TEST_F(GenerationDialog, CancelStoresNothingAndOkCloses) {
    THTMLForm f;
    Open(f, 3);
    Get<QSpinBox>(&f, "LineCountUD")->setValue(7);
    QTest::mouseClick(Get<QPushButton>(&f, "CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(Stored("HTML/LineCount"), QString());
    THTMLForm g;
    Open(g, 3);
    Get<QSpinBox>(&g, "LineCountUD")->setValue(7);
    QTest::mouseClick(Get<QPushButton>(&g, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(g.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("HTML/LineCount"), QStringLiteral("7"));
}

TEST_F(GenerationDialog, AtMostTwentyTitlesAreStored) {
    for (int i = 0; i < 25; ++i) Store(QStringLiteral("HTML/Title(%1)").arg(i), QString::number(i));
    Store(QStringLiteral("HTML/TitleCount"), QStringLiteral("25"));
    THTMLForm f;
    Open(f, 3);
    // A damaged count reads only the first 20.
    EXPECT_EQ(f.Titles().size(), 20);
    Get<QComboBox>(&f, "TitleCBox")->setEditText(U("新しい題"));
    QTest::mouseClick(Get<QPushButton>(&f, "ApplyBtn"), Qt::LeftButton);
    EXPECT_EQ(f.Titles().size(), 21);
    EXPECT_EQ(Stored("HTML/TitleCount"), QStringLiteral("20"));
    EXPECT_EQ(Stored("HTML/Title(0)"), U("新しい題"));
    EXPECT_EQ(Stored("HTML/Title(19)"), QStringLiteral("18"));
}

TEST_F(GenerationDialog, StoredValuesSurviveARestart) {
    TOMForm* w = Start();
    // Apply, then cancel: the applied values stay.
    w->SetGenerationDialogHook([](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("SpaceUD"))->setValue(3);
        d.findChild<QComboBox*>(QStringLiteral("TitleCBox"))->setEditText(QStringLiteral("T1"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("ApplyBtn")), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    w->Action("THTML3")->trigger();
    ASSERT_TRUE(Close());
    Stop();
    Start();
    THTMLForm f;
    Open(f, 3);
    EXPECT_EQ(f.Values().space, 3);
    EXPECT_EQ(f.Titles(), QStringList{QStringLiteral("T1")});
    TTateTextForm t;
    t.LoadValues(SettingsStore());
    EXPECT_EQ(t.Values().space, 3);
}

TEST_F(GenerationDialog, TextDialogTextsDefaultsAndStore) {
    TTateTextForm t;
    t.LoadValues(SettingsStore());
    EXPECT_EQ(t.windowTitle(), U("縦書きテキスト"));
    EXPECT_EQ(Get<QLabel>(&t, "LineCountLabel")->text(), U("Ａ：1段落の行数"));
    EXPECT_EQ(Get<QLabel>(&t, "SpaceLabel")->text(), U("Ｃ：行間隔"));
    EXPECT_EQ(Get<QCheckBox>(&t, "DanLineChk")->text(), U("段落分けの線を入れる"));
    EXPECT_EQ(Get<QCheckBox>(&t, "TateText0Chk")->text(), U("半角スペースを排除"));
    EXPECT_EQ(Get<QLabel>(&t, "StaticText1")->text(),
              U("半角スペースを排除\n『方式-その零』と同じ"));
    EXPECT_EQ(Get<QPushButton>(&t, "BitBtn2")->text(), U("キャンセル"));
    EXPECT_EQ(Get<QSpinBox>(&t, "LineCountUD")->maximum(), 399);
    EXPECT_EQ(Get<QSpinBox>(&t, "SpaceUD")->maximum(), 15);
    const TateTextDialogValues d = t.Values();
    EXPECT_EQ(d.lineCount, 50);
    EXPECT_EQ(d.space, 1);
    EXPECT_TRUE(d.dan);
    EXPECT_FALSE(d.zero);
    // Clicking the text toggles the check box.
    QTest::mouseClick(Get<QLabel>(&t, "StaticText1"), Qt::LeftButton);
    EXPECT_TRUE(t.Values().zero);
    Get<QSpinBox>(&t, "LineCountUD")->setValue(30);
    QTest::mouseClick(Get<QPushButton>(&t, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("HTML/LineCount"), QStringLiteral("30"));
    EXPECT_EQ(Stored("HTML/Zero"), QStringLiteral("1"));
    THTMLForm f;
    Open(f, 1);
    EXPECT_EQ(f.Values().lineCount, 30);
}

}  // namespace

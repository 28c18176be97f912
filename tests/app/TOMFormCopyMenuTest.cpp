// The copy menu PopupMenu3 of the font bar and the address box: its items per control, what
// each copy puts on the clipboard, the colour as #RRGGBB, the background colour with its
// question, and the address paste.

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPalette>
#include <QTimer>
#include <QToolButton>

#include "FormatTestSupport.h"
#include "editing/TSnapshotRing.h"

namespace {

QWidget* Control(TOMForm* f, const char* name) {
    return f->findChild<QWidget*>(QString::fromUtf8(name));
}

struct MenuRow {
    const char* control;
    const char* copyCaption;  // nullptr: the copy item is hidden
    const char* extra;        // the one other item shown, or nullptr
};

const MenuRow kMenus[] = {
    {"FontNameCB", "フォント名コピー", nullptr},
    {"FontSizeCB", "サイズコピー", nullptr},
    {"FontColorCLCB", "色名コピー", "RGBCopyPop"},
    {"AddressEdit", "アドレスコピー", "AddressPastePop"},
    {"FontColorCuteBtn", nullptr, "BGColorPop"},
};

// The items of the menu as it is shown: opened by the control's own context menu request and
// read while it is up.
TEST_F(MainWindowTest, CopyMenuShowsTheItemsOfItsControl) {
    TOMForm* f = Start();
    for (const MenuRow& row : kMenus) {
        QWidget* w = Control(f, row.control);
        ASSERT_NE(w, nullptr) << row.control;
        QStringList shown;
        QString caption;
        QTimer::singleShot(0, f, [&] {
            QMenu* m = f->PopupMenu(3);
            for (QAction* a : m->actions())
                if (a->isVisible()) shown << a->objectName();
            caption = f->Action("FNCACopyPop")->text();
            m->close();
        });
        emit w->customContextMenuRequested(QPoint(2, 2));
        QStringList expected;
        if (row.copyCaption) expected << QStringLiteral("FNCACopyPop");
        if (row.extra) expected << QString::fromUtf8(row.extra);
        std::sort(expected.begin(), expected.end());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, expected) << row.control;
        if (row.copyCaption) {
            EXPECT_EQ(caption, QString::fromUtf8(row.copyCaption)) << row.control;
        }
        EXPECT_EQ(f->CopyMenuSource(), w) << row.control;
    }
}

struct CopyRow {
    const char* name;
    const char* control;
    std::function<void(TOMForm*)> prepare;
    std::function<QString(TOMForm*)> expected;
};

TEST_F(MainWindowTest, CopyPutsWhatTheControlShowsOnTheClipboard) {
    const CopyRow rows[] = {
        {"font_name", "FontNameCB",
         [](TOMForm* f) {
             QComboBox* b = f->FontNameCB();
             const QSignalBlocker block(b);
             b->setCurrentIndex(b->findText(QStringLiteral("IPAMincho")));
         },
         [](TOMForm*) { return QStringLiteral("IPAMincho"); }},
        // Typed text that the list does not hold.
        {"size_typed", "FontSizeCB",
         [](TOMForm* f) {
             const QSignalBlocker block(SizeBox(f));
             SizeBox(f)->setEditText(QStringLiteral("12a"));
         },
         [](TOMForm*) { return QStringLiteral("12a"); }},
        {"colour_name", "FontColorCLCB",
         [](TOMForm* f) {
             const QSignalBlocker block(ColorBox(f));
             ColorBox(f)->setColor(clRed);
         },
         [](TOMForm*) { return QStringLiteral("赤"); }},
        {"colour_name_navy", "FontColorCLCB",
         [](TOMForm* f) {
             const QSignalBlocker block(ColorBox(f));
             ColorBox(f)->setColor(clNavy);
         },
         [](TOMForm*) { return QStringLiteral("紺"); }},
        // No colour chosen: the clipboard keeps what it had.
        {"no_colour", "FontColorCLCB",
         [](TOMForm* f) {
             const QSignalBlocker block(ColorBox(f));
             ColorBox(f)->setColor(clNone);
         },
         [](TOMForm*) { return QStringLiteral("before"); }},
        {"address", "AddressEdit", [](TOMForm*) {}, [](TOMForm* f) { return f->documentPath; }},
    };
    TOMForm* f = Start();
    for (const CopyRow& r : rows) {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        r.prepare(f);
        f->PopupMenu3Popup(Control(f, r.control));
        f->Action("FNCACopyPop")->trigger();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::clipboard()->text(), r.expected(f)) << r.name;
        EXPECT_TRUE(f->ActiveView()->EditWidget()->hasFocus()) << r.name;
    }
}

struct RgbRow {
    const char* name;
    TColor color;
    const char* text;
};

TEST_F(MainWindowTest, RgbCopyWritesRedGreenBlue) {
    TOMForm* f = Start();
    // clBtnFace as the window system has it now, replaced for the test.
    const TColor face = SystemColors::Get(15);
    SystemColors::Set(15, RgbColor(0xAB, 0xCD, 0xEF));
    const RgbRow rows[] = {
        {"red", clRed, "#FF0000"},
        {"navy", clNavy, "#000080"},  // 0x00800000: blue 0x80
        {"lime", clLime, "#00FF00"},
        {"aqua", clAqua, "#00FFFF"},
        {"olive", clOlive, "#808000"},  // 0x00008080: red and green 0x80
        {"custom", RgbColor(0x12, 0x34, 0x56), "#123456"},
        {"system", clBtnFace, "#ABCDEF"},
    };
    for (const RgbRow& r : rows) {
        {
            const QSignalBlocker block(ColorBox(f));
            ColorBox(f)->setColor(r.color);
            ColorBox(f)->setColor(r.color);  // a colour the list lacks is chosen the second time
        }
        ASSERT_EQ(ColorBox(f)->color(), r.color) << r.name;
        f->PopupMenu3Popup(ColorBox(f));
        f->Action("RGBCopyPop")->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(r.text)) << r.name;
    }
    SystemColors::Set(15, face);
}

class BackgroundTest : public FormatTest, public ::testing::WithParamInterface<ViewSetup> {};

TEST_P(BackgroundTest, AskedFirstThenBothViewsTakeTheButtonsColour) {
    TOMForm* f = StartIn(GetParam().setup);
    SetText("あいう");
    f->ActiveView()->SetSelection(0, 2);
    {
        const QSignalBlocker block(ColorBox(f));
        ColorBox(f)->setColor(clYellow);
    }
    emit ColorBox(f)->changed();  // applies yellow: the colour button's face
    ASSERT_EQ(f->CuteButtonColor(), clYellow);
    const TColor before1 = f->RichEditEx1()->Color();
    const TColor before2 = f->RichEditEx2()->Color();
    const int snapshots = f->UndoRing().Current();

    MessageService::ClearHistory();
    MessageService::QueueAnswers({QMessageBox::No});
    f->PopupMenu3Popup(f->findChild<QToolButton*>(QStringLiteral("FontColorCuteBtn")));
    f->Action("BGColorPop")->trigger();
    ASSERT_EQ(MessageService::History().size(), 1);
    const MessageService::Record& q = MessageService::History().first();
    EXPECT_EQ(q.icon, QMessageBox::Warning);
    EXPECT_EQ(q.text,
              QStringLiteral("エディタのバックグラウンドカラーを変更します\nよろしいですか？"));
    EXPECT_EQ(q.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(f->RichEditEx1()->Color(), before1);
    EXPECT_EQ(f->RichEditEx2()->Color(), before2);

    MessageService::QueueAnswers({QMessageBox::Yes});
    f->Action("BGColorPop")->trigger();
    EXPECT_EQ(f->RichEditEx1()->Color(), clYellow);
    EXPECT_EQ(f->RichEditEx2()->Color(), clYellow);
    // The view in use paints with it.
    EXPECT_EQ(f->ActiveView()->EditWidget()->palette().color(QPalette::Base), QColor(255, 255, 0));
    // A colour of the views, not a change of the document: no undo step.
    EXPECT_EQ(f->UndoRing().Current(), snapshots);
}

INSTANTIATE_TEST_SUITE_P(Views, BackgroundTest, ::testing::ValuesIn(kViewSetups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AddressPastePutsTheFirstLineIntoTheBox) {
    TOMForm* f = Start();
    QLineEdit* box = f->AddressEdit();
    const QString before = box->text();
    struct Row {
        const char* clipboard;
        const char* box;  // nullptr: unchanged
    } rows[] = {
        {"/tmp/文書/原稿.txt", "/tmp/文書/原稿.txt"},
        {"/tmp/a.rtf\r\n", "/tmp/a.rtf"},
        {"\n/tmp/b.txt\nsecond line", "/tmp/b.txt"},
        {"\r\n\r\n", nullptr},
    };
    for (const Row& r : rows) {
        box->setText(before);
        box->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(r.clipboard));
        f->PopupMenu3Popup(box);
        f->Action("AddressPastePop")->trigger();
        EXPECT_EQ(box->text(), r.box ? QString::fromUtf8(r.box) : before) << r.clipboard;
    }
}

}  // namespace

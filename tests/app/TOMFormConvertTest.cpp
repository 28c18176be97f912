// The conversions of the selection, the count, the indent, the Shift-JIS mode commands, the
// composition start and the text image in the main window, in the horizontal and the vertical
// view; one undo after a conversion and after an indent.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QTextCursor>
#include <QTextDocument>

#include "MainWindowTestSupport.h"

namespace {

struct CharLook {
    QString text;
    QString name;
    bool bold;
    bool operator==(const CharLook& o) const {
        return text == o.text && name == o.name && bold == o.bold;
    }
};

class ConvertTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    TOMForm* StartIn(const QString& text) {
        TOMForm* f = Start();
        if (GetParam()) f->TateModeMClick();
        f->ActiveView()->setFocus();
        QApplication::processEvents();
        View(f)->SetText(text);
        View(f)->SelectAll();
        TCharAttributes a;
        a.name = QStringLiteral("Noto Sans CJK JP");
        a.bold = false;
        View(f)->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Bold);
        View(f)->SetSelStart(0);
        f->ResetUndo();
        MessageService::ClearHistory();
        return f;
    }
    static TRichEditEx* View(TOMForm* f) { return f->ActiveView(); }
    static void Format(TOMForm* f, int start, int length, const QString& name, bool bold) {
        View(f)->SetSelection(start, length);
        TCharAttributes a;
        a.name = name;
        a.bold = bold;
        View(f)->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Bold);
    }
    static void Run(TOMForm* f, const char* command) {
        f->Command(command)->trigger();
        QApplication::processEvents();
    }
    // Every character of the document with its font name and weight.
    static std::vector<CharLook> Looks(TOMForm* f) {
        std::vector<CharLook> out;
        QTextDocument* d = f->Document();
        for (int p = 0; p + 1 < d->characterCount(); ++p) {
            QTextCursor c(d);
            c.setPosition(p);
            c.setPosition(p + 1, QTextCursor::KeepAnchor);
            const QTextCharFormat fmt = c.charFormat();
            const QStringList fam = fmt.fontFamilies().toStringList();
            out.push_back({c.selectedText(), fam.isEmpty() ? QString() : fam.first(),
                           fmt.fontWeight() >= QFont::Bold});
        }
        return out;
    }
    static int Questions() {
        int n = 0;
        for (const auto& r : MessageService::History())
            if (r.text.startsWith(QStringLiteral("変換を行うと書式情報"))) ++n;
        return n;
    }
};

const QString kGothic = QStringLiteral("Noto Sans CJK JP");
const QString kSerif = QStringLiteral("DejaVu Serif");

// ----- conversions ------------------------------------------------------------------------------

struct Row {
    const char* command;
    const char* text;
    int start, length;  // bytes
    const char* expected;
};

TEST_P(ConvertTest, UniformFormatConvertsWithoutAsking) {
    const Row rows[] = {
        {"ToZenkakuM", "ｶﾞｷﾞﾊﾟﾎﾟ", 0, 8, "ガギパポ"},
        {"ToHankakuM", "がぎぱぽ", 0, 8, "ｶﾞｷﾞﾊﾟﾎﾟ"},
        {"ToHankakuM", "ＡＢＣ１２３", 2, 4, "ＡBC１２３"},
        {"KanaToZenM", "aｱ!", 0, 3, "aア!"},
        {"ToUpperM", "abcあ", 0, 5, "ABCあ"},
        {"ToLowerM", "AB\r\nCD", 0, 6, "ab\r\ncd"},
        {"ToZenkakuM", "a b", 0, 3, "ａ　ｂ"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.command);
        TOMForm* f = StartIn(QString::fromUtf8(r.text));
        View(f)->SetSelection(r.start, r.length);
        Run(f, r.command);
        EXPECT_EQ(View(f)->Text(), QString::fromUtf8(r.expected));
        EXPECT_EQ(Questions(), 0);
        EXPECT_EQ(View(f)->SelStart(), r.start);
        EXPECT_EQ(f->MirrorView()->SelStart(), r.start);
    }
}

TEST_P(ConvertTest, EmptySelectionDoesNothing) {
    TOMForm* f = StartIn(QStringLiteral("abc"));
    View(f)->SetSelStart(1);
    Run(f, "ToUpperM");
    EXPECT_EQ(View(f)->Text(), QStringLiteral("abc"));
    EXPECT_TRUE(MessageService::History().isEmpty());
}

TEST_P(ConvertTest, MixedFormatsAskAndCancelChangesNothing) {
    TOMForm* f = StartIn(QStringLiteral("abcd"));
    Format(f, 1, 2, kSerif, true);
    const std::vector<CharLook> before = Looks(f);
    View(f)->SetSelection(0, 4);
    const int kind = f->editKind;
    Run(f, "ToUpperM");  // the test responder answers Cancel
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(View(f)->Text(), QStringLiteral("abcd"));
    EXPECT_TRUE(Looks(f) == before);
    EXPECT_EQ(f->editKind, kind);  // no undo step begun
}

TEST_P(ConvertTest, MixedFormatsAfterOkKeepEachCharactersFormat) {
    TOMForm* f = StartIn(QStringLiteral("ｱｲｳ"));
    Format(f, 1, 1, kSerif, true);
    View(f)->SetSelection(0, 3);
    MessageService::QueueAnswers({QMessageBox::Ok});
    Run(f, "ToZenkakuM");
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(View(f)->Text(), QStringLiteral("アイウ"));
    const std::vector<CharLook> expected = {{QStringLiteral("ア"), kGothic, false},
                                            {QStringLiteral("イ"), kSerif, true},
                                            {QStringLiteral("ウ"), kGothic, false}};
    EXPECT_TRUE(Looks(f) == expected);
}

TEST_P(ConvertTest, LineEndRestoreWorksOnTheWholeText) {
    TOMForm* f = StartIn(QString());
    QTextCursor(f->Document()).insertText(QStringLiteral("ab\rcd"));
    f->ResetUndo();
    View(f)->SetSelStart(1);
    Run(f, "CRLFM");
    EXPECT_EQ(View(f)->Text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(f->Document()->blockCount(), 2);
}

TEST_P(ConvertTest, OneUndoRestoresTextAndFormatsAfterAConversion) {
    TOMForm* f = StartIn(QStringLiteral("ｶﾞabc"));
    Format(f, 2, 2, kSerif, true);
    const std::vector<CharLook> before = Looks(f);
    View(f)->SetSelection(0, 5);
    MessageService::QueueAnswers({QMessageBox::Ok});
    Run(f, "ToZenkakuM");
    EXPECT_EQ(View(f)->Text(), QStringLiteral("ガａｂｃ"));
    f->UndoMClick();
    QApplication::processEvents();
    EXPECT_EQ(View(f)->Text(), QStringLiteral("ｶﾞabc"));
    EXPECT_TRUE(Looks(f) == before);
}

// ----- count ------------------------------------------------------------------------------------

TEST_P(ConvertTest, CountLeavesOutLineEnds) {
    const struct {
        const char* text;
        const char* message;
    } rows[] = {
        {"あいう\r\nabc", "選択範囲の文字数は『6文字』です。\n参考にしてください。"},
        {"\r\n\r\n", "文字が選択されていません。\n選択してください。"},
    };
    for (const auto& r : rows) {
        TOMForm* f = StartIn(QString::fromUtf8(r.text));
        View(f)->SelectAll();
        Run(f, "CountM");
        ASSERT_EQ(MessageService::History().size(), 1);
        EXPECT_EQ(MessageService::History().front().text, QString::fromUtf8(r.message));
        EXPECT_EQ(MessageService::History().front().buttons, QMessageBox::Ok);
    }
}

// ----- indent -----------------------------------------------------------------------------------

TEST_P(ConvertTest, IndentPutsTheMarkBeforeTheSelectedLines) {
    const struct {
        int start, length;
        const char* expected;
        int newStart, newLength;
    } rows[] = {
        {1, 8, ">ab\r\n>cd\r\n>ef\r\ngh", 2, 10},  // ends in the middle of the third
        {5, 0, "ab\r\n>cd\r\nef\r\ngh", 6, 0},     // no selection: the caret's line
    };
    for (const auto& r : rows) {
        TOMForm* f = StartIn(QStringLiteral("ab\r\ncd\r\nef\r\ngh"));
        View(f)->SetSelection(r.start, r.length);
        Run(f, "IndentM");
        EXPECT_EQ(View(f)->Text(), QString::fromUtf8(r.expected));
        EXPECT_EQ(View(f)->SelStart(), r.newStart);
        EXPECT_EQ(View(f)->SelLength(), r.newLength);
        EXPECT_EQ(f->MirrorView()->SelStart(), r.newStart);
        f->UndoMClick();
        QApplication::processEvents();
        EXPECT_EQ(View(f)->Text(), QStringLiteral("ab\r\ncd\r\nef\r\ngh"));
    }
}

TEST_P(ConvertTest, EmptyIndentStringIsReported) {
    TOMForm* f = StartIn(QStringLiteral("ab"));
    f->indentStr.clear();
    Run(f, "IndentM");
    EXPECT_EQ(View(f)->Text(), QStringLiteral("ab"));
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History().front().text,
              QStringLiteral("インデント記号が設定されていません。"));
}

TEST_P(ConvertTest, IndentStringFromTheSelectionAfterOkOnly) {
    TOMForm* f = StartIn(QStringLiteral("＊ab"));
    View(f)->SetSelection(0, 2);
    Run(f, "IndentStrM");  // Cancel
    EXPECT_EQ(f->indentStr, QStringLiteral(">"));
    EXPECT_EQ(MessageService::History().back().text,
              QStringLiteral("インデント記号は『>』になっています。\n『＊』に変更しますか？"));
    MessageService::QueueAnswers({QMessageBox::Ok});
    Run(f, "IndentStrM");
    EXPECT_EQ(f->indentStr, QStringLiteral("＊"));
    View(f)->SetSelStart(0);
    Run(f, "IndentStrM");
    EXPECT_EQ(MessageService::History().back().text,
              QStringLiteral("インデント記号は『＊』になっています。\n文字列を選択してください。"));
}

// ----- Shift-JIS mode ---------------------------------------------------------------------------

TEST_P(ConvertTest, ShiftJisModeCommands) {
    TOMForm* f = StartIn(QStringLiteral("abあ"));
    Run(f, "SJISOFFM");
    EXPECT_FALSE(f->shiftJisMode);
    EXPECT_FALSE(f->Command("SHIFTJISM")->isChecked());
    EXPECT_TRUE(f->Command("SJISOFFM")->isChecked());

    View(f)->SelectAll();
    TCharAttributes a;
    a.charset = kDefaultCharset;
    View(f)->SetSelAttributes(a, TCharAttributes::Charset);
    Run(f, "TextAllSJISM");
    EXPECT_TRUE(f->shiftJisMode);
    EXPECT_TRUE(f->Command("SHIFTJISM")->isChecked());
    EXPECT_EQ(View(f)->SelLength(), View(f)->TextLength());
    EXPECT_EQ(View(f)->SelAttributes().charset, kShiftJisCharset);
    EXPECT_TRUE(View(f)->SelAttributes().uniform & TCharAttributes::Charset);

    f->FontNameCB()->setCurrentText(kSerif);
    Run(f, "TextNoneSJISM");
    EXPECT_FALSE(f->shiftJisMode);
    EXPECT_TRUE(f->Command("SJISOFFM")->isChecked());
    EXPECT_EQ(View(f)->SelStart(), 0);
    EXPECT_EQ(View(f)->SelLength(), 0);
    View(f)->SetSelection(0, 2);
    EXPECT_EQ(View(f)->SelAttributes().charset, kDefaultCharset);
    EXPECT_EQ(View(f)->SelAttributes().name, kSerif);
    View(f)->SetSelection(2, 2);
    EXPECT_EQ(View(f)->SelAttributes().charset, kShiftJisCharset);
    EXPECT_EQ(View(f)->SelAttributes().name, kGothic);
    // The two format commands in a row are one undo step: back to the first state.
    f->UndoMClick();
    QApplication::processEvents();
    View(f)->SetSelection(0, 2);
    EXPECT_EQ(View(f)->SelAttributes().charset, kDefaultCharset);
    EXPECT_EQ(View(f)->SelAttributes().name, kGothic);
}

TEST_P(ConvertTest, CompositionStartsInTheDefaultFont) {
    TOMForm* f = StartIn(QStringLiteral("ab"));
    View(f)->SetSelStart(2);
    TCharAttributes a;
    a.name = kSerif;
    a.charset = kDefaultCharset;
    View(f)->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset);
    QInputMethodEvent e(QStringLiteral("か"), {});
    QApplication::sendEvent(View(f)->EditWidget(), &e);
    QApplication::processEvents();
    EXPECT_EQ(View(f)->SelAttributes().name, f->defaultFontName);
    EXPECT_EQ(View(f)->SelAttributes().charset, kShiftJisCharset);
    EXPECT_EQ(f->MirrorView()->SelAttributes().charset, kShiftJisCharset);
    QInputMethodEvent done;
    done.setCommitString(QString());
    QApplication::sendEvent(View(f)->EditWidget(), &done);
}

// ----- text image -------------------------------------------------------------------------------

TEST_P(ConvertTest, TextImageIsTheVisibleViewOnTheClipboard) {
    TOMForm* f = StartIn(QStringLiteral("あいうえお"));
    QApplication::clipboard()->clear();
    Run(f, "TextImageM");
    const QImage image = QApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 50);
    EXPECT_GT(image.height(), 50);
    // The text is drawn: the picture is not one plain colour.
    const QRgb first = image.pixel(0, 0);
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x) drawn = image.pixel(x, y) != first;
    EXPECT_TRUE(drawn);
    EXPECT_EQ(View(f)->Text(), QStringLiteral("あいうえお"));
}

INSTANTIATE_TEST_SUITE_P(Views, ConvertTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return i.param ? std::string("Vertical") : std::string("Horizontal");
                         });

}  // namespace

// Generating from the window: each of the six commands in the horizontal and the vertical view
// gives the bytes orimaki-cli gives for the same settings and display lines; cancel, the two
// failure messages, delivery to file, browser and clipboard, and the horizontal HTML export.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QUrl>
#include <stdexcept>

#include "MainWindowTestSupport.h"
#include "core/Cp932.h"
#include "vertical/TateMessages.h"
#include "vertical/ui/TCancelForm.h"

namespace {

const QString kSmall = QStringLiteral(ORIMAKI_SOURCE "/tests/app/data/generate-small.rtf");
constexpr TColor kPage = 0x00EEFFFF;  // red FF, green FF, blue EE: BGCOLOR FFFFEE

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// orimaki-cli with the words; its output file's bytes (empty when it failed).
QByteArray Cli(QStringList words, const QString& out) {
    words << QStringLiteral("-o") << out;
    QProcess p;
    p.start(QStringLiteral(ORIMAKI_BIN "/orimaki-cli"), words);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return ReadAll(out);
}

void Click(QDialog& d, const char* name) {
    QTest::mouseClick(d.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
}

template <typename T>
T* Find(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromUtf8(name));
    if (!w) throw std::runtime_error(name);
    return w;
}

class GenerationRun : public MainWindowTest {
protected:
    // Opens a copy of the small formatted document in the temporary folder, in the view asked.
    TOMForm* OpenSmall(bool vertical, const QString& name = QStringLiteral("small.rtf")) {
        doc_ = QDir(cwd_.path()).filePath(name);
        QFile::copy(kSmall, doc_);
        TOMForm* f = Start({doc_});
        if (vertical) f->Action("TateModeM")->trigger();
        QApplication::processEvents();
        for (TRichEditEx* v : {f->RichEditEx1(), f->RichEditEx2()}) v->SetColor(kPage);
        return f;
    }
    // The HTML dialog with three lines per block, spacing 1, every font switch, links and the
    // Mac font names; OK.
    static int HtmlDialog(QDialog& d) {
        Find<QSpinBox>(d, "LineCountUD")->setValue(3);
        Find<QSpinBox>(d, "SpaceUD")->setValue(1);
        for (const char* n :
             {"NameChk", "SizeChk", "StyleChk", "ColorChk", "LinkChk", "MacFontChk"})
            Find<QCheckBox>(d, n)->setChecked(true);
        Click(d, "OKBtn");
        return d.result();
    }
    static QStringList HtmlWords(int method) {
        return {QStringLiteral("tate-html"),
                QStringLiteral("--method"),
                QString::number(method),
                QStringLiteral("--lines"),
                QStringLiteral("3"),
                QStringLiteral("--spacing"),
                QStringLiteral("1"),
                QStringLiteral("--font-name"),
                QStringLiteral("--font-size"),
                QStringLiteral("--font-style"),
                QStringLiteral("--font-color"),
                QStringLiteral("--links"),
                QStringLiteral("--mac-fonts"),
                QStringLiteral("--bgcolor"),
                QStringLiteral("FFFFEE")};
    }
    QString Page(const QString& name) const { return QDir(cwd_.path()).filePath(name); }
    QString doc_;
};

TEST_F(GenerationRun, EveryMethodInBothViewsGivesTheBytesOfTheCommandLine) {
    for (bool vertical : {false, true}) {
        for (int method = 0; method <= 4; ++method) {
            const std::string what =
                (vertical ? "vertical, method " : "horizontal, method ") + std::to_string(method);
            TOMForm* f = OpenSmall(vertical);
            const QString before = f->Document()->toHtml();
            f->SetGenerationDialogHook(&GenerationRun::HtmlDialog);
            QFile::remove(Page(QStringLiteral("small.html")));
            f->Action(QStringLiteral("THTML%1").arg(method))->trigger();
            EXPECT_TRUE(f->isEnabled()) << what;
            EXPECT_FALSE(f->Generating()) << what;
            const QByteArray page = ReadAll(Page(QStringLiteral("small.html")));
            ASSERT_FALSE(page.isEmpty()) << what;
            QStringList words = HtmlWords(method);
            words << doc_;
            EXPECT_EQ(page, Cli(words, Page(QStringLiteral("cli.html")))) << what;
            // The run never changes the document.
            EXPECT_EQ(f->Document()->toHtml(), before) << what;
            EXPECT_TRUE(page.contains(Cp932::ToSjis("吾輩").c_str())) << what;
        }
    }
}

TEST_F(GenerationRun, VerticalTextInBothViewsIsTheCommandLinesText) {
    for (bool vertical : {false, true}) {
        TOMForm* f = OpenSmall(vertical);
        f->SetGenerationDialogHook([](QDialog& d) {
            Find<QSpinBox>(d, "LineCountUD")->setValue(3);
            Find<QSpinBox>(d, "SpaceUD")->setValue(2);
            Click(d, "BitBtn1");
            return d.result();
        });
        QGuiApplication::clipboard()->clear();
        f->Action("TateTextM")->trigger();
        const QByteArray cli =
            Cli({QStringLiteral("tate-text"), QStringLiteral("--lines"), QStringLiteral("3"),
                 QStringLiteral("--spacing"), QStringLiteral("2"), doc_},
                Page(QStringLiteral("cli.txt")));
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                  Cp932::ToUtf8(cli.toStdString()))
            << vertical;
    }
}

// Worked out from the rules of vertical text: "あい" and "う", two lines per block, spacing 1:
// the margin "　 ", columns from the left (line 1) to the right (line 0), each character
// followed by one half-width space; the block separator "-" and two groups of "---" with the
// block number after the second hyphen; then the line "\r\n\r\n". Two lines make a second,
// empty block.
TEST_F(GenerationRun, VerticalTextByHand) {
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(QStringLiteral("あい\r\nう"));
    f->SetGenerationDialogHook([](QDialog& d) {
        Find<QSpinBox>(d, "LineCountUD")->setValue(2);
        Click(d, "BitBtn1");
        return d.result();
    });
    f->Action("TateTextM")->trigger();
    const QString expected = QStringLiteral(
        "　 う あ \r\n"
        "　 　 い \r\n"
        "--１-----\r\n"
        "\r\n\r\n\r\n"
        "　 　 　 \r\n"
        "--２-----\r\n"
        "\r\n\r\n\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

// A paragraph longer than a column: the run follows the view's own columns.
TEST_F(GenerationRun, TheVerticalViewsColumnsAreTheDisplayLines) {
    TOMForm* f = Start();
    f->Action("TateModeM")->trigger();
    f->resize(900, 420);
    QApplication::processEvents();
    const QString para =
        QStringLiteral("春夏秋冬東西南北上下左右前後内外天地山川草木日月星雲風雨雪花鳥虫魚");
    f->RichEditEx1()->SetText(para);
    QApplication::processEvents();
    const int lines = f->RichEditEx1()->LineCount();
    ASSERT_GT(lines, 1) << "the paragraph must wrap into several columns";
    const int perColumn = f->RichEditEx1()->LineIndex(1) / 2;
    const QString path = QDir(cwd_.path()).filePath(QStringLiteral("para.txt"));
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(Cp932::ToSjis(para.toStdString()).c_str());
    }
    f->SetGenerationDialogHook([](QDialog& d) {
        Find<QSpinBox>(d, "LineCountUD")->setValue(5);
        Click(d, "BitBtn1");
        return d.result();
    });
    f->Action("TateTextM")->trigger();
    const QByteArray cli =
        Cli({QStringLiteral("tate-text"), QStringLiteral("--lines"), QStringLiteral("5"),
             QStringLiteral("--wrap"), QString::number(perColumn), path},
            Page(QStringLiteral("cli.txt")));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Cp932::ToUtf8(cli.toStdString()));
}

TEST_F(GenerationRun, CancelEndsTheRunWithNothingWritten) {
    TOMForm* f = OpenSmall(false);
    // Many lines, so that the run has columns to go after the cancel.
    QString text;
    for (int i = 0; i < 200; ++i) text += QStringLiteral("行\r\n");
    f->RichEditEx1()->SetText(text);
    f->SetGenerationDialogHook(&GenerationRun::HtmlDialog);
    std::size_t seen = 0, total = 0;
    bool enabledDuringRun = true;
    f->SetGenerationProgressHook([&](TCancelForm& p, std::size_t done, std::size_t all) {
        seen = done;
        total = all;
        enabledDuringRun = f->isEnabled();
        EXPECT_TRUE(p.isVisible());
        EXPECT_EQ(p.windowTitle(), QStringLiteral("縦HTML生成"));
        if (done == 10) QTest::mouseClick(p.CancelButton(), Qt::LeftButton);
    });
    f->Action("THTML3")->trigger();
    EXPECT_EQ(seen, 10u);
    EXPECT_GT(total, 200u);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(f->isEnabled());
    EXPECT_FALSE(QFile::exists(Page(QStringLiteral("small.html"))));
    EXPECT_TRUE(MessageService::History().isEmpty());
}

TEST_F(GenerationRun, TheTwoFailureMessages) {
    TOMForm* f = Start();
    f->SetGenerationDialogHook(&GenerationRun::HtmlDialog);
    struct Row {
        int characters;
        bool fails;
    };
    for (const Row& r : {Row{50, false}, Row{51, true}}) {
        MessageService::ClearHistory();
        const QString page = Page(QStringLiteral("新規文書.html"));
        QFile::remove(page);
        f->RichEditEx1()->SetText(QString(r.characters, QChar(0x3042)));
        f->Action("THTML1")->trigger();
        EXPECT_EQ(QFile::exists(page), !r.fails) << r.characters;
        ASSERT_EQ(MessageService::History().size(), r.fails ? 1 : 0) << r.characters;
        if (r.fails) {
            EXPECT_EQ(MessageService::History()[0].text,
                      QString::fromUtf8(TateMessages::kLineTooLong));
            EXPECT_EQ(MessageService::History()[0].buttons, QMessageBox::Ok);
        }
        EXPECT_TRUE(f->isEnabled());
    }
    // A failure while the blocks are laid out.
    f->RichEditEx1()->SetText(QStringLiteral("短い行"));
    MessageService::ClearHistory();
    QFile::remove(Page(QStringLiteral("新規文書.html")));
    f->SetGenerationProgressHook([](TCancelForm&, std::size_t done, std::size_t) {
        if (done == 1) throw std::runtime_error("layout");
    });
    f->Action("THTML3")->trigger();
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].text, QString::fromUtf8(TateMessages::kLayoutFailed));
    EXPECT_FALSE(QFile::exists(Page(QStringLiteral("新規文書.html"))));
    EXPECT_TRUE(f->isEnabled());
}

TEST_F(GenerationRun, DeliveryToFileBrowserAndClipboard) {
    TOMForm* f = OpenSmall(false);
    // An existing page is replaced by the complete new one.
    {
        QFile old(Page(QStringLiteral("small.html")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old page");
    }
    QList<QUrl> opened;
    f->SetOpenUrlHook([&](const QUrl& u) {
        opened << u;
        return true;
    });
    f->SetGenerationDialogHook([](QDialog& d) {
        Find<QCheckBox>(d, "OpenHtmlChk")->setChecked(true);
        Click(d, "OKBtn");
        return d.result();
    });
    f->Action("THTML3")->trigger();
    const QByteArray page = ReadAll(Page(QStringLiteral("small.html")));
    EXPECT_TRUE(page.startsWith("<HTML><HEAD>\r\n"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(Page(QStringLiteral("small.html"))));

    // To the clipboard: the whole output, and no file.
    QFile::remove(Page(QStringLiteral("small.html")));
    opened.clear();
    f->SetGenerationDialogHook([](QDialog& d) {
        Find<QCheckBox>(d, "ClipChk")->setChecked(true);
        Click(d, "OKBtn");
        return d.result();
    });
    f->Action("THTML3")->trigger();
    EXPECT_FALSE(QFile::exists(Page(QStringLiteral("small.html"))));
    EXPECT_TRUE(opened.isEmpty());
    const QByteArray cli = Cli({QStringLiteral("tate-html"), QStringLiteral("--method"),
                                QStringLiteral("3"), QStringLiteral("--clipboard"),
                                QStringLiteral("--bgcolor"), QStringLiteral("FFFFEE"), doc_},
                               Page(QStringLiteral("cli.html")));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Cp932::ToUtf8(cli.toStdString()));

    // A folder that cannot be written: the message, and no file.
    MessageService::ClearHistory();
    f->documentPath = QStringLiteral("/nonexistent-orimaki-folder/doc.rtf");
    f->SetGenerationDialogHook([](QDialog& d) {
        Find<QCheckBox>(d, "ClipChk")->setChecked(false);
        Click(d, "OKBtn");
        return d.result();
    });
    f->Action("THTML3")->trigger();
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_TRUE(
        MessageService::History()[0].text.startsWith(QStringLiteral("ファイルを作成できません。")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/nonexistent-orimaki-folder")));
}

TEST_F(GenerationRun, ThePageNeverReplacesTheDocumentItself) {
    TOMForm* f = OpenSmall(false, QStringLiteral("novel.html"));
    const QByteArray before = ReadAll(doc_);
    f->SetGenerationDialogHook([](QDialog& d) {
        Click(d, "OKBtn");  // the file name box holds "novel.html", the document's own name
        return d.result();
    });
    f->Action("THTML3")->trigger();
    EXPECT_EQ(ReadAll(doc_), before);
    ASSERT_EQ(MessageService::History().size(), 1);
    MessageService::ClearHistory();
    f->Action("YokoHTMLM")->trigger();
    EXPECT_EQ(ReadAll(doc_), before);
    EXPECT_EQ(MessageService::History().size(), 1);
}

TEST_F(GenerationRun, HorizontalHtmlIsWrittenBesideTheDocument) {
    TOMForm* f = OpenSmall(true);
    f->Action("YokoHTMLM")->trigger();
    EXPECT_TRUE(MessageService::History().isEmpty());
    const QByteArray page = ReadAll(Page(QStringLiteral("small.html")));
    const QByteArray cli = Cli({QStringLiteral("yoko-html"), doc_, QStringLiteral("--background"),
                                QStringLiteral("FFFFEE")},
                               Page(QStringLiteral("cli.html")));
    EXPECT_EQ(page, cli);
    // Worked out from the export's rules: the head, then <BLOCKQUOTE> and the emptied header
    // lines; the red bold は in its FONT tag; the page ends with the wrapper.
    EXPECT_TRUE(page.startsWith("<HTML><HEAD>\r\n"));
    EXPECT_TRUE(page.contains(
        "<TITLE>small.rtf</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFEE\"> \r\n<BLOCKQUOTE>\r\n"));
    EXPECT_TRUE(page.contains("COLOR=\"#FF0000\""));
    EXPECT_TRUE(page.endsWith("\r\n\r\n</DIV>\r\n</BLOCKQUOTE>\r\n</BODY></HTML>\r\n"));

    // Where the page cannot be written: a missing folder, a "folder" that is a file, and a page
    // name taken by a folder. The message each time, and nothing created or replaced.
    const QString plain = QDir(cwd_.path()).filePath(QStringLiteral("plain.txt"));
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("plain");
    }
    const QString taken = QDir(cwd_.path()).filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(QDir(taken).filePath(QStringLiteral("doc.html"))));
    const QStringList before = QDir(cwd_.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const QString& document :
         {QStringLiteral("/nonexistent-orimaki-folder/doc.rtf"), plain + QStringLiteral("/doc.rtf"),
          QDir(taken).filePath(QStringLiteral("doc.rtf"))}) {
        MessageService::ClearHistory();
        f->documentPath = document;
        f->Action("YokoHTMLM")->trigger();
        ASSERT_EQ(MessageService::History().size(), 1) << document.toStdString();
        EXPECT_EQ(MessageService::History()[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(MessageService::History()[0].text.startsWith(
            QStringLiteral("ファイルを作成できません。")))
            << MessageService::History()[0].text.toStdString();
        EXPECT_TRUE(f->isEnabled());
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("/nonexistent-orimaki-folder")));
    EXPECT_EQ(ReadAll(plain), "plain");
    EXPECT_TRUE(QFileInfo(QDir(taken).filePath(QStringLiteral("doc.html"))).isDir());
    EXPECT_EQ(QDir(taken).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("doc.html")});
    EXPECT_EQ(QDir(cwd_.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

}  // namespace

// Printing from the main window: the preview window and its buttons, the printer setup with
// the paper check, printing with the question first, and the window coupling.

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextCursor>

#include "MainWindowTestSupport.h"
#include "app/TPrintCommands.h"
#include "print/TReportLayout.h"
#include "print/ui/TPreviewForm.h"
#include "print/ui/TPrintJob.h"

namespace {

class PrintWindowTest : public MainWindowTest {
protected:
    // 3101 kanji of 16 px in IPAGothic 12 pt: 62 to a column, 25 columns to an A4 page, so two
    // full pages and one column (vertically).
    TOMForm* StartWithThreePages() {
        TOMForm* f = Start();
        f->Command("TateModeM")->trigger();
        QTextCharFormat fmt;
        fmt.setFontFamilies({QStringLiteral("IPAGothic")});
        fmt.setFontPointSize(12);
        QTextCursor c(f->Document());
        c.select(QTextCursor::Document);
        c.insertText(QString(3101, QChar(0x6C38)), fmt);
        return f;
    }
    TPreviewForm* Preview(TOMForm* f) { return f->Printing()->Preview(); }
    void Click(TPreviewForm* p, const char* button) {
        p->ButtonNamed(QString::fromLatin1(button))->click();
    }
};

TEST_F(PrintWindowTest, TheFirstPreviewMakesTheReportAndShowsThePages) {
    TOMForm* f = StartWithThreePages();
    EXPECT_EQ(f->Printing()->Report(), nullptr);
    f->Command("PrintPrevM")->trigger();
    ASSERT_NE(f->Printing()->Report(), nullptr);
    TPreviewForm* p = Preview(f);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_TRUE(f->Printing()->PreviewShown());
    EXPECT_EQ(p->windowTitle(), QStringLiteral("印刷プレビュー　　オリマキ９９"));
    EXPECT_EQ(p->geometry(), f->geometry());
    // The A4 layout: element 264 x 177 at 5, 5.
    EXPECT_NEAR(f->Printing()->Layout().elementHeight, 264, 0.5);
    EXPECT_NEAR(f->Printing()->Layout().elementWidth, 177, 0.5);
    EXPECT_EQ(p->PageCount(), 3);
    EXPECT_EQ(p->Page(), 1);
    EXPECT_EQ(p->StatusPanel(0)->text(), QStringLiteral("1/3ページ"));
    const char* buttons[] = {"StartPageBtn", "LastPageBtn",  "NextPageBtn",
                             "EndPageBtn",   "ZoomUpBitBtn", "ZoomDownBitBtn",
                             "FitBitBtn",    "PrintBitBtn",  "CloseBtn"};
    const char* captions[] = {"最初", "前ページ", "次ページ", "最後",          "拡大",
                              "縮小", "フィット", "印刷実行", "プレビュー終了"};
    for (int i = 0; i < 9; ++i) {
        ASSERT_NE(p->ButtonNamed(QString::fromLatin1(buttons[i])), nullptr) << buttons[i];
        EXPECT_EQ(p->ButtonNamed(QString::fromLatin1(buttons[i]))->text(),
                  QString::fromUtf8(captions[i]));
    }
    QStringList popup;
    for (QAction* a : p->PopupMenu()->actions())
        popup << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(popup, (QStringList{"拡大", "縮小", "-", "フィット"}));
}

TEST_F(PrintWindowTest, PageButtonsStayWithinThePages) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    TPreviewForm* p = Preview(f);
    struct Step {
        const char* button;
        int page;
    };
    const Step steps[] = {
        {"LastPageBtn", 1},  // before page 1: unchanged
        {"NextPageBtn", 2},  {"NextPageBtn", 3},
        {"NextPageBtn", 3},  // after the last page: unchanged
        {"StartPageBtn", 1}, {"EndPageBtn", 3},
        {"LastPageBtn", 2},
    };
    for (const Step& s : steps) {
        Click(p, s.button);
        EXPECT_EQ(p->Page(), s.page) << s.button;
        EXPECT_EQ(p->StatusPanel(0)->text(), QStringLiteral("%1/3ページ").arg(s.page)) << s.button;
    }
}

TEST_F(PrintWindowTest, ZoomStepsOfFifteenUpToTheFirstAbove150) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    TPreviewForm* p = Preview(f);
    struct Run {
        int from;
        std::vector<int> ups;
    };
    const Run runs[] = {{100, {115, 130, 145, 160, 160}}, {150, {165, 165}}, {151, {151}}};
    for (const Run& r : runs) {
        p->SetZoom(r.from);
        for (int z : r.ups) {
            Click(p, "ZoomUpBitBtn");
            EXPECT_EQ(p->Zoom(), z) << "from " << r.from;
        }
    }
    p->SetZoom(40);
    Click(p, "ZoomDownBitBtn");
    EXPECT_EQ(p->Zoom(), 25);
    // The control ignores values below 2: 10 - 15 leaves 10.
    p->SetZoom(10);
    Click(p, "ZoomDownBitBtn");
    EXPECT_EQ(p->Zoom(), 10);
    p->SetZoom(3000);
    EXPECT_EQ(p->Zoom(), 10);
    Click(p, "FitBitBtn");
    EXPECT_EQ(p->Preview()->zoomMode(), QPrintPreviewWidget::FitInView);
}

TEST_F(PrintWindowTest, ClosingOnlyHidesAndGoesBackToPageOne) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    TPreviewForm* p = Preview(f);
    Click(p, "EndPageBtn");
    Click(p, "CloseBtn");
    EXPECT_FALSE(p->isVisible());
    EXPECT_FALSE(f->Printing()->PreviewShown());
    EXPECT_EQ(p->Page(), 1);
    f->PrintPrevMClick();
    EXPECT_EQ(Preview(f), p);  // the same window again
    EXPECT_TRUE(p->isVisible());
}

TEST_F(PrintWindowTest, PrintSetupBeforeAnyPreviewOpensThePreview) {
    TOMForm* f = StartWithThreePages();
    bool dialogRan = false;
    f->Printing()->SetPrintDialogHook([&](QPrintDialog&) {
        dialogRan = true;
        return int(QDialog::Rejected);
    });
    f->Command("PrintDlgM")->trigger();
    EXPECT_FALSE(dialogRan);
    ASSERT_NE(Preview(f), nullptr);
    EXPECT_TRUE(Preview(f)->isVisible());
    f->PrintDlgMClick();
    EXPECT_TRUE(dialogRan);
}

TEST_F(PrintWindowTest, APaperOutsideTheListIsReportedAndTheLayoutComputedAgain) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    struct Case {
        QPageSize paper;
        bool message;
        double elementHeight, elementWidth;
    };
    const Case cases[] = {
        {QPageSize(QPageSize::JisB5), false, 224, 149},                        // 257 x 182
        {QPageSize(QSizeF(100, 120), QPageSize::Millimeter), true, 264, 177},  // back to A4
        {QPageSize(QPageSize::A5), false, 177, 115},
    };
    for (const Case& c : cases) {
        MessageService::ClearHistory();
        f->Printing()->SetPrintDialogHook([&](QPrintDialog& d) {
            d.printer()->setPageSize(c.paper);
            return int(QDialog::Accepted);
        });
        f->PrintDlgMClick();
        const auto& h = MessageService::History();
        EXPECT_EQ(!h.isEmpty(), c.message);
        if (c.message && !h.isEmpty()) {
            EXPECT_TRUE(h.last().text.startsWith(
                QStringLiteral("使用できない用紙サイズが設定されているようです\n")));
            EXPECT_TRUE(h.last().text.contains(
                QStringLiteral("\nC size Sheet       Executive 7.5x10in     10 x 14 in    \n")));
        }
        EXPECT_NEAR(f->Printing()->Layout().elementHeight, c.elementHeight, 0.5);
        EXPECT_NEAR(f->Printing()->Layout().elementWidth, c.elementWidth, 0.5);
    }
}

TEST_F(PrintWindowTest, PrintingAsksFirstAndLeavesTheWindowUsable) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "poppler-utils";
    TOMForm* f = StartWithThreePages();
    // No: nothing happens, not even a report.
    MessageService::QueueAnswers({QMessageBox::No});
    f->Command("PrintM")->trigger();
    EXPECT_EQ(MessageService::History().last().caption, QStringLiteral("印刷"));
    EXPECT_EQ(MessageService::History().last().text, QStringLiteral("印刷を実行しますか？"));
    EXPECT_EQ(f->Printing()->Job(), nullptr);
    // Yes before any preview: the report is prepared and printed, here to a PDF file.
    f->PrintPrevMClick();
    const QString pdf = QDir::current().filePath(QStringLiteral("out.pdf"));
    f->Printing()->Report()->setOutputFileName(pdf);
    MessageService::QueueAnswers({QMessageBox::Yes});
    QSignalSpy done(f->Printing(), &TPrintCommands::PrintFinished);
    f->PrintMClick();
    ASSERT_NE(f->Printing()->Job(), nullptr);
    EXPECT_TRUE(f->Printing()->Job()->Running());  // the command returned before the pages
    EXPECT_LT(f->Printing()->Job()->PagesPrinted(), 3);
    ASSERT_TRUE(done.wait(20000));
    EXPECT_TRUE(done.first().at(0).toBool());
    EXPECT_EQ(done.first().at(1).toInt(), 3);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("新規文書"))) << out.toStdString();  // the title
}

TEST_F(PrintWindowTest, TheMainWindowFollowsThePreview) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    TPreviewForm* p = Preview(f);
    p->move(f->pos() + QPoint(37, 21));
    QApplication::processEvents();
    EXPECT_EQ(f->pos(), p->pos());
    // After closing, the windows go their own ways.
    p->close();
    const QPoint before = f->pos();
    p->move(before + QPoint(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(f->pos(), before);
}

TEST_F(PrintWindowTest, MinimisingThePreviewMinimisesTheApplication) {
    TOMForm* f = StartWithThreePages();
    f->PrintPrevMClick();
    TPreviewForm* p = Preview(f);
    p->showMinimized();
    QApplication::processEvents();
    EXPECT_TRUE(f->windowState() & Qt::WindowMinimized);
}

}  // namespace

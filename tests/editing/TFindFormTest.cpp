// The find dialog on its own: its controls with their names and captions, the two layouts,
// the close box, the selection-only box's mouse rule and the replace-and-next button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "editing/TFindForm.h"

namespace {

struct ControlRow {
    const char* name;
    const char* kind;  // class name
    const char* caption;
};

const ControlRow kControls[] = {
    {"Label1", "QLabel", "検索文字列"},
    {"FindStringCB", "QComboBox", ""},
    {"FindNextBtn", "QPushButton", "次を検索（Ｆ３）"},
    {"FindHeadBtn", "QPushButton", "先頭から検索"},
    {"FindBackBtn", "QPushButton", "前を検索（Shift+Ｆ３）"},
    {"SelectRangeChk", "TRangeCheckBox", "選択領域のみ検索範囲"},
    {"CancelBtn", "QPushButton", "キャンセル"},
    {"Panel1", "QWidget", ""},
    {"Label2", "QLabel", "置換文字列"},
    {"ReplaceStringCB", "QComboBox", ""},
    {"ReplaceBtn", "QPushButton", "置換え（Ｆ４）"},
    {"ReplaceNextBtn", "QPushButton", "置換して次へ"},
    {"ReplaceAllBtn", "QPushButton", "すべて置換え（&A）"},
};

QString CaptionOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return QString();
}

TEST(TFindForm, HasEveryControlWithItsNameAndCaption) {
    TFindForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("検索ダイアログ"));
    EXPECT_FALSE(form.isModal());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    for (const ControlRow& r : kControls) {
        auto* w = form.findChild<QWidget*>(QString::fromUtf8(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_STREQ(w->metaObject()->className(), r.kind) << r.name;
        EXPECT_EQ(CaptionOf(w), QString::fromUtf8(r.caption)) << r.name;
    }
    for (const char* box : {"FindStringCB", "ReplaceStringCB"})
        EXPECT_TRUE(form.findChild<QComboBox*>(QString::fromUtf8(box))->isEditable()) << box;
    EXPECT_TRUE(form.findChild<QPushButton*>(QStringLiteral("FindNextBtn"))->isDefault());
    // The replacement part lives on Panel1.
    auto* panel = form.findChild<QWidget*>(QStringLiteral("Panel1"));
    for (const char* n :
         {"Label2", "ReplaceStringCB", "ReplaceBtn", "ReplaceNextBtn", "ReplaceAllBtn"})
        EXPECT_EQ(form.findChild<QWidget*>(QString::fromUtf8(n))->parentWidget(), panel) << n;
}

struct LayoutRow {
    TFindForm::Layout layout;
    int clientHeight;
    int checkTop;
    int cancelTop;
    bool panelShown;
};

class FindFormLayout : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(FindFormLayout, SetsHeightsAndTops) {
    const LayoutRow& r = GetParam();
    TFindForm form;
    // Each layout is reached from the other one as well.
    form.ApplyLayout(r.layout == TFindForm::Layout::Find ? TFindForm::Layout::Replace
                                                         : TFindForm::Layout::Find);
    form.ApplyLayout(r.layout);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.CurrentLayout(), r.layout);
    EXPECT_EQ(form.height(), r.clientHeight);
    EXPECT_EQ(form.SelectRangeChk()->y(), r.checkTop);
    EXPECT_EQ(form.CancelBtn()->y(), r.cancelTop);
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible(), r.panelShown);
    // Nothing reaches past the bottom edge.
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->isVisible() && w->parentWidget() == &form) {
            EXPECT_LE(w->geometry().bottom(), r.clientHeight) << qPrintable(w->objectName());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FindFormLayout,
                         ::testing::Values(LayoutRow{TFindForm::Layout::Find, 150, 118, 113, false},
                                           LayoutRow{TFindForm::Layout::Replace, 236, 204, 199,
                                                     true}));

TEST(TFindForm, CloseBoxHidesAndPressesCancel) {
    TFindForm form;
    form.show();
    QApplication::processEvents();
    QSignalSpy cancel(&form, &TFindForm::CancelPressed);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(cancel.count(), 1);
    // Escape presses the cancel button too.
    form.show();
    QApplication::processEvents();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(cancel.count(), 2);
}

TEST(TFindForm, MouseClicksNeverLeaveTheRangeBoxChecked) {
    TFindForm form;
    form.show();
    QApplication::processEvents();
    QCheckBox* box = form.SelectRangeChk();
    const QPoint inside(8, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(box->isChecked());  // the click would have checked it
    box->setChecked(true);           // as the opening preset does
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(box->isChecked());
    // The keyboard checks it.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
}

TEST(TFindForm, ReplaceAndNextPressesReplaceThenFindNext) {
    TFindForm form;
    QStringList order;
    QObject::connect(&form, &TFindForm::ReplacePressed, [&] { order << "replace"; });
    QObject::connect(&form, &TFindForm::FindNextPressed, [&] { order << "next"; });
    QObject::connect(&form, &TFindForm::FindHeadPressed, [&] { order << "head"; });
    QObject::connect(&form, &TFindForm::FindBackPressed, [&] { order << "back"; });
    QObject::connect(&form, &TFindForm::ReplaceAllPressed, [&] { order << "all"; });
    for (const char* n :
         {"ReplaceNextBtn", "FindHeadBtn", "FindBackBtn", "ReplaceAllBtn", "FindNextBtn"})
        form.findChild<QPushButton*>(QString::fromUtf8(n))->click();
    EXPECT_EQ(order, QStringList({"replace", "next", "head", "back", "all", "next"}));
}

TEST(TFindForm, EnterInTheSearchBoxPressesFindNext) {
    TFindForm form;
    form.show();
    QApplication::processEvents();
    QSignalSpy next(&form, &TFindForm::FindNextPressed);
    form.FindStringCB()->setFocus();
    QTest::keyClicks(form.FindStringCB(), QStringLiteral("abc"));
    QTest::keyClick(form.FindStringCB(), Qt::Key_Return);
    EXPECT_EQ(next.count(), 1);
    // The box keeps no item of its own on Enter: the program keeps the history.
    EXPECT_EQ(form.FindStringCB()->count(), 0);
}

TEST(TFindForm, InsertOnTopKeepsTheTextBeingEdited) {
    TFindForm form;
    QComboBox* box = form.ReplaceStringCB();
    box->setEditText(QStringLiteral("新"));
    TFindForm::InsertOnTop(box, QStringLiteral("旧"));
    TFindForm::InsertOnTop(box, QStringLiteral("古"));
    EXPECT_EQ(box->currentText(), QStringLiteral("新"));
    EXPECT_EQ(box->itemText(0), QStringLiteral("古"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("旧"));
}

}  // namespace

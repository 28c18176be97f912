// Find and replace: the find commands of the main window and their check buttons, the find
// dialog's state (modes, fresh-open flag, search range, histories), and the searches and
// replacements in the active view. Both views show one document, so a replacement made in the
// active view is in the other view at once.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QToolButton>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "editing/TFindForm.h"
#include "editing/TFindHistory.h"
#include "editing/TFindRules.h"
#include "editing/TViewFindTarget.h"

namespace {
QString N(const char* name) {
    return QString::fromLatin1(name);
}

// The check-button pairs (top bar, side bar) and the command each pair stands for.
struct CheckPair {
    const char* button;
    const char* twin;
    const char* command;
    void (TOMForm::*click)(bool);
};
const CheckPair kCheckPairs[] = {
    {"FindTB", "FindTB2", "FindM", &TOMForm::FindTBClick},
    {"ReplaceTB", "ReplaceTB2", "ReplaceM", &TOMForm::ReplaceTBClick},
    {"FindEXTB", "FindEXTB2", "FindEXM", &TOMForm::FindEXTBClick},
};
enum Pair { kFind, kReplace, kTrace };

// Every command an empty document disables.
const char* const kFindCommands[] = {"FindM",     "ReplaceM",  "ReplaceRunM", "FindEXM",
                                     "FindNextM", "FindHeadM", "FindBackM"};

// The main-menu items whose keys belong to the dialog's boxes while the dialog is active, with
// the keys they get back when it is left.
const std::pair<const char*, const char*> kDialogKeys[] = {
    {"RedoM", "Shift+Ctrl+Z"}, {"UndoM", "Ctrl+Z"},  {"CutM", "Ctrl+X"},
    {"CopyM", "Ctrl+C"},       {"PasteM", "Ctrl+V"}, {"AllSelectM", "Ctrl+A"},
};

// Replace all lets the window paint this often (and takes no input meanwhile).
constexpr qint64 kPaintEveryMs = 50;
}  // namespace

void TOMForm::InstallFindCommands() {
    connect(Command("FindM"), &QAction::triggered, this, &TOMForm::FindMClick);
    connect(Command("ReplaceM"), &QAction::triggered, this, &TOMForm::ReplaceMClick);
    connect(Command("FindEXM"), &QAction::triggered, this, &TOMForm::FindEXMClick);
    connect(Command("FindNextM"), &QAction::triggered, this, [this] { FindNextMClick(); });
    connect(Command("FindHeadM"), &QAction::triggered, this, [this] { FindHeadMClick(); });
    connect(Command("FindBackM"), &QAction::triggered, this, [this] { FindBackMClick(); });
    connect(Command("ReplaceRunM"), &QAction::triggered, this, [this] { ReplaceRunMClick(); });
    // The check buttons set the modes from their own state instead of running the menu item;
    // the two buttons of a pair always show the same state.
    for (int i = 0; i < 3; ++i) {
        const CheckPair& p = kCheckPairs[i];
        QAction* command = Command(p.command);
        QToolButton* one = Button(p.button);
        QToolButton* two = Button(p.twin);
        findButtons_[size_t(2 * i)] = one;
        findButtons_[size_t(2 * i + 1)] = two;
        for (auto [button, twin] : {std::pair{one, two}, std::pair{two, one}}) {
            disconnect(button, &QToolButton::clicked, command, nullptr);
            connect(button, &QToolButton::clicked, this, [this, twin = twin, p](bool down) {
                twin->setChecked(down);
                (this->*p.click)(down);
            });
        }
    }
}

TFindForm* TOMForm::FindForm() {
    if (findForm_) return findForm_;
    findForm_ = new TFindForm(this);
    findForm_->FindStringCB()->addItems(findHistory);
    findForm_->SetFindText(QString());
    findForm_->move(findLeft, findTop);
    connect(findForm_, &TFindForm::Activated, this, &TOMForm::FindActivated);
    connect(findForm_, &TFindForm::Deactivated, this, &TOMForm::FindDeactivated);
    // The dialog's find buttons press the window's tool buttons (which follow their commands).
    QToolButton* next = Button("FindNextTB");
    QToolButton* head = Button("FindHeadTB");
    QToolButton* back = Button("FindBackTB");
    connect(findForm_, &TFindForm::FindNextPressed, next, &QToolButton::click);
    connect(findForm_, &TFindForm::FindHeadPressed, head, &QToolButton::click);
    connect(findForm_, &TFindForm::FindBackPressed, back, &QToolButton::click);
    connect(findForm_, &TFindForm::ReplacePressed, this, [this] { ReplaceRunMClick(); });
    connect(findForm_, &TFindForm::ReplaceAllPressed, this, [this] { ReplaceAllClick(); });
    connect(findForm_, &TFindForm::CancelPressed, this, [this] {
        findMode = replaceMode = false;
        FindDialogUpdate();
    });
    connect(findForm_, &TFindForm::Moved, this, [this](const QPoint& pos) {
        findLeft = pos.x();
        findTop = pos.y();
    });
    return findForm_;
}

// ----- commands ---------------------------------------------------------------------------------

void TOMForm::FindMClick() {
    findFreshOpen = true;
    findActivateAsked_ = false;
    findMode = true;
    replaceMode = false;
    FindDialogUpdate();
}

void TOMForm::ReplaceMClick() {
    findFreshOpen = true;
    findActivateAsked_ = false;
    findMode = false;
    replaceMode = true;
    FindDialogUpdate();
}

void TOMForm::FindEXMClick() {
    findMode = replaceMode = true;
    FindDialogUpdate();
}

void TOMForm::FindTBClick(bool down) {
    findFreshOpen = down;
    findActivateAsked_ = false;
    findMode = down;
    replaceMode = false;
    FindDialogUpdate();
}

void TOMForm::ReplaceTBClick(bool down) {
    findFreshOpen = down;
    findActivateAsked_ = false;
    replaceMode = down;
    findMode = false;
    FindDialogUpdate();
}

void TOMForm::FindEXTBClick(bool down) {
    findMode = replaceMode = down;
    FindDialogUpdate();
}

// ----- dialog state -----------------------------------------------------------------------------

void TOMForm::SetFindButtons(int pair, bool down) {
    for (int k = 0; k < 2; ++k)
        if (QToolButton* b = findButtons_[size_t(2 * pair + k)]) b->setChecked(down);
}

void TOMForm::FindDialogUpdate() {
    if (findMode && replaceMode) {
        if (active_->SelLength() > 0) {
            FindTraceStep();
            return;
        }
        findMode = replaceMode = false;
    }
    for (const char* n : {"FindM", "ReplaceM", "ReplaceRunM"}) EnableCommand(N(n), true);
    SetFindButtons(kFind, findMode);
    SetFindButtons(kReplace, replaceMode);
    SetFindButtons(kTrace, false);
    if (!findMode && !replaceMode) {
        if (findForm_) findForm_->hide();
        return;
    }
    EnableCommand(N("FindEXM"), false);
    TFindForm* d = FindForm();
    const auto layout = findMode ? TFindForm::Layout::Find : TFindForm::Layout::Replace;
    if (d->CurrentLayout() != layout) d->ApplyLayout(layout);
    if (findFreshOpen && !findActivateAsked_) {
        // Brought up once for each opening command; the activation takes the flag.
        findActivateAsked_ = true;
        const bool wasActive = d->IsDialogActive();
        d->show();
        d->raise();
        d->activateWindow();
        if (wasActive) FindActivated();
    } else {
        d->show();
    }
}

void TOMForm::FindTraceStep() {
    for (const char* n : kFindCommands) EnableCommand(N(n), true);
    SetFindButtons(kFind, false);
    SetFindButtons(kReplace, false);
    SetFindButtons(kTrace, true);
    TFindForm* d = FindForm();
    d->hide();
    d->SetFindText(active_->SelText());
}

void TOMForm::FindStateRefresh() {
    if (doc_->isEmpty()) {
        for (const char* n : kFindCommands) EnableCommand(N(n), false);
        for (int pair : {kFind, kReplace, kTrace}) SetFindButtons(pair, false);
        return;
    }
    for (const char* n : {"FindNextM", "FindHeadM", "FindBackM"}) EnableCommand(N(n), true);
    FindDialogUpdate();
}

void TOMForm::FindSelectionRefresh(bool selected) {
    EnableCommand(N("FindEXM"), selected);
    SetFindButtons(kTrace, false);
}

void TOMForm::FindShortcuts(bool given) {
    for (const auto& [name, key] : kDialogKeys)
        Command(name)->setShortcut(given ? QKeySequence(N(key)) : QKeySequence());
}

void TOMForm::FindActivated() {
    // The editing keys act in the dialog's boxes while it is active.
    FindShortcuts(false);
    TFindForm* d = FindForm();
    if (findMode)
        d->ApplyLayout(TFindForm::Layout::Find);
    else if (replaceMode)
        d->ApplyLayout(TFindForm::Layout::Replace);
    else
        UnexpectedError();
    if (findFreshOpen) {
        d->SetSelectionOnly(active_->SelLength() > 1);
        findFreshOpen = false;
    }
}

void TOMForm::FindDeactivated() {
    FindShortcuts(true);
    findState_.ClearRange();
    FindForm()->SetSelectionOnly(false);
}

// ----- searching --------------------------------------------------------------------------------

void TOMForm::ReadFindState() {
    TFindForm* d = FindForm();
    findState_.findText = d->FindText();
    findState_.replaceText = d->ReplaceText();
    findState_.selectionOnly = d->SelectionOnly();
}

void TOMForm::NoteFindEditKind(int kind) {
    if (findEditKindHook_) findEditKindHook_(kind);
    NoteEditKind(kind);
}

void TOMForm::FindNotFound() {
    QWidget* parent = findForm_ && findForm_->isVisible() ? static_cast<QWidget*>(findForm_) : this;
    MessageService::Show(parent, QMessageBox::NoIcon, QString(),
                         QStringLiteral("検索文字は見つかりませんでした"), QMessageBox::Ok);
}

void TOMForm::AddFindHistory() {
    TFindForm* d = FindForm();
    const QString text = d->FindText();
    if (text.isEmpty() || d->FindStringCB()->findText(text) >= 0) return;
    TFindForm::InsertOnTop(d->FindStringCB(), text);
    TFindHistory::Add(findHistory, text);
    if (d->ReplaceStringCB()->findText(text) < 0)
        TFindForm::InsertOnTop(d->ReplaceStringCB(), text);
}

void TOMForm::AddReplaceHistory() {
    TFindForm* d = FindForm();
    const QString text = d->ReplaceText();
    if (!text.isEmpty() && d->ReplaceStringCB()->findText(text) < 0)
        TFindForm::InsertOnTop(d->ReplaceStringCB(), text);
}

bool TOMForm::FindNextMClick() {
    ReadFindState();
    if (findState_.findText.isEmpty()) {
        FindMClick();
        return false;
    }
    TViewFindTarget view(*active_);
    if (!TFindRules::FindNext(view, findState_)) {
        FindNotFound();
        return false;
    }
    AddFindHistory();
    return true;
}

bool TOMForm::FindBackMClick() {
    ReadFindState();
    if (findState_.findText.isEmpty()) {
        FindMClick();
        return false;
    }
    TViewFindTarget view(*active_);
    if (!TFindRules::FindPrevious(view, findState_)) {
        FindNotFound();
        return false;
    }
    AddFindHistory();
    return true;
}

bool TOMForm::FindHeadMClick() {
    active_->SetSelection(0, 0);
    return FindNextMClick();
}

// ----- replacing --------------------------------------------------------------------------------

bool TOMForm::FindReplaceStep() {
    TViewFindTarget view(*active_);
    if (!TFindRules::SelectionMatches(view, findState_)) return false;
    SelectionSync();
    // One document: the mirror view shows the replacement as soon as the active view makes it.
    mirroring = false;
    TFindRules::Replace(view, findState_);
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
    AddReplaceHistory();
    return true;
}

bool TOMForm::ReplaceRunMClick() {
    ReadFindState();
    TViewFindTarget view(*active_);
    // Only a replacement that will happen is noted: a selection that is not the search string
    // changes nothing and makes no undo step.
    if (!TFindRules::SelectionMatches(view, findState_)) return false;
    NoteFindEditKind(6);
    return FindReplaceStep();
}

int TOMForm::ReplaceAllClick() {
    ReadFindState();
    if (findState_.findText.isEmpty()) {
        ReplaceMClick();
        return 0;
    }
    QWidget* parent = findForm_ && findForm_->isVisible() ? static_cast<QWidget*>(findForm_) : this;
    const auto answer =
        MessageService::Show(parent, QMessageBox::Question, QStringLiteral("確認"),
                             QStringLiteral("すべて置換えますか？"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes) return 0;
    // The whole run is one undo step.
    NoteFindEditKind(4);
    ReadFindState();
    TViewFindTarget view(*active_);
    SelectionSync();
    mirroring = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    // A long run lets the window paint now and then; typing and clicks wait until it is done.
    const int count = TFindRules::ReplaceAll(view, findState_, [&clock](int) {
        if (clock.elapsed() < kPaintEveryMs) return;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        clock.restart();
    });
    QApplication::restoreOverrideCursor();
    mirroring = true;
    if (count > 0) {
        AddFindHistory();
        AddReplaceHistory();
    }
    StateRefresh();
    SelectionRefresh();
    // The run ends where find next finds no more.
    FindNotFound();
    return count;
}

#pragma once
// TOMForm: the main window. It owns the document and its two views, the menu bar, the popup
// menus, the five bars of the top bar area and the two of the right-hand area, the status bar
// and the state of the run (paths, default font, flags).
//
// The implementation is split by concern:
//   TOMForm.cpp          creation, first showing, close query, hints, command line
//   TOMFormMenus.cpp     the menu bar and popup menus, command lookup and enabling
//   TOMFormBars.cpp      bars and bands, status bar, bar commands
//   TOMFormSettings.cpp  loading and saving the settings
//   TOMFormViews.cpp     the views, split, resize layout, wrap, vertical switch
//   TOMFormEdit.cpp      clipboard and selection commands, selection sync and refresh
//   TOMFormPending.cpp   the hooks through which the later command groups are installed
//   TOMFormGenerate.cpp  vertical HTML and vertical text generation; TOMFormYokoHtml.cpp the
//                        horizontal HTML export
// Further command groups go into files of their own (TOMFormFiles.cpp, …) and reach the window
// through Action(), Command enabling and the public state below.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ColorValue.h"
#include "editing/TFindState.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QSplitter;
class QTextDocument;
class QToolButton;
class QUrl;
class DocumentFiles;
class TBand;
class TCancelForm;
class TImeState;
class TColorLookupComboBox;
class TFindForm;
class TRichEditEx;
class TSnapshotRing;
class TPrintCommands;
class TateWarnings;
class TanlRuler;
struct TSnapshotEntry;
struct TateSettings;

class TOMForm : public QMainWindow {
    Q_OBJECT
public:
    // args: the command-line arguments after the program name.
    explicit TOMForm(const QStringList& args = {}, QWidget* parent = nullptr);
    ~TOMForm() override;

    // ----- lookup -------------------------------------------------------------------------------
    // A menu item, popup item or sub-menu by object name ("CutM", "CutPop", "aa1"), or nullptr.
    QAction* Action(const QString& name) const;
    // A command the program itself names: a menu item, popup item or sub-menu ("UndoM"), or a
    // tool button ("UndoTB"). A name the window does not have is a fault of the program: it is
    // reported at once (fatal when built for debugging or when ORIMAKI_STRICT_NAMES is set, as
    // in the tests) and a detached, disabled stand-in is returned, never nullptr.
    QAction* Command(const char* name);
    QToolButton* Button(const char* name);
    // The names asked for that the window did not have, in the order asked.
    const QStringList& MissingNames() const { return missingNames_; }
    // Enables a command: the menu item and every popup item and tool button linked to it.
    void EnableCommand(const QString& name, bool enabled);
    QMenu* PopupMenu(int n) const;  // 1, 2 or 3
    QLabel* StatusPanel(int n) const;
    TBand* Band(int id) const;       // top bar area: 0 tool … 4 address
    TBand* RightBand(int id) const;  // right-hand area: 0 find, 1 tool

    // ----- views --------------------------------------------------------------------------------
    TRichEditEx* RichEditEx1() const { return view1_; }
    TRichEditEx* RichEditEx2() const { return view2_; }
    TRichEditEx* ActiveView() const { return active_; }
    TRichEditEx* MirrorView() const { return mirror_; }
    QTextDocument* Document() const { return doc_; }
    QWidget* EditPanel() const { return editPanel_; }
    TanlRuler* Ruler() const { return ruler_; }
    QSplitter* EditSplitter() const { return splitter_; }
    QLineEdit* AddressEdit() const { return addressEdit_; }
    QComboBox* FontNameCB() const { return fontNameCB_; }
    // The document on disk (new, open, save, drop), bound to documentPath and savedPath.
    DocumentFiles* Files() const { return files_; }

    // ----- state of the run ---------------------------------------------------------------------
    QString documentPath;  // full path of the document, also when untitled
    QString savedPath;     // last loaded from or saved to; empty when untitled
    QString defaultFontName = QStringLiteral("ＭＳ Ｐゴシック");
    int defaultFontSize = 11;
    TColor defaultFontColor = clBlack;
    QString newFileExt = QStringLiteral(".wri");
    QString indentStr = QStringLiteral(">");
    bool shiftJisMode = true;
    int colorFileType = 0;
    // Where the six colour lists are read from (empty: ColorListLoader::DefaultFolder()).
    QString colorListFolder;
    int tabOption = 0;
    bool verticalFlag = false;
    bool wrapOff = true;
    bool splitTopBottom = false;
    bool splitLeftRight = false;
    // Bars: tool, find, font, style, address.
    std::array<bool, 5> barFlags{true, true, true, true, true};
    bool barsVertical = false;
    bool barCaptions = true;
    bool insertMode = true;
    bool mirroring = true;
    bool composing = false;
    int editKind = 0;
    int findTop = 200;
    int findLeft = 120;
    QStringList findHistory;  // the find dialog's search strings, newest first
    QStringList trueTypeFonts;
    QStringList japaneseFonts;
    static inline const QString kUntitled = QStringLiteral("新規文書");

    // ----- operations used by the other command groups -----------------------------------------
    void LoadSettings();
    void SaveSettings();
    void ApplySplit();
    void ResizeLayout();
    void SyncWrapWidths();
    void ApplyWrap();
    void ApplyMode();
    void ReapplySelectionBar();
    void ArrangeBars();
    void ApplyCaptions();
    void EnterView(TRichEditEx* view);
    void SelectionSync();
    void SelectionRefresh();
    void StateRefresh();
    // Notes the edit kind of the command about to change the document (0 … 7).
    void NoteEditKind(int kind);
    // Closes the query: true when the close may go on.
    bool FormCloseQuery();
    void HintHandler(const QString& hint);
    bool BalloonHints() const { return balloonHints_; }
    // The band order of an area as it stands: identities, breaks and lengths by position.
    struct BandSlot {
        int id;
        bool brk;
        int length;
    };
    std::vector<BandSlot> TopBandOrder() const;
    std::vector<BandSlot> RightBandOrder() const;
    void SetTopBandOrder(const std::vector<BandSlot>& order);
    void SetRightBandOrder(const std::vector<BandSlot>& order);
    // The application title (the window system's task name), kept for the window's commands.
    static void SetApplicationTitle(const QString& title);
    static QString ApplicationTitle();

    // ----- command handlers ---------------------------------------------------------------------
    void ExitMClick();
    void CutMClick();
    void CopyMClick();
    void PasteMClick();
    void DeleteMClick();
    void AllSelectMClick();
    void CtrlTabMClick();
    void S2NoneMClick();
    void S2UeShitaMClick();
    void S2SaYuuMClick();
    void S2UeShitaTBClick(bool down);
    void S2SaYuuTBClick(bool down);
    void WordWrapOffMClick();
    void TateModeMClick();
    void YokoModeMClick();
    void TextModeTBClick();
    void BarToggle(int bar);
    void BarALLMClick();
    void BarNoneMClick();
    void BarNormalMClick();
    void BarTateMClick();
    void BarStringsMClick();

    // Document commands (document files); the close query runs save-as through this.
    void SaveAsMClick();
    void NewFileMClick();
    void LoadFile();
    // Tests: replaces the save-as command run by the close query.
    void SetSaveAsHook(std::function<void()> hook) { saveAsHook_ = std::move(hook); }

    // Hooks through which the later command groups install themselves (see TOMFormPending.cpp).
    void InstallVerticalView();
    void InstallFileCommands();
    void InstallFormattingCommands();
    void InstallFindCommands();
    void InstallCaretCommands();
    void InstallAddressCommands();
    void InstallCopyMenuCommands();
    void InstallConversionCommands();
    void InstallGenerationCommands();
    // The options command (options library) and the help command (TOMFormOptions.cpp).
    void InstallOptionsCommands();
    void ShowOptionMClick();
    void Contents1Click();
    // Loads the list of the colour file type into the font bar's colour box FontColorCLCB (at
    // start-up when the stored type is not 0, and after the options dialog).
    void LoadColorList();
    void InstallPrintCommands();
    // The report, the preview window and the print commands (TOMFormPrint.cpp).
    TPrintCommands* Printing() const { return print_; }
    void PrintPrevMClick();
    void PrintDlgMClick();
    void PrintMClick();
    // Command enabling after new, load and write (save and undo follow the modified flag).
    void CommandEnabling();
    // The key relay: sees every event of the application before it is delivered; true eats it.
    bool KeyRelay(QObject* watched, QEvent* e);

    // ----- caret, status and undo (TOMFormUndo.cpp, TOMFormKeys.cpp) -------------------------
    void UndoMClick();
    void RedoMClick();
    void RowSelectMClick();
    void RowDeleteMClick();
    void HomeMClick();
    void EndMClick();
    void CHomeMClick();
    void CEndMClick();
    // Empties the undo ring; its first entry is the document as it stands (after new and load).
    void ResetUndo();
    const TSnapshotRing& UndoRing() const { return *ring_; }
    // Set while a composition of the input method has not been committed yet.
    bool imePending = false;

    // ----- formatting (TOMFormFormat.cpp, TOMFormFormatBoxes.cpp) ----------------------------
    // The font bar (name, size and colour boxes, colour button), the format bar (style,
    // alignment and bullet buttons, baseline controls) and the format menu. Every change notes
    // edit kind 6 first and is applied once, through the active view.
    // Updates the boxes, buttons and the baseline track bar from the active view's selection.
    void FollowSelection();
    void FontNameMClick();
    void FontSizeMClick();
    void FontColorMClick();
    void ColorBtnMClick();
    // Style menu items: invert the style button and press it. style: bold 0 … strike-out 3.
    void StyleMClick(int style);
    // The four style buttons: apply the pressed button's new state.
    void BoldTBClick(QToolButton* sender);
    void RowLeftMClick();
    void RowCenterMClick();
    void RowRightMClick();
    void BulletMClick();
    void BulletTBClick();
    // Apply the name box's name, the size box's number, the colour box's colour.
    void ApplyFontName();
    void ApplyFontSize();
    void ApplyFontColor();
    void FontColorCuteBtnClick();
    void BLineRockCheckBClick();
    void BaseLineTBarChange();
    void BaseLineEditClick();
    // The colour of the colour button's face: the colour last applied from the colour box.
    TColor CuteButtonColor() const { return cuteColor_; }
    bool SizeListFlag() const { return sizeListFlag_; }

private:
    void InstallFormatBoxFilters();
    bool FormatBoxEvent(QObject* watched, QEvent* e);
    // A key in the name, size or colour box: Enter and Tab apply, Esc restores.
    bool BoxKey(QKeyEvent* k, void (TOMForm::*apply)(), const std::function<void()>& restore);
    bool BaseLineTBarKeyDown(QKeyEvent* k);
    void FontNameCBExit();
    void FontSizeCBExit();
    void FontColorCLCBExit();
    void ApplyParagraph(int alignment, bool bulletOnly, bool bullet);
    void ApplyRunWise(const QString& name);
    void LeaveBoxToView();
    void ViewTakesFocus();
    void SetCuteColor(TColor c);
    void AddDocumentFontNames();
    void AddFontName(const QString& name);
    void SetBaseLinePosition(int points);
    QComboBox* fontSizeCB_ = nullptr;
    TColorLookupComboBox* fontColorCLCB_ = nullptr;
    QToolButton* cuteBtn_ = nullptr;
    QCheckBox* lockCheckB_ = nullptr;
    QLineEdit* baseLineEdit_ = nullptr;
    QSlider* baseLineTBar_ = nullptr;
    QObject* formatFilter_ = nullptr;
    QObject* sizeList_ = nullptr;  // the size box's list and the popup that holds it
    QObject* sizeListPopup_ = nullptr;
    QStringList installedFontNames_;
    TColor cuteColor_ = clBlack;
    bool sizeListFlag_ = false;
    bool following_ = false;    // boxes and bar are being set from the selection
    bool formatting_ = false;   // a format command is running
    int knownFormatCount_ = 0;  // document formats already searched for font names

    // ----- copy menu, background and ruler (TOMFormCopyMenu.cpp, TOMFormRuler.cpp) -----------
public:
    // PopupMenu3 on the name, size and colour boxes, the colour button and the address box:
    // PopupMenu3Popup sets its items up for the control it opens on (the copy item's caption,
    // the extra item shown); ShowCopyMenu does that and opens it.
    void PopupMenu3Popup(QWidget* source);
    void ShowCopyMenu(QWidget* source, const QPoint& globalPos);
    // The control the copy menu was last set up for.
    QWidget* CopyMenuSource() const { return copyMenuSource_; }
    void FNCACopyPopClick();
    void RGBCopyPopClick();
    void BGColorPopClick();
    void AddressPastePopClick();
    // Shows or hides the ruler (RulerM, RulerPop).
    void RulerMClick();
    // The end of a marker drag: the paragraphs of the selection take the marker's indent.
    void RulerIndentChange(int marker);
    // The ruler lines up with the active view (across the top of horizontal text, upright on
    // the right of vertical columns) and shows the indents of the selection's paragraph.
    void RulerFollowSelection();

private:
    void InstallRuler();
    void PlaceRuler();
    void LineUpRuler();
    void RulerFollowLater();
    void CopyText(const QString& text);
    QPointer<QWidget> copyMenuSource_;
    QObject* rulerWatch_ = nullptr;  // sees the views resize and scroll
    bool rulerFollowDue_ = false;
    bool rulerVertical_ = false;  // where the ruler stands now

public:
    // ----- conversions (TOMFormConvert.cpp, TOMFormTextTools.cpp) -----------------------------
    // The six conversions of the selection (CRLFM: of the whole text); sender is the command.
    void ToHankakuMClick(QAction* sender);
    void CountMClick();
    void IndentMClick();
    void IndentStrMClick();
    void SHIFTJISMClick();
    void SJISOFFMClick();
    void TextAllSJISMClick();
    void TextNoneSJISMClick();
    // The active view's visible pixels to the clipboard as an image.
    void TextImageMClick();
    // Checks the mode's menu item and redraws the name box's marks for the mode.
    void ApplyShiftJisMode();
    // An input-method composition starts in the active view: text typed where the default
    // character set stands starts in the default font with the Shift-JIS character set.
    void CompositionStart();

private:
    // Replaces every format run of the active view's selection by its converted text, each in
    // its own format; selects the result.
    void ConvertSelectionRuns(int conversion);
    // The byte position of the first paragraph end (CR LF) from `from` whose two bytes end at
    // or before `to`, or -1.
    int ParagraphEndIn(int from, int to) const;

public:
    // ----- find and replace (TOMFormFind.cpp) ---------------------------------------------------
    // Dialog state: find mode only = find layout, replace mode only = replace layout, both =
    // trace search (the dialog hidden, the selection is the search string), neither = closed.
    bool findMode = false;
    bool replaceMode = false;
    // Set by the find commands (and the find and replace buttons pressed down); taken by the
    // dialog's next activation, which then presets the selection-only switch.
    bool findFreshOpen = false;
    // The find dialog, made on first use (its search history filled from findHistory).
    TFindForm* FindForm();
    bool HasFindForm() const { return findForm_ != nullptr; }
    // The search range and the strings as the find rules use them.
    const TFindState& FindState() const { return findState_; }
    void FindMClick();
    void ReplaceMClick();
    void FindEXMClick();
    // The find, replace and trace-search check buttons (either of a pair) with their new state.
    void FindTBClick(bool down);
    void ReplaceTBClick(bool down);
    void FindEXTBClick(bool down);
    // Find next, previous and from the top: true when a match was selected.
    bool FindNextMClick();
    bool FindBackMClick();
    bool FindHeadMClick();
    // The replace step (F4 and the dialog's replace button): true when it replaced.
    bool ReplaceRunMClick();
    // Replace all after asking; the number of replacements.
    int ReplaceAllClick();
    // Runs after every find command and from the state refresh: shows, hides or lays out the
    // dialog and sets the find commands and their buttons.
    void FindDialogUpdate();
    // The find part of the state refresh: an empty document disables the find commands and
    // releases their buttons; otherwise find next, from the top and previous are enabled and
    // the dialog state update runs.
    void FindStateRefresh();
    // The find part of the selection refresh: trace search is enabled exactly when something
    // is selected; its buttons are up.
    void FindSelectionRefresh(bool selected);
    // Tests: sees every edit kind the find commands note, before it is noted.
    void SetFindEditKindHook(std::function<void(int)> hook) { findEditKindHook_ = std::move(hook); }

signals:
    // The first showing has finished (the splash is gone, the document is ready).
    void Shown();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void BuildMenus();
    void BuildPopupMenus();
    void AddKeyLabels();
    void BuildBars();
    void BuildStatusBar();
    void BuildEditPanel();
    void FillFontLists();
    void LinkButton(QToolButton* button, const QString& command);
    QToolButton* AddButton(TBand* band, const QString& name, const QString& text,
                           const QString& hint, const QString& command = {});
    void ApplyBandOrder(Qt::ToolBarArea area, const std::vector<BandSlot>& order);
    std::vector<BandSlot> ReadBandOrder(Qt::ToolBarArea area) const;
    void ShowBands();
    void KeepBandPlaces();
    void SetSplitButtons(bool topBottom, bool leftRight);
    void ViewEntered(TRichEditEx* view);
    void ShowEditPopup(TRichEditEx* view, const QPoint& pos);
    void ApplyPasteFontRules();
    void LoadFromCommandLine();
    void UnexpectedError();
    void WriteLinePanel();
    void UpdateUndoCommands();
    void RestoreEntry(const TSnapshotEntry& entry);
    void SelectCaretLine();
    void SendKey(int key, Qt::KeyboardModifiers modifiers);
    void ToggleInsert();
    void WriteImePanel();
    void RelayRefreshLater(bool selection, bool state);

    QStringList args_;
    bool shownOnce_ = false;
    bool balloonHints_ = true;
    bool settingsUnreadable_ = false;
    // The first showing has finished; a close asked for before then waits for it.
    bool startUpDone_ = false;
    bool closeAfterStartUp_ = false;
    std::function<void()> saveAsHook_;

    QTextDocument* doc_ = nullptr;
    TPrintCommands* print_ = nullptr;
    DocumentFiles* files_ = nullptr;
    TRichEditEx* view1_ = nullptr;
    TRichEditEx* view2_ = nullptr;
    TRichEditEx* active_ = nullptr;
    TRichEditEx* mirror_ = nullptr;
    QWidget* editPanel_ = nullptr;
    TanlRuler* ruler_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLineEdit* addressEdit_ = nullptr;
    QComboBox* fontNameCB_ = nullptr;
    std::array<TBand*, 5> bands_{};
    std::array<TBand*, 2> rightBands_{};
    // Band model: the order of each area by identity, with breaks and lengths.
    std::vector<BandSlot> topSlots_;
    std::vector<BandSlot> rightSlots_;
    std::array<QLabel*, 4> panels_{};
    std::array<QMenu*, 3> popups_{};
    void ReportMissingName(const QString& name);

    QHash<QString, QAction*> actions_;
    QStringList missingNames_;
    std::unique_ptr<TSnapshotRing> ring_;
    TImeState* ime_ = nullptr;
    bool selectionRefreshDue_ = false;
    bool stateRefreshDue_ = false;

    // ----- find and replace (TOMFormFind.cpp) ---------------------------------------------------
    void FindTraceStep();
    void FindActivated();
    void FindDeactivated();
    void FindShortcuts(bool given);
    // The check-button pairs: 0 find, 1 replace, 2 trace search.
    void SetFindButtons(int pair, bool down);
    void ReadFindState();
    void AddFindHistory();
    void AddReplaceHistory();
    void FindNotFound();
    bool FindReplaceStep();
    void NoteFindEditKind(int kind);
    TFindForm* findForm_ = nullptr;
    TFindState findState_;
    // The check buttons of the three pairs, top bar and side bar (found once at installation).
    std::array<QToolButton*, 6> findButtons_{};
    // The dialog was asked to come up for the present fresh-open flag (it is asked once).
    bool findActivateAsked_ = false;
    std::function<void(int)> findEditKindHook_;
    QMultiHash<QString, QPointer<QWidget>> linked_;

    // ----- generation (TOMFormGenerate.cpp, TOMFormYokoHtml.cpp) -----------------------------
public:
    // The five vertical HTML methods ("THTML0" … "THTML4") and the vertical text
    // ("TateTextM"): the dialog, then a run over the active view's display lines as the view
    // shows them; the document is never changed by a run.
    void THTML1Click(const QString& sender);
    // The horizontal HTML export of the active view's document next to the document.
    void YokoHTMLMClick();
    // True while a generation run is going on (the window is disabled).
    bool Generating() const { return generating_; }
    // Tests: runs a generation dialog in place of showing it modally; returns its result.
    void SetGenerationDialogHook(std::function<int(QDialog&)> hook) {
        generationDialogHook_ = std::move(hook);
    }
    // Tests: sees the progress window after every column, with the columns done and in all.
    void SetGenerationProgressHook(
        std::function<void(TCancelForm&, std::size_t, std::size_t)> hook) {
        generationProgressHook_ = std::move(hook);
    }
    // Tests: takes the written page in place of the desktop's browser.
    void SetOpenUrlHook(std::function<bool(const QUrl&)> hook) { openUrlHook_ = std::move(hook); }

private:
    int RunGenerationDialog(QDialog& dialog);
    void RunGeneration(const TateSettings& settings, int method, const QString& fileName,
                       const TateWarnings& dialogWarnings);
    bool DeliverPage(const std::string& page, const TateSettings& settings,
                     const QString& fileName);
    void GenerationError(const QString& text);
    bool generating_ = false;
    std::function<int(QDialog&)> generationDialogHook_;
    std::function<void(TCancelForm&, std::size_t, std::size_t)> generationProgressHook_;
    std::function<bool(const QUrl&)> openUrlHook_;
};

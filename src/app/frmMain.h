#pragma once

#include "documents/Documents.h"
#include "markers/CMarkers.h"
#include "markers/MarkerPlaces.h"
#include "scroll/Glide.h"
#include "scroll/WheelAccumulator.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class ControlDrag;
class Dialogs;
namespace appearance {
struct Appearance;
}
namespace scriptfile {
class Reader;
struct Read;
} // namespace scriptfile
class DocConverter;
class Platform;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class RichTextView;
class Settings;
class Studio;
class dlgSelectMarker;
class frmLine;

// The prompter window: owns the script view, the panel and toolbar, and all state of a run.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    frmMain(Platform &platform, Dialogs &dialogs, Settings &settings, QWidget *parent = nullptr);
    // With settings of its own, read from the store as a fresh start of the program reads them.
    frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent = nullptr);
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Moves the script by one step: iDir +1 forward (text up), -1 back; lVal as the step value.
    void Scroll(qint16 iDir, qint32 lVal, bool bSmooth);
    void DoAction(const QString &sAction);
    void HandleKey(int keyCode, int shift);
    void ToggleFullScreen(bool bEnter);

    // Event handlers, public so that tests drive them without waiting on real time.
    void timTick_Timer();
    // The width watch: a new width is laid out once it has held for kWidthHoldTicks ticks, so a drag
    // re-wraps the script when the hand stops, not at every width it passes through.
    void timResize_Timer();
    static constexpr int kWidthHoldTicks = 3;
    // Shows the moving script once per display frame (when frame sync is on).
    void timFrame_Timer();
    void tlbMain_ButtonClick(const QString &key);
    void sldSpeed_Change();
    void sldSpeed_Scroll();
    void picBack_KeyDown(int keyCode, int shift);
    void picBack_KeyPress(int keyAscii);
    void picBack_Click();
    void txtFocus_KeyDown(int keyCode, int shift);
    // One wheel event over the viewport, in angle units (120 per classic notch).
    void HandleWheel(int angleDelta);
    void Form_Resize();
    // The reading line's handles: a press begins a drag; the window surface, the move handle and
    // the viewport hear where it passes and where it is dropped (y in their own twips).
    void picMove_MouseDown();
    void picResize_MouseDown();
    void Form_DragOver(QWidget *Source, float X, float Y);
    void picMove_DragOver(QWidget *Source, float X, float Y);
    void picBack_DragOver(QWidget *Source, float X, float Y);
    void picBack_DragDrop(QWidget *Source, float X, float Y);
    void Form_DragDrop(QWidget *Source, float X, float Y);
    void picMove_DragDrop(QWidget *Source, float X, float Y);

    // State of a run (read by tests and the windows this one hands data to).
    bool bRunning = false;
    bool bMarkMode = false;
    bool bFullScreen = false;
    qint32 lOldWindowState = 0;
    qint32 lLastTick = 0;
    qint32 lLastWidth = 0;
    float sngTextHeight = 0;
    qint32 lForeColor = 0;
    qint32 lBackColor = 0;
    QString sFontName;
    bool bFontBold = false;
    bool bFontItalic = false;
    qint16 iFontSize = 0;
    bool bFontStrikethrough = false;
    bool bFontUnderline = false;
    qint32 lLineColor = 0;

    // Window state as the classic values: 0 normal, 1 minimised, 2 maximised.
    qint32 windowStateValue() const;
    void setWindowStateValue(qint32 state);

Q_SIGNALS:
    // The window has closed for good; the program ends.
    void unloaded();
    // Opening a file from outside has ended: the script replaced, a message shown, or cancelled.
    void openingEnded();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void CreateStudio();
    void Form_Load();
    void InitPrompter();
    void Form_QueryUnload();
    void Form_Unload();
    // Stops the timers and gives back the timer resolution, once; Form_Unload and the destructor.
    void ReleaseRun();
    void ArrangeControls();
    void MeasureLineHeight();
    void UpdateProgress(bool bSmooth);
    void StartPrompter();
    void StopPrompter();
    void StartClock(quint32 tick);
    void ShowHelp();

    // Branches whose work lives with the editor, markers and options.
    void EditTextAction();
    void MarkAction();
    void JumpToAction();
    void UnmarkAction();
    void ClearAllAction();
    void OptionsAction();
    // Reads the look back from the script view and the reading line and stores it.
    void SaveAppearance();
    // The appearance state the prompter keeps: as read at start, or as last chosen.
    void KeepAppearance(const appearance::Appearance &a);
    void ReportStoreProblem();
    // Colours every marker still in the collection with the highlight again.
    void ReapplyMarkerHighlights();
    // What mark mode does with an action while the mark panel is up.
    void MarkModeAction(const QString &sAction);

    // Marking, unmarking and jumping to markers.
    void EnterMarkMode();
    void UnmarkText();
    void ClearAllMarkers();
    void JumpToMarker();
    // Shows the marker picker with sCaption on its select button: the chosen 1-based index, or -1.
    qint32 PickMarker(const QString &sCaption);
    // The chosen marker's index and its passage cut to the current script; empty when none was chosen.
    struct PickedPassage
    {
        qint32 index = -1;
        markers::Passage passage;
    };
    std::optional<PickedPassage> PickPassage(const QString &sCaption);
    QPointer<dlgSelectMarker> m_picker;

public:
    // The mark panel's buttons.
    void cmdMark_Click();
    void cmdCancel_Click();
    // The script's markers, for the window's whole life.
    CMarkers oMarkers;

private:
    Platform &m_platform;
    Dialogs &m_dialogs;
    Settings &m_settings;
    bool m_unloaded = false;
    bool m_lineSettled = false; // the line has had its first placement on screen
    WheelAccumulator m_wheel;
    // Presentation between clock steps, and the width watch's rest.
    Glide m_glide;
    bool m_frameSync = true;
    bool m_stepFromClock = false;     // the Scroll in progress is the clock's
    int m_shownY = 0;                 // where the last frame put the script view, in pixels
    quint32 m_frameBase = 0;          // frames fall on this reading plus whole periods
    int m_settledTicks = 0;           // watch ticks without a change of width
    int m_heldWidth = -1;             // the outer width the watch last saw, in pixels
    int m_heldTicks = 0;              // watch ticks it has held for
    int m_laidOutWidth = -1;          // client width of the last layout
    bool m_exposed = false;           // the window has been on screen
    bool m_arrangePending = false;    // a layout waits for the window's first exposure
    int m_captionedToolbarWidth = -1; // toolbar width its buttons need with their captions, pixels
    bool awaitingExposure() const;
    void FitToolbar(int clientWidth);
    void scheduleTick();
    void scheduleFrame();
    void watchWidth();
    void connectLineHandles();

public:
    ControlDrag *lineDrag = nullptr; // the drag of the reading line's handles

public:
    // Controls, named as in the window's design.
    QTimer *timResize = nullptr;
    QTimer *timTick = nullptr;
    QTimer *timFrame = nullptr;
    QToolBar *tlbMain = nullptr;
    QWidget *picBack = nullptr;
    QWidget *picLine = nullptr;
    RichTextView *rtDoc = nullptr;
    RichTextView *rtMirror = nullptr;
    QLineEdit *txtFocus = nullptr;
    QWidget *picMove = nullptr;
    QWidget *picResize = nullptr;
    QWidget *picPanel = nullptr;
    QToolButton *optDown = nullptr;
    QToolButton *optUp = nullptr;
    QProgressBar *prgDoc = nullptr;
    QSlider *sldSpeed = nullptr;
    QLabel *lblWords = nullptr;
    QLabel *lblToGo = nullptr;
    QWidget *picMark = nullptr;
    QToolButton *cmdCancel = nullptr;
    QToolButton *cmdMark = nullptr;
    QLabel *lblHeightFinder = nullptr;
    frmLine *lineWindow = nullptr;
    // Studio output: talent screen, mirrored prompter, countdown before Start (all off by default).
    Studio *studio = nullptr;

    // Opening a script from the command line or a file dropped on the viewport: the script becomes
    // what the editor's Done would have made of that file. A Word 97-2003 document arrives later.
public:
    void OpenScript(const QString &path);
    // Done's effect: the text becomes the script, counted, laid out and shown from its beginning.
    void ApplyScript(const QString &text);
    // The editor, a dialog or a message is open over the prompter.
    bool ModalWindowOpen() const;
    // The converter of a .doc being opened (null until the first one).
    DocConverter *openingConverter() const { return m_opening; }
    // While a file from outside is being read or converted.
    bool isOpening() const;

private:
    void EnableDrops();
    void ScriptReplaced();
    void CancelOpening();
    void ScriptRead(const scriptfile::Read &read);
    void OpeningFinished(const documents::TextResult &result);
    void EndOpening();
    scriptfile::Reader *m_reader = nullptr;
    DocConverter *m_opening = nullptr;
    QString m_openingPath;
    std::optional<QString> m_wordsBeforeOpening; // the count shown before "Opening…"
};

// The main window: a full-screen frame holding the working windows as child
// windows, with the menu bar, the toolbar strip and the four-panel status bar.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QProgressBar>
#include <cstdint>

class QAction;
class QMenu;
class QTimer;

namespace vemora {

struct Workspace;
class frmLCC;
class PictureButton;
class StatusPanels;
class ChildWindowFrame;

class MDIProject : public QMainWindow
{
    Q_OBJECT
  public:
    explicit MDIProject(Workspace& ws, QWidget* parent = nullptr);

    // Status panels are numbered 1..4; panel 3 takes every hint and message.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

    // Window load: full-screen placement, status text, welcome animation
    // start, logo picture, gravity system type and the start-up workspace.
    void MDIForm_Load();

    // One step of the title-bar welcome animation (the tmrWelcome tick).
    void tmrWelcome_Timer();
    // Stops the welcome animation for good; the title settles on "  Vemora".
    void StopWelcome();

    // Commands of the menus and toolbar buttons.
    void mnuNew_Click();
    void mnuSave_Click();
    void mnuExit_Click();
    void mnuContents_Click();
    void mnuHelpOn_Click();
    void mnuMethod_Click();

    // Toolbar buttons.
    void sscNew_Click() { mnuNew_Click(); }
    void sscHelp_Click() { mnuContents_Click(); }

    // Right button on the empty client area: the File menu pops up there.
    void MDIForm_MouseDown(int button, const QPoint& globalPos);

    // Shows, hides and tells whether a working window (the input window,
    // later the results window) is showing in the client area.
    static void showWorkingWindow(QWidget* w);
    static void hideWorkingWindow(QWidget* w);
    static bool isWorkingWindowShowing(const QWidget* w);

    Workspace& ws;
    QMdiArea* mdiArea = nullptr;

    // Toolbar strip and its controls.
    QWidget* sspProject = nullptr;
    PictureButton* sscNew = nullptr;
    PictureButton* sscOpen = nullptr;
    PictureButton* sscSave = nullptr;
    PictureButton* sscPrint = nullptr;
    PictureButton* sscHelp = nullptr;
    QLabel* lblSystem = nullptr;
    QLabel* lblProgessBar = nullptr;
    QProgressBar* proProgressBar = nullptr;

    // Hidden helpers.
    QLabel* lblWelcome = nullptr;
    QLabel* picLogo = nullptr; // holds the PIPE picture for printed page headers
    QTimer* tmrWelcome = nullptr;
    StatusPanels* StatusBar = nullptr;

    // Working windows.
    frmLCC* inputWindow = nullptr;
    QWidget* resultsWindow = nullptr; // none until an analysis creates one

    // Menus, in menu-bar order.
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuDelete = nullptr;
    QMenu* munImportExport = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnusep1 = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuGeneral = nullptr;
    QAction* mnuResults = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnusep2 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuExit1 = nullptr;
    QAction* mnuAnalyse = nullptr;
    QAction* mnuRoughness = nullptr;
    QAction* mnuPreferences = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuHelpOn = nullptr;
    QAction* Sep3 = nullptr;
    QAction* mnuStep = nullptr;
    QAction* mnuConvert = nullptr;
    QAction* mnuMethod = nullptr;
    QAction* mnuDisclaimer = nullptr;
    QAction* Sep4 = nullptr;
    QAction* mnuAbout = nullptr;
    // Row menu of the profile grid: never on the menu bar, only popped up.
    QMenu* mnuFGridRows = nullptr;
    QAction* mnuFGridAddRow = nullptr;
    QAction* mnuFGridInsRow = nullptr;
    QAction* mnuFGridDelRow = nullptr;
    QAction* mnuFGridExtrRow = nullptr;

    // Welcome animation state.
    int16_t WelcomeTick = 0;
    int16_t WelcomeCharCount = 0;
    QString WelcomeText;

    static constexpr int WelcomeTextLength = 50;
    static constexpr int WelcomeLastTick = 82;

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void createToolbar();
    void createMenus();
    void createStatusBar();
    void connectCommands();
    void watchPointer(QWidget* w);
    void toolbarButtonFocus(PictureButton* b);

    ChildWindowFrame* inputFrame_ = nullptr;
};

} // namespace vemora

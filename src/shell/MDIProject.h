// The main window: a full-screen frame holding the working windows as child
// windows, with the menu bar, the toolbar strip and the four-panel status bar.
// It is the windows' MainWindow; they reach nothing else of it.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QProgressBar>
#include <cstdint>

#include "app/MainWindow.h"
#include "app/ProjectFiles.h"

class QAction;
class QMenu;
class QTimer;

namespace vemora {

struct AppContext;
class PictureButton;
class StatusPanels;

class MDIProject : public QMainWindow, public MainWindow
{
    Q_OBJECT
  public:
    // Installs the program's windows into the context's registry and comes
    // up with the start-up workspace.
    explicit MDIProject(AppContext& ctx, QWidget* parent = nullptr);
    ~MDIProject() override;

    // --- MainWindow -------------------------------------------------------
    QWidget* widget() override { return this; }
    // Status panels are numbered 1..4; HintPanel takes every hint and message.
    void setPanelText(int panel, const QString& text) override;
    QString panelText(int panel) const override;
    void showHint(QWidget* writer, const QString& text) override;
    void setProgressCaption(const QString& text) override;
    void setProgressCaptionVisible(bool visible) override;
    void setProgressValue(int value) override;
    void setProgressVisible(bool visible) override;
    void setSystemTypeCaption(const QString& text) override;
    void setCaption(const QString& text) override;
    void stopWelcome() override { StopWelcome(); }
    void popupFileMenu(const QPoint& globalPos) override;
    void popupGridRowsMenu(const QPoint& globalPos) override;
    void setHourglass(bool on) override;
    void setRoughnessMenuVisible(bool visible) override;
    QPixmap logo() const override;
    // Working windows sit in frames of the client area that follow them.
    void addWorkingWindow(QWidget* window) override;
    void showWorkingWindow(QWidget* window) override;
    void hideWorkingWindow(QWidget* window) override;
    bool isWorkingWindowShowing(const QWidget* window) const override;

    // Window load: full-screen placement, status text, welcome animation
    // start, logo picture, gravity system type and the start-up workspace.
    void MDIForm_Load();

    // One step of the title-bar welcome animation (the tmrWelcome tick).
    void tmrWelcome_Timer();
    // Stops the welcome animation for good; the title settles on "  Vemora".
    void StopWelcome();

    // Commands of the menus and toolbar buttons.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click() { SaveCommand(); }
    // The Save command; says how the save ended (Cancelled when no project
    // is open).
    SaveOutcome SaveCommand();
    void mnuSaveAs_Click();
    void mnuDelete_Click();
    void mnuImport_Click();
    void mnuGeneral_Click();
    void mnuResults_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuAnalyse_Click();
    void mnuRoughness_Click();
    void mnuPreferences_Click();
    void mnuContents_Click();
    void mnuHelpOn_Click();
    void mnuStep_Click();
    void mnuConvert_Click();
    void mnuMethod_Click();
    void mnuDisclaimer_Click();
    void mnuAbout_Click();
    // The commands' prelude: hides the working windows, unloads the profile
    // and pump-curve views.
    void HideWorkspace();

    // Toolbar buttons.
    void sscOpen_Click() { mnuOpen_Click(); }
    void sscSave_Click() { mnuSave_Click(); }
    void sscPrint_Click() { mnuPrint_Click(); }
    // The profile grid's row menu, acting on the input window's profile.
    void mnuFGridAddRow_Click();
    void mnuFGridInsRow_Click();
    void mnuFGridDelRow_Click();
    void mnuFGridExtrRow_Click();
    void sscNew_Click() { mnuNew_Click(); }
    void sscHelp_Click() { mnuContents_Click(); }

    // Right button on the empty client area: the File menu pops up there.
    void MDIForm_MouseDown(int button, const QPoint& globalPos);

    AppContext& ctx;
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
    // False, after its message, when no project is open.
    bool RequireOpenProject(const QString& message);
    void Message(const QString& text);
    void UnloadProjectViews();

    // What a File command's prelude is about to hide: the working windows
    // showing (the profile and pump-curve views, which it unloads, count as
    // the input window) and the settled title.
    struct ShownWorkspace
    {
        bool input = false;
        bool results = false;
        QString caption; // empty while the welcome animation runs
    };
    ShownWorkspace ShowingWorkspace() const;
    // With edits pending, asks "Do you want to save the project ?" (Yes, No,
    // Cancel); Yes runs the Save command. False when the command must end
    // there: Cancel, or a save that did not complete. With `checkOnNo`, No
    // runs the save's checks without writing, and one that stops ends the
    // command too.
    bool SaveEditsFirst(bool checkOnNo = false);
    // Exit has asked its question: closing the window asks nothing more.
    bool exitAnswered_ = false;
    // After a File command that left the workspace empty with the project
    // still open (a failed or cancelled Open, Save or Save As, a refused
    // Delete): shows again what was showing, with its title.
    void BringBackWorkspace(const ShownWorkspace& before);
};

} // namespace vemora

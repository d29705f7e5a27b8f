// The main window's menu bar, and the profile grid's row menu that is kept
// off it.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

#include "platform/PictureButton.h"
#include "shell/MDIProject.h"

namespace vemora {

void MDIProject::createMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuNew = mnuFile->addAction(QStringLiteral("&New Project"));
    mnuOpen = mnuFile->addAction(QStringLiteral("&Open Project"));
    mnuSave = mnuFile->addAction(QStringLiteral("&Save Project"));
    mnuSaveAs = mnuFile->addAction(QStringLiteral("Save Project &As..."));
    mnuDelete = mnuFile->addAction(QStringLiteral("&Delete Project"));
    munImportExport = mnuFile->addMenu(QStringLiteral("&Import && Export"));
    mnuImport = munImportExport->addAction(QStringLiteral("&Import Profile"));
    mnuExport = munImportExport->addAction(QStringLiteral("&Export results"));
    mnuExport->setEnabled(false);
    mnusep1 = mnuFile->addSeparator();
    mnuView = mnuFile->addMenu(QStringLiteral("Vie&w"));
    mnuGeneral = mnuView->addAction(QStringLiteral("&Input Data"));
    mnuResults = mnuView->addAction(QStringLiteral("&Results"));
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print Project"));
    mnusep2 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));

    mnuExit1 = bar->addAction(QStringLiteral("E&xit"));
    mnuExit1->setVisible(false);
    mnuAnalyse = bar->addAction(QStringLiteral("&Analyse"));
    mnuRoughness = bar->addAction(QStringLiteral("&Roughness calibration"));
    mnuRoughness->setVisible(false);
    mnuPreferences = bar->addAction(QStringLiteral("&Preferences"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuContents = mnuHelp->addAction(QStringLiteral("&Contents"));
    mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpOn = mnuHelp->addAction(QStringLiteral("&Search For Help On..."));
    Sep3 = mnuHelp->addSeparator();
    mnuStep = mnuHelp->addAction(QStringLiteral("Step-&by-Step LCCA guide"));
    mnuConvert = mnuHelp->addAction(QStringLiteral("&Unit converter"));
    mnuMethod = mnuHelp->addAction(QStringLiteral("&Methodology"));
    mnuDisclaimer = mnuHelp->addAction(QStringLiteral("&Disclaimer"));
    Sep4 = mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));

    mnuFGridRows = new QMenu(this);
    mnuFGridAddRow = mnuFGridRows->addAction(QStringLiteral("Add a row at the end of the profile"));
    mnuFGridInsRow = mnuFGridRows->addAction(QStringLiteral("Insert a row before the current row"));
    mnuFGridDelRow = mnuFGridRows->addAction(QStringLiteral("Delete the last row of the profile"));
    mnuFGridExtrRow = mnuFGridRows->addAction(QStringLiteral("Delete the current row"));
}

void MDIProject::connectCommands()
{
    const std::pair<QAction*, void (MDIProject::*)()> commands[] = {
        {mnuNew, &MDIProject::mnuNew_Click},
        {mnuOpen, &MDIProject::mnuOpen_Click},
        {mnuSave, &MDIProject::mnuSave_Click},
        {mnuSaveAs, &MDIProject::mnuSaveAs_Click},
        {mnuDelete, &MDIProject::mnuDelete_Click},
        {mnuImport, &MDIProject::mnuImport_Click},
        {mnuGeneral, &MDIProject::mnuGeneral_Click},
        {mnuResults, &MDIProject::mnuResults_Click},
        {mnuPrint, &MDIProject::mnuPrint_Click},
        {mnuExit, &MDIProject::mnuExit_Click},
        {mnuExit1, &MDIProject::mnuExit_Click},
        {mnuAnalyse, &MDIProject::mnuAnalyse_Click},
        {mnuRoughness, &MDIProject::mnuRoughness_Click},
        {mnuPreferences, &MDIProject::mnuPreferences_Click},
        {mnuContents, &MDIProject::mnuContents_Click},
        {mnuHelpOn, &MDIProject::mnuHelpOn_Click},
        {mnuStep, &MDIProject::mnuStep_Click},
        {mnuConvert, &MDIProject::mnuConvert_Click},
        {mnuMethod, &MDIProject::mnuMethod_Click},
        {mnuDisclaimer, &MDIProject::mnuDisclaimer_Click},
        {mnuAbout, &MDIProject::mnuAbout_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    connect(sscNew, &PictureButton::clicked, this, &MDIProject::sscNew_Click);
    connect(sscOpen, &PictureButton::clicked, this, &MDIProject::sscOpen_Click);
    connect(sscSave, &PictureButton::clicked, this, &MDIProject::sscSave_Click);
    connect(sscPrint, &PictureButton::clicked, this, &MDIProject::sscPrint_Click);
    connect(sscHelp, &PictureButton::clicked, this, &MDIProject::sscHelp_Click);
    connect(mnuFGridAddRow, &QAction::triggered, this, &MDIProject::mnuFGridAddRow_Click);
    connect(mnuFGridInsRow, &QAction::triggered, this, &MDIProject::mnuFGridInsRow_Click);
    connect(mnuFGridDelRow, &QAction::triggered, this, &MDIProject::mnuFGridDelRow_Click);
    connect(mnuFGridExtrRow, &QAction::triggered, this, &MDIProject::mnuFGridExtrRow_Click);
}

} // namespace vemora

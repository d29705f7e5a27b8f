// Which working windows and dialogs the program has, each reached through a
// small interface declared here, never through another window's header. The
// shell installs the factories at start (each window folder offers an
// Install... function); a test installs the windows it needs, or stand-ins.
// A slot without a factory is "not loaded": Get() and Load() give nullptr and
// a dialog's Exec() does nothing.
//
// Adding a window: implement its interface below (add the operations its
// callers need), write its Install function in its own folder, and call that
// from the shell's InstallWindows.
#pragma once

#include <QString>
#include <optional>

#include "app/InputBoxes.h"
#include "app/InputSnapshot.h"
#include "app/PrintFailure.h"
#include "app/WindowSlot.h"
#include "engine/AnalysisObserver.h"

namespace vemora {

struct PageRun;
class ReportPrinter;
struct ProjectStore;

// Where a quiet grid read-back puts the table, and the words of its refusal.
struct QuietRead
{
    ProjectStore& into;
    QString& refused;
};

// frmLCC, as the project loading and the working-view bookkeeping use it.
class InputWindow : public WorkingWindow
{
  public:
    // The file label: "Vemora (New project file)" or the file's path.
    virtual void ShowFileName(const QString& text) = 0;
    // The first half of showing a project: tabs, option frames hidden, the
    // system-type label and the energy escalation field; `firstPage` turns
    // to the first page, as a new project starts there.
    virtual void ShowSystemTypeView(bool firstPage) = 0;
    // The second half: every field, list and grid from the data store.
    virtual void ShowProject() = 0;
    // Starts the one-shot refresh of the currency labels.
    virtual void RefreshCurrencyLabels() = 0;
    // At once: the currency labels and the currency and unit words of the
    // grid headings, from the store's CurrencyCode and UnitSystem. Typed
    // texts, the current cells and the results stay as they are.
    virtual void RelabelCurrencyAndUnits() {}
    // Rebuilds the profile grid from the store's node arrays (an imported
    // profile); the other grids and fields keep what was typed.
    virtual void FillProfileGrid() {}
    // Closes the pump-curve panel, as its OK button does.
    virtual void ClosePumpCurvePanel() {}

    // The grid read-backs of the save. Aloud (no `quiet`) a read-back puts its
    // whole table into the store and returns true, or, when a non-empty cell
    // is not a number, shows a message naming the table, row and column, puts
    // the focus on that cell, leaves the store's table as it was and returns
    // false. Quietly it reads into `quiet->into`, without a message or a focus
    // move: when a cell is not a number, `quiet->refused` names the table,
    // cell and text, `into` keeps that table and the result is false.
    virtual bool ReadGrid(InputGrid grid, std::optional<QuietRead> quiet = std::nullopt) = 0;

    // What the save reads of the window. The file label's text; a box's text
    // (point `index` 0..5 of the pump-curve boxes); setting a box's text;
    // bringing the window up with the focus on a box; the options chosen.
    virtual QString FileNameText() const { return QString(); }
    virtual QString BoxText(InputBox /*box*/, int /*index*/ = 0) const { return QString(); }
    virtual void SetBoxText(InputBox /*box*/, int /*index*/, const QString& /*text*/) {}
    virtual void FocusBox(InputBox /*box*/, int /*index*/ = 0) {}
    // The code chosen in a unit list (its position in EveryUnitList), -1
    // for none; choosing one (a code outside the list chooses none).
    virtual int UnitCode(int /*list*/) const { return -1; }
    virtual void SetUnitCode(int /*list*/, int /*code*/) {}
    virtual ChosenOptions Options() const { return ChosenOptions(); }
    // What the printed reports and the analysis read of the window, as it
    // stands; a stand-in gives an empty snapshot.
    virtual InputSnapshot Snapshot() const { return InputSnapshot(); }
    // Copies every field, unit list, scroll bar and hour colour of the
    // project's system type into `into` (the store, or a copy of it); the
    // grids are read back apart. An empty number box, or one that is not a
    // number (the checks refuse it), gives 0.
    virtual void CopyFieldsToStore(ProjectStore& /*into*/) {}

    // The profile's row operations, as the main window's row menu starts
    // them: add a row at the end, insert one before the current row, delete
    // the current or the last row (after a question when the row holds
    // data). The two that add return whether the row went in and the
    // profile was read back; the deletes whether a row went. A stand-in
    // without a profile changes nothing.
    virtual bool AppendProfileRow() { return false; }
    virtual bool InsertProfileRowBefore() { return false; }
    virtual bool DeleteCurrentProfileRow() { return false; }
    virtual bool DeleteLastProfileRow() { return false; }
};

// frmResults: loaded without showing before a run, refreshed after a
// completed one, shown by the analysis dialog's Continue and View > Results.
class ResultsWindow : public WorkingWindow
{
  public:
    // Forms the captions, cost tables, distance lists and first graphs from
    // the stores, reporting progress 75 to 100.
    virtual void Refresh(AnalysisObserver& progress) = 0;
    // What Continue fills again before it shows the window.
    virtual void ShowCostTables() = 0;
    virtual void FillDistanceCombos() = 0;
    // The printed page of the hydraulic profile on view: the section chosen
    // and the year shown. A window without that view has no page.
    virtual void PrintProfilePlot(PageRun& /*run*/, ReportPrinter& /*printer*/)
    {
        throw PrintFailure("the profile plot page is not available");
    }
};

// frmIRRView, opened from the results window.
class IrrViewWindow : public WorkingWindow
{
};

// frmView, the profile view of the input window's View profile command.
class ProfileViewWindow : public WorkingWindow
{
  public:
    // Draws the profile between the chosen distances for the chosen year.
    virtual void DrawProfilePlot() = 0;
    // Opens on the whole profile of the data store: the section lists
    // filled from its nodes, the first operating year, the gradeline on;
    // then draws it.
    virtual void ShowProfile() {}
};

// frmPumpView, the pump-curve view of the input window.
class PumpViewWindow : public WorkingWindow
{
  public:
    // Shows the view and draws the pump head and efficiency curves.
    virtual void DrawPumpCurveGraph() = 0;
};

// frmRoughness, the roughness calibration.
class RoughnessWindow : public WorkingWindow
{
};

// frmViewRoughness, the calibration's profile view.
class RoughnessViewWindow : public WorkingWindow
{
};

struct WindowRegistry
{
    // Working windows: child windows of the main window.
    WindowSlot<InputWindow> input;
    WindowSlot<ResultsWindow> results;
    WindowSlot<IrrViewWindow> irrView;
    WindowSlot<ProfileViewWindow> profileView;
    WindowSlot<PumpViewWindow> pumpView;
    WindowSlot<RoughnessWindow> roughness;
    WindowSlot<RoughnessViewWindow> roughnessView;

    // Modal dialogs, made afresh for every showing; every one is in
    // dialogSlots too.
    DialogSlots dialogSlots;
    DialogSlot analysis{dialogSlots, "frmAnalyse"};
    DialogSlot dutyPoint{dialogSlots, "frmDutyPoint"}; // during a run whose pump curve misses
    DialogSlot print{dialogSlots, "frmPrint"};
    DialogSlot converter{dialogSlots, "frmConverter"};
    DialogSlot importWizard{dialogSlots, "frmImport"};
    DialogSlot preferences{dialogSlots, "frmPref"};
    DialogSlot about{dialogSlots, "frmAbout"};
    DialogSlot disclaimer{dialogSlots, "frmDisclaimer"};
    DialogSlot guide{dialogSlots, "frmPDFView"};
};

} // namespace vemora

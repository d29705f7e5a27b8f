// The import wizard: three steps that bring a pipeline profile copied from a
// spreadsheet into the open project. Step 1 explains, step 2 takes the text
// from the clipboard, step 3 previews the parsed table; Finish replaces the
// profile in the store, discards the results, marks the project unsaved and
// refills the input window's profile grid. Cancel imports nothing. However it
// closes, the input window shows again.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

#include "project/ProfileClipboard.h"

class QGroupBox;
class QLabel;
class QTimer;

namespace vemora {

struct AppContext;
class FlexGrid;
class PictureButton;

class frmImport : public QDialog
{
    Q_OBJECT
  public:
    frmImport(AppContext& ctx, QWidget* parent);

    static constexpr int HelpTopic = 3030;
    // Window, step-3 frame and preview grid widths in twips: narrow on steps
    // 1 and 2, wide while the preview shows.
    static constexpr int NarrowWidth = 7770, NarrowFrame = 7575, NarrowGrid = 7400;
    static constexpr int WideWidth = 8970, WideFrame = 8775, WideGrid = 8580;

    QGroupBox* fraStep1 = nullptr;
    QLabel* imgWizard = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label13 = nullptr;

    QGroupBox* fraStep2 = nullptr;
    QLabel* Label16 = nullptr;
    QGroupBox* Frame1 = nullptr;
    PictureButton* sscPaste = nullptr;
    std::array<QLabel*, 2> imgWizard2{}; // (0) on step 2, (1) on step 3
    QLabel* lblPaste = nullptr;

    QGroupBox* fraStep3 = nullptr;
    FlexGrid* msgFImport = nullptr;
    QLabel* Label14 = nullptr;

    PictureButton* sscPrevious = nullptr;
    PictureButton* sscNext = nullptr;
    PictureButton* sscCancel = nullptr;
    PictureButton* sscHelp = nullptr;

    QTimer* tmrWizard = nullptr;
    QTimer* tmrPaste = nullptr;
    std::array<QPixmap, 19> imgWiz; // the animation frames, element k - 1 frame k

    void sscPaste_Click();
    void sscNext_Click();
    void sscPrevious_Click();
    void sscCancel_Click();
    void sscHelp_Click();
    void tmrWizard_Timer();
    void tmrPaste_Timer();

    // The step showing, 1 to 3.
    int CurrentStep() const;
    int ImportWizardStep() const { return wizardStep_; }
    int PasteFrame() const { return pasteFrame_; }
    int ImportRowCount() const { return static_cast<int>(importTable_.size()); }

    // Closing in any way shows the input window again.
    void done(int result) override;

  private:
    void Form_Load();
    void BuildStep1();
    void BuildStep2();
    void BuildStep3();
    void PasteClipboardText();
    bool ParsePastedProfileTable();
    void ShowRefusal(const ClipboardProfileOutcome& outcome);
    bool ApplyImportedProfile();
    void ShowImportPreview();
    void SetWidths(int window, int frame, int grid);

    AppContext& ctx_;
    QString clipboardText_;
    ClipboardProfileTable importTable_;
    int wizardStep_ = 1;
    int pasteFrame_ = 1;
};

} // namespace vemora

// The print selection window: the user ticks the input reports, result
// reports and graph pages to print, chooses a printer and the copies in the
// printer dialog, and the window prints every ticked item in the fixed
// order, once per copy. However it closes, the input window comes back.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "reports/PrintRun.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QTimer;

namespace vemora {

struct AppContext;
class PictureButton;

class frmPrint : public QDialog
{
    Q_OBJECT
  public:
    frmPrint(AppContext& ctx, QWidget* parent);
    ~frmPrint() override;

    static constexpr int HelpTopic = 4500;

    QGroupBox* fraInput = nullptr;
    QCheckBox* chkGeneral = nullptr;
    QCheckBox* chkProfile = nullptr;
    QCheckBox* chkEnergy = nullptr;
    QCheckBox* chkRates = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkTextHydraulic = nullptr;
    QCheckBox* chkTextDemand = nullptr;
    QCheckBox* chkTextCost = nullptr;
    QCheckBox* chkCost = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* chkHydraulic = nullptr;
    QCheckBox* chkDemand = nullptr;
    QCheckBox* chkIncome = nullptr;
    QCheckBox* chkIRR = nullptr;
    QLabel* Label1 = nullptr;
    PictureButton* sscPrint = nullptr;
    PictureButton* sscPrint1 = nullptr;
    PictureButton* sscSetup = nullptr;
    PictureButton* sscCancel = nullptr;
    PictureButton* sscHelp = nullptr;
    QTimer* tmrCheck = nullptr;

    // The check box of each item, by printing step.
    QCheckBox* Box(ReportBox box) const;
    // The design-life year the hydraulic table prints.
    int HydraulicYear() const { return hydraulicYear_; }

    void tmrCheck_Timer();
    void chkTextHydraulic_Click();
    void sscPrint_Click();
    void sscSetup_Click();
    void sscCancel_Click();
    void sscHelp_Click();

    // Every route out (Cancel, the end of a run, Esc, the close box): the
    // input window comes back in its normal state, the main window enabled.
    void done(int result) override;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    // A check box under the mouse or taking the focus shows the hint.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    // "Select the components to print" in the status line.
    void ShowHint();
    PrintSelection Ticked() const;

    AppContext& ctx_;
    std::array<QCheckBox*, kReportItemCount> boxes_{};
    // 1 again at every click on the hydraulic table's box, then the year
    // the year window chose.
    int hydraulicYear_ = 0;
    // The printer chosen in Printer Setup and the print dialog, kept for the
    // window's life.
    std::unique_ptr<QPrinter> printer_;
};

} // namespace vemora

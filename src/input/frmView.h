// The profile view: the pipeline profile of the project being entered,
// between two chosen nodes, with the gradeline of a chosen year that the
// view solves itself, its roughness, flow and pumping head, the read-out,
// the copy of the graph, printing, help and OK back to the input window.
#pragma once

#include <QWidget>

#include "app/PageHeaderTexts.h"
#include "app/WindowRegistry.h"
#include "graphs/PlotFrame.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureBox;
class PictureButton;
class ScrollBar;

class frmView : public QWidget, public ProfileViewWindow
{
    Q_OBJECT
  public:
    explicit frmView(AppContext& ctx, QWidget* parent = nullptr);
    // The main window's Roughness calibration item goes with the view.
    ~frmView() override;

    static constexpr int HelpTopic = 3060;

    QWidget* widget() override { return this; }
    // Solves every year, then draws the chosen section and year.
    void DrawProfilePlot() override;
    void ShowProfile() override;

    PictureBox* picGraph = nullptr;
    PlotFrame picGraphFrame;
    QCheckBox* chkHydraulic = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblY = nullptr;
    QLabel* lblKs = nullptr;
    QLabel* lblFlowrate = nullptr;
    QLabel* lblPumping = nullptr;
    ScrollBar* hscYears = nullptr;
    QLabel* lblYear = nullptr;
    PictureButton* sscChangeView = nullptr;
    QGroupBox* Frame3 = nullptr;
    QComboBox* comBegin = nullptr;
    QComboBox* comEnd = nullptr;
    PictureButton* sscView = nullptr;
    PictureButton* sscPrintView = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;

    void chkHydraulic_Click();
    void hscYears_Change();
    void sscChangeView_Click();
    void sscView_Click();
    void sscPrintView_Click();
    void sscOK_Click();
    void sscHelp_Click();
    void picGraph_MouseMove(int button, int shift, double x, double y);
    void picGraph_MouseDown(int button, int shift, double x, double y);

  protected:
    // The close box acts as OK.
    void closeEvent(QCloseEvent* e) override;

  private:
    // The header texts of the input the picture was last drawn from.
    PageHeaderTexts drawnHeader_;
    // Whether the last drawing's hydraulics were solved: without, no figure
    // shows or prints.
    bool solved_ = false;
    void showMessage(const QString& text, const QString& title);
    // The section lists' choice as node numbers, 0 where none is chosen.
    int chosenNode(const QComboBox* list) const;

    AppContext& ctx;
};

} // namespace vemora

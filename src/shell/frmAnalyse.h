// The analysis dialog: a short animation of random digits, then the
// message, the progress bar and the Analyse, Cancel and Help buttons.
// Analyse runs the whole analysis under the hourglass and becomes Continue,
// which shows the results window. Opening and cancelling the dialog discard
// the results.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QProgressBar;
class QTimer;

namespace vemora {

struct AppContext;
struct AnalysisOutcome;
class PictureButton;

class frmAnalyse : public QDialog
{
    Q_OBJECT
  public:
    frmAnalyse(AppContext& ctx, QWidget* parent);

    void Form_Load();
    void tmrMatrix_Timer();
    void tmrStopMatrix_Timer();
    void sscAnalyse_Click();
    void sscCancel_Click();
    void sscHelp_Click();
    // Cancel, Esc and the close box.
    void reject() override;

    QLabel* lblAnalyse = nullptr;
    PictureButton* sscAnalyse = nullptr;
    PictureButton* sscCancel = nullptr;
    PictureButton* sscHelp = nullptr;
    QProgressBar* proBar = nullptr;
    QLabel* lbl0 = nullptr;
    QLabel* lbl100 = nullptr;
    QTimer* tmrMatrix = nullptr;
    QTimer* tmrStopMatrix = nullptr;

    // The lines of digits printed so far by the animation.
    QStringList MatrixLines;

    static constexpr int HelpTopic = 5000;
    static constexpr int MatrixInterval = 100; // ms
    static constexpr int MatrixLength = 2800;  // ms

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void RunAnalysis();
    void ContinueToResults();
    void ShowOutcomeMessage(const AnalysisOutcome& outcome);
    void SetControlsVisible(bool visible);

    AppContext& ctx_;
};

} // namespace vemora

// The preferences dialog: the project's unit system, currency, and the
// preliminary-and-general and contingency percentages. OK writes back only
// what the user changed; a percentage the bars cannot show (a file's value
// outside 0 to 50 %) is kept as it is until its bar is moved.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace vemora {

struct AppContext;
class FieldBehaviours;
class PictureButton;
class ScrollBar;

class frmPref : public QDialog
{
    Q_OBJECT
  public:
    frmPref(AppContext& ctx, QWidget* parent);

    static constexpr int HelpTopic = 4000;
    // The bars' range in hundredths of a percent: 0.00 % to 50.00 %.
    static constexpr int PercentBarMax = 5000;

    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label4 = nullptr;
    ScrollBar* hsbPG = nullptr;
    QLabel* lblPG = nullptr;
    QLabel* Label3 = nullptr;
    ScrollBar* hsbContingencies = nullptr;
    QLabel* lblContingencies = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optDollars = nullptr;
    QRadioButton* optRand = nullptr;
    QGroupBox* frmUnits = nullptr;
    QRadioButton* optMetric = nullptr;
    QRadioButton* optUS = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscCancel = nullptr;
    PictureButton* sscHelp = nullptr;

    void hsbPG_Change();
    void hsbContingencies_Change();
    void sscOK_Click();
    void sscCancel_Click();
    void sscHelp_Click();
    void Form_MouseMove();

    // Closing by OK, Cancel, Esc or the close box: the working window that
    // the dialog hid comes back.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // One percentage as the dialog holds it: the stored value, whether its
    // bar can show it, and whether the user has moved the bar.
    struct Percent
    {
        float stored = 0;
        bool shownByBar = true;
        bool moved = false;
    };

    void Form_Load();
    static Percent LoadPercent(float stored, ScrollBar* bar);
    static void ShowPercent(const Percent& p, const ScrollBar* bar, QLabel* label);
    static float PercentToStore(const Percent& p, const ScrollBar* bar);
    void ShowHint(const QString& text);

    AppContext& ctx_;
    FieldBehaviours* fields_ = nullptr;
    Percent pg_;
    Percent contingencies_;
    bool loadedUS_ = false;
    bool loadedDollars_ = false;
};

} // namespace vemora

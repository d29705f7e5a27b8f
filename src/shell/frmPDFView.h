// The guide window: the step-by-step guide, a PDF kept in the Guide folder
// beside the program, in a PDF viewer over the whole screen.
#pragma once

#include <QDialog>

class QPdfDocument;
class QPdfView;

namespace vemora {

struct AppContext;
class PictureButton;

class frmPDFView : public QDialog
{
    Q_OBJECT
  public:
    frmPDFView(AppContext& ctx, QWidget* parent);

    QPdfView* pdfReport = nullptr;
    PictureButton* sscOK = nullptr;
    // The guide as loaded; its status is Null when none could be loaded.
    QPdfDocument* document = nullptr;

    // Loads the guide into the viewer and names it in the caption. A guide
    // that is missing or cannot be read as a PDF is reported with Retry and
    // Cancel; Retry tries again, Cancel leaves the viewer empty.
    void ShowStepByStepGuide();
    void sscOK_Click();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void Form_Load();

    AppContext& ctx_;
};

} // namespace vemora

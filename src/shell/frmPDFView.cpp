#include "shell/frmPDFView.h"

#include <QFile>
#include <QPdfDocument>
#include <QPdfView>

#include "app/AppContext.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Ui.h"

namespace vemora {

namespace {

// The OK button's place at the top right, and the viewer below it.
constexpr int ButtonTop = 350;
constexpr int ButtonRightMargin = 100;
constexpr int ViewerTop = 845;

QString MissingGuideMessage(const QString& path)
{
    return QStringLiteral("Could not find the required file, (") + path +
           QStringLiteral(") under the indicated directory.  Please ensure that the file is under "
                          "the directory.");
}

QString UnreadableGuideMessage(const QString& path)
{
    return QStringLiteral("Could not read the required file, (") + path +
           QStringLiteral(") as a PDF document.  Please ensure that the file is a complete PDF "
                          "document.");
}

} // namespace

frmPDFView::frmPDFView(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmPDFView"));
    setWindowTitle(QStringLiteral("  STEP-BY-STEP LCCA GUIDE"));
    document = new QPdfDocument(this);
    pdfReport = new QPdfView(this);
    pdfReport->setObjectName(QStringLiteral("pdfReport"));
    pdfReport->setPageMode(QPdfView::PageMode::MultiPage);
    pdfReport->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), 0, ButtonTop, 1275, 375);
    connect(sscOK, &PictureButton::clicked, this, &frmPDFView::sscOK_Click);
    SetDefaultButton(this, sscOK);

    Form_Load();
}

void frmPDFView::Form_Load()
{
    ShowStepByStepGuide();
    // Over the whole screen, within the window manager's frame.
    resize(ctx_.screen.size());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void frmPDFView::ShowStepByStepGuide()
{
    const QString path = ctx_.paths.guideFile();
    for (;;) {
        QString problem;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = MissingGuideMessage(path);
        } else {
            file.close();
            if (document->load(path) != QPdfDocument::Error::None) {
                document->close();
                problem = UnreadableGuideMessage(path);
            }
        }
        if (problem.isEmpty()) break;
        QWidget* over = isVisible() ? this : parentWidget();
        if (ctx_.ui.msgBox(problem, MsgButtons::RetryCancel, MsgIcon::Critical,
                           QStringLiteral("Error"), over) != MsgAnswer::Retry)
            return;
    }
    setWindowTitle(path.trimmed());
    pdfReport->setDocument(document);
}

void frmPDFView::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    const int width = pixelsToTwips(this->width());
    const int buttonWidth = twipsGeometry(sscOK).width();
    setTwipsGeometry(sscOK, width - buttonWidth - ButtonRightMargin, ButtonTop, buttonWidth,
                     twipsGeometry(sscOK).height());
    setTwipsGeometry(pdfReport, 0, ViewerTop, width,
                     std::max(0, pixelsToTwips(height()) - ViewerTop));
}

void frmPDFView::sscOK_Click()
{
    accept();
}

} // namespace vemora

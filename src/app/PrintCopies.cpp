#include "app/PrintCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PendingEdits.h"
#include "app/PrintFailure.h"
#include "app/ProjectFiles.h"
#include "files/FileReasons.h"
#include "platform/PrinterPageDevice.h"
#include "platform/ReportPrinter.h"

namespace vemora {

QString ProjectPdfPath(const AppContext& ctx)
{
    if (HasFileOfItsOwn(ctx)) {
        const QString file = QString::fromStdString(ctx.store.ProjectFilePath);
        const QFileInfo info(file);
        return QDir(info.absolutePath()).filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    QString name = QString::fromStdString(ctx.store.ProjectName).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty()) name = QStringLiteral("Project");
    return ctx.paths.projectsPath() + name + QStringLiteral(".pdf");
}

std::unique_ptr<QPrinter> NewProjectPrinter(const AppContext& ctx)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString pdf = ProjectPdfPath(ctx);
    printer->setDocName(QFileInfo(pdf).completeBaseName());
    PrinterPageDevice::offerPdfWithoutQueue(*printer, pdf);
    return printer;
}

PrintOutcome PrintCopies(AppContext& ctx, const PrintJob& job)
{
    const std::unique_ptr<QPrinter> chosen = NewProjectPrinter(ctx);
    QPrinter& printer = *chosen;
    if (!ctx.ui.printDialog(printer, ctx.mainWindow().widget())) return PrintOutcome::Cancelled;
    const int copies = PrinterPageDevice::takeCopies(printer);
    PrinterPageDevice device(printer);
    return PrintCopiesOn(ctx, device, copies, job);
}

PrintOutcome PrintCopiesOn(AppContext& ctx, PageDevice& device, int copies, const PrintJob& job)
{
    if (!job.header) TakeInputOnScreen(ctx);
    PageRun run{job.header ? *job.header : HeaderTextsOf(ctx.store)};
    ReportPrinter printer(device);
    std::optional<QString> failure; // why a page could not go on
    try {
        for (int copy = 1; copy <= copies && printer.ok(); ++copy) {
            if (job.orientation) printer.setOrientation(*job.orientation);
            run.pageNumber = 0;
            if (job.page) job.page(run, printer);
        }
    } catch (const PrintFailure& stopped) {
        QString reason = QString::fromUtf8(stopped.what());
        if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
        failure = reason + QStringLiteral(".");
    }
    printer.EndDoc();

    QWidget* parent = ctx.mainWindow().widget();
    if (!printer.ok() || failure) {
        QString detail = failure ? *failure : printer.status().detail;
        if (const QString reason = printer.status().systemReason(FileUse::Write);
            !reason.isEmpty() && !failure)
            detail += QStringLiteral("\n") + reason;
        ctx.ui.msgBox(QStringLiteral("Could not print %1. %2").arg(job.what, detail),
                      MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Print Error !"),
                      parent);
        return PrintOutcome::Failed;
    }
    if (!job.page) {
        ctx.ui.msgBox(
            QStringLiteral("The printed page of %1 is not available yet: nothing was printed.")
                .arg(job.what),
            MsgButtons::OK, MsgIcon::Information, QStringLiteral("Vemora"), parent);
        return PrintOutcome::NotAvailable;
    }
    return PrintOutcome::Printed;
}

} // namespace vemora

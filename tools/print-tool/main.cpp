// print-tool FILE.kpj (OUT.pdf | --printer NAME) [--year N] [--copies N]
// [ITEM...]: opens the
// project in the windows offscreen, analyses it and prints the items named
// (General, Profile, Energy, Rates, TextHydraulic, TextDemand, TextCost,
// Cost, Hydraulic, Demand, Income, IRR: the print selection's boxes without
// "chk") or, when none is named, every item the project allows, into a PDF
// or on the system printer named.
// The hydraulic table prints year N (default 1), which must lie within the
// design life. Exit status 0 when every page printed, 1 when the project or a
// page failed, 2 for bad arguments.
#include <QApplication>
#include <QPrinter>
#include <iostream>

#include "HeadlessMainWindow.h"
#include "KillAfterPage.h"
#include "app/AnalyseProject.h"
#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "files/FileIo.h"
#include "input/InstallInputWindow.h"
#include "platform/PrinterPageDevice.h"
#include "platform/ScriptedUi.h"
#include "reports/InstallReports.h"
#include "reports/PrintRun.h"
#include "results/InstallResultsWindow.h"

using namespace vemora;

namespace {

struct Args
{
    QString project, pdf, printer;
    int year = 1;
    int copies = 1;
    QStringList items;
};

bool wholeNumber(const QString& text, int& out)
{
    bool ok = false;
    out = text.toInt(&ok);
    return ok;
}

bool parse(const QStringList& args, Args& out)
{
    QStringList plain;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--printer") {
            if (i + 1 >= args.size()) return false;
            out.printer = args[++i];
        } else if (args[i] == "--year" || args[i] == "--copies") {
            if (i + 1 >= args.size()) return false;
            if (!wholeNumber(args[i + 1], args[i] == "--year" ? out.year : out.copies))
                return false;
            ++i;
        } else {
            plain << args[i];
        }
    }
    if (plain.size() < (out.printer.isEmpty() ? 2 : 1)) return false;
    out.project = plain.takeFirst();
    if (out.printer.isEmpty()) out.pdf = plain.takeFirst();
    out.items = plain;
    return true;
}

// The item named, as the print selection names its box without "chk".
const ReportItem* itemNamed(const QString& name)
{
    for (const ReportItem& item : ReportItems())
        if (QString::fromLatin1(item.name).mid(3).compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

void reportMessages(const ScriptedUi& ui)
{
    for (const ScriptedUi::Message& m : ui.messages)
        std::cerr << "print-tool: " << m.text.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    IgnoreFileSizeSignal();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Args args;
    if (!parse(app.arguments().mid(1), args)) {
        std::cerr << "usage: print-tool FILE.kpj (OUT.pdf | --printer NAME) [--year N] "
                     "[--copies N] [ITEM...]\n";
        return 2;
    }

    ScriptedUi ui;
    AppContext ctx(ui);
    HeadlessMainWindow main(ctx);
    InstallInputWindow(ctx);
    InstallResultsWindow(ctx);
    InstallReports(ctx);

    ctx.store.ProjectFilePath = args.project.toStdString();
    if (!LoadProject(ctx)) {
        reportMessages(ui);
        return 1;
    }
    if (args.year < 1 || args.year > ctx.store.DesignLife) {
        std::cerr << "print-tool: --year " << args.year
                  << " lies outside the design life (years 1 to " << ctx.store.DesignLife << ")\n";
        return 2;
    }
    AnalysisObserver progress;
    const AnalysisOutcome outcome = AnalyseProject(ctx, progress);
    if (outcome.Status != AnalysisStatus::Completed)
        std::cerr << "print-tool: the analysis did not complete; only the input data print\n";

    PrintSelection ticked{};
    for (const ReportItem& item : ReportItems())
        ticked[static_cast<size_t>(item.step)] =
            args.items.isEmpty() && ReportAvailable(ctx, item.box);
    for (const QString& name : args.items) {
        const ReportItem* item = itemNamed(name);
        if (!item) {
            std::cerr << "print-tool: unknown item " << name.toStdString() << "\n";
            return 2;
        }
        ticked[static_cast<size_t>(item->step)] = true;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (args.printer.isEmpty())
        PrinterPageDevice::setUpPdf(printer, args.pdf);
    else
        printer.setPrinterName(args.printer);
    PrinterPageDevice printerDevice(printer);
    KillAfterPage device(printerDevice);
    const std::optional<QString> failure = RunPrint(ctx, device, args.copies, ticked, args.year);
    reportMessages(ui);
    if (failure) {
        std::cerr << "print-tool: " << failure->toStdString() << "\n";
        return 1;
    }
    return 0;
}

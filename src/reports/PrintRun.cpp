#include "reports/PrintRun.h"

#include <algorithm>
#include <stdexcept>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PendingEdits.h"
#include "app/PrintFailure.h"
#include "files/FileReasons.h"
#include "platform/ReportPrinter.h"

namespace vemora {

std::optional<QString> RunPrint(AppContext& ctx, PageDevice& device, int copies,
                                const PrintSelection& ticked, int year,
                                const std::array<ReportItem, kReportItemCount>& items)
{
    TakeInputOnScreen(ctx); // every page and header prints the input on screen
    PageRun run{HeaderTextsOf(ctx.store), 0, year};
    ReportPrinter printer(device);
    const char* failure = kPrintStartFailure;
    bool failed = false;
    try {
        for (int copy = 1; copy <= std::max(1, copies) && !failed; ++copy) {
            printer.setOrientation(PageOrientation::Portrait);
            run.pageNumber = 0;
            for (const ReportItem& item : items) {
                if (!ticked[static_cast<size_t>(item.step)]) continue;
                failure = item.failure;
                item.print(ctx, run, printer);
                if (!printer.ok()) {
                    failed = true;
                    break;
                }
            }
        }
    } catch (const std::exception&) {
        // PrintFailure from a report, or a table index out of range.
        failed = true;
    }
    // Pages finished so far go to the printer; a printer in error after the
    // end fails the item that printed last.
    if (!printer.EndDoc()) failed = true;
    // A printer that could not even be opened failed before any item; a
    // file that could not be opened, a document that could not be finished,
    // or a file the system refused, is no fault of the item printed last:
    // the message names the file or printer, and the system's reason.
    const PageStatus& status = printer.status();
    const bool opened = status.failure != PageFailure::Open;
    const QString said = status.systemReason(opened ? FileUse::Write : FileUse::Folder);
    const QString reason = said.isEmpty() ? QString() : QStringLiteral("\n") + said;
    if (!opened && !status.onFile) return QString::fromUtf8(kPrintStartFailure) + reason;
    if (!opened) return status.detail + reason;
    if (status.failure == PageFailure::End || !said.isEmpty()) return status.detail + reason;
    if (failed) return QString::fromUtf8(failure);
    return std::nullopt;
}

} // namespace vemora

// The copy loop every print button of a working window runs: the printer
// dialog, then the page routine once per copy with the page numbers starting
// again at 1, and a plain report of a failure.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/PageHeaderTexts.h"
#include "platform/PageItems.h"

class QPrinter;

namespace vemora {

struct AppContext;
class PageDevice;
struct PageRun;
class ReportPrinter;

// Prints one copy of a page (or of a set of pages) on the printer, its
// headers counted and texted by the run.
using PrintPage = std::function<void(PageRun&, ReportPrinter&)>;

struct PrintJob
{
    QString what;                               // "the hydraulic profile"
    std::optional<PageOrientation> orientation; // set before every copy, when given
    PrintPage page;                             // empty while the page is not available
    // A view's picture: the header texts of the input it was drawn from.
    // Without them the page prints the input on screen, which the store
    // takes first (TakeInputOnScreen).
    std::optional<PageHeaderTexts> header = std::nullopt;
};

enum class PrintOutcome { Printed, Cancelled, Failed, NotAvailable };

// The PDF file a print offers where no printer queue exists: the project's
// file name with ".pdf" in its folder, or for a project never saved its name
// in the Projects folder.
QString ProjectPdfPath(const AppContext& ctx);
// The printer every print dialog of the program starts from: high
// resolution, the document named after the project, and where the system
// has no printer queue the PDF file of ProjectPdfPath.
std::unique_ptr<QPrinter> NewProjectPrinter(const AppContext& ctx);

// Shows the printer dialog through the UI service; a cancel ends quietly.
// Then prints the copies chosen (PrintCopiesOn) on the chosen printer.
PrintOutcome PrintCopies(AppContext& ctx, const PrintJob& job);

// The store takes the input on screen unless the job prints a view's kept
// picture, whose header texts the page run holds instead of the store's.
// For each of `copies` copies: the orientation, the run's page number at 0
// (the page header counts from there, so each copy starts at page 1) and
// the page. The first failure of the printer ends
// the loop (pages already sent stay printed) and shows "Print Error !"
// naming what failed; so does a page that stops with a PrintFailure. A job
// without a page prints nothing and says so.
PrintOutcome PrintCopiesOn(AppContext& ctx, PageDevice& device, int copies, const PrintJob& job);

} // namespace vemora

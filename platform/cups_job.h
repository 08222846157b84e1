#pragma once

#include <QString>

#include "platform/page_printer.h"

namespace crank {

// Sends a finished PDF file to a CUPS queue (or "queue/instance", as Qt names
// a printer instance) as one job, on the print server that CUPS is set up to
// use (CUPS_SERVER, client.conf or the local one).
// Unlike Qt's own submission, every step is checked: an unreachable server,
// a queue that does not accept jobs, a job that cannot be created or whose
// document cannot be sent all come back as a failure with the server's
// reason. A job the server has taken is a success; what the printer does
// with it later is the print server's business. The job asks for no scaling
// (print-scaling=none, fit-to-page=false): the page is already on the
// queue's paper at its true size.
PrintOutcome SubmitPdfToCups(const QString& queue, const QString& pdfPath, const QString& title);

} // namespace crank

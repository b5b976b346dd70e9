// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print job of prepared pages: selects the printer, shows the print dialog, turns the page
// range into a list and draws every selected page on the current printer at the printer's
// resolution.
#include "preview/Printers.h"

namespace preview {

class PrintablePages;

// Starts from the report's PrintOptions; the dialog (when PrintOptions.ShowDialog) may change
// the printer, the pages, the copies and the order, and anything but OK prints nothing. With
// collate the page sequence is printed once per copy, otherwise once with the printer making the
// copies. StopRequested aborts the document. Failures (a copies or page-range text that is not a
// number, no printer, a spooler that refuses the job) are raised as platform::Error after the
// document has been aborted.
void RunPrintJob(PrintablePages& pages, TrpPrinters& printers = TrpPrinters::Instance());

} // namespace preview

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the preview window on a report's prepared pages.
#include "preview/PreviewServices.h"

class QWidget;

namespace report {
class TrpReport;
}

namespace preview {

// Creates the preview window, attaches the report and its prepared pages and sets the window up
// from the report's preview options. With PreviewOptions.Modal the window is shown modally
// (maximized with the default options) and destroyed when it closes; otherwise it is shown and
// destroys itself when closed. The window prints and reports its errors through the services.
// The owner is the window the preview was opened from: the window manager keeps the preview
// above it and a task bar shows the two as one program.
void OpenPreview(report::TrpReport& report, PreviewServices services, QWidget* owner = nullptr);

} // namespace preview

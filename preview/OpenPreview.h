#pragma once
// Opening the preview window on a report's prepared pages.
#include "preview/PreviewServices.h"

namespace report {
class TrpReport;
}

namespace preview {

// Creates the preview window (owned by the application), attaches the report and its prepared
// pages and sets the window up from the report's preview options. With PreviewOptions.Modal the
// window is shown modally (maximized with the default options) and destroyed when it closes;
// otherwise it is shown and destroys itself when closed. The window prints and reports its errors
// through the services.
void OpenPreview(report::TrpReport& report, PreviewServices services);

} // namespace preview

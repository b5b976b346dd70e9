#pragma once
// Opening the preview window on a report's prepared pages.

namespace report {
class TrpReport;
}

namespace preview {

// Creates the preview window (owned by the application), attaches the report and its prepared
// pages and sets the window up from the report's preview options. With PreviewOptions.Modal the
// window is shown modally (maximized with the default options) and destroyed when it closes;
// otherwise it is shown and destroys itself when closed.
void OpenPreview(report::TrpReport& report);

} // namespace preview

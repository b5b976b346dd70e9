// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the program's three windows, created in their order; the first is the main window.
#include <memory>

namespace app {

class TForm1;
class TForm2;
class TForm3;

struct Forms {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2; // hidden
    std::unique_ptr<TForm3> form3; // hidden

    Forms();
    Forms(Forms&&) noexcept;
    ~Forms();
};

Forms CreateForms();

// Gives the window's report the engine's end-of-preparation error box: a modal box with the error
// icon. The program without its window reports those errors on standard error instead.
void InstallReportErrorBox(TForm1& window);

} // namespace app

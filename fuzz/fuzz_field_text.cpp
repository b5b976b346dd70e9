// SPDX-License-Identifier: GPL-3.0-or-later
// Any text the window's fields can hold, printed: it flows into the bracket expansion of the
// template's memos and, for the maiden name, into mark-up, then into layout and drawing.
#include "CertificateDrawing.h"

#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "platform/Cp1250.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startOffscreen(argc, argv);
    return 0;
}

// The values of the nine fields, separated by zero bytes; what a field cannot hold is left out.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    app::TForm1& w = *fuzzing::certificate().form1;
    QLineEdit* const fields[] = {w.Edit1, w.Edit2,    w.Edit3, w.Edit4,   w.Edit5,
                                 w.Edit6, w.NumEdit1, w.Edit7, w.NumEdit2};
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    for (QLineEdit* field : fields) {
        const size_t end = std::min(input.find('\0', start), input.size());
        const QString value =
            platform::toUnicode(input.substr(std::min(start, end), end - std::min(start, end)));
        field->setText(platform::isFieldText(value) ? value : QString());
        start = end + 1;
    }
    fuzzing::printCertificate();
    return 0;
}

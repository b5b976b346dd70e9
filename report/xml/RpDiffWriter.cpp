// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/xml/RpDiffWriter.h"

#include "report/common/RpProperties.h"
#include "report/xml/RpXmlText.h"

namespace report {

void TrpDiffWriter::number(const char* name, double mine, const double* theirs, bool always) {
    if (always || !theirs || mine != *theirs)
        appendAttribute(text, name, floatText(mine));
}

void TrpDiffWriter::integer(const char* name, int mine, const int* theirs) {
    if (!theirs || mine != *theirs)
        appendAttribute(text, name, std::to_string(mine));
}

void TrpDiffWriter::boolean(const char* name, bool mine, const bool* theirs) {
    if (!theirs || mine != *theirs)
        appendAttribute(text, name, mine ? "1" : "0");
}

void TrpDiffWriter::color(const char* name, platform::TColor mine, const platform::TColor* theirs) {
    if (!theirs || mine != *theirs)
        appendAttribute(text, name, colorText(mine));
}

void TrpDiffWriter::string(const char* name, const std::string& mine, const std::string* theirs,
                           bool always) {
    if (always || !theirs || mine != *theirs)
        appendAttribute(text, name, mine);
}

} // namespace report

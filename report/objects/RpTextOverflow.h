// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text object of the prepared pages whose laid-out text does not fit its rectangle: the lines
// that fall outside it are clipped away on every output, so the host tells the user before the
// certificate leaves the program.
#include <QString>

namespace report {

struct TrpTextOverflow {
    int Page;           // index of the prepared page, from 0
    QString ObjectName; // the text object's name
    QString Text;       // the lines that do not fit, one per line
};

} // namespace report

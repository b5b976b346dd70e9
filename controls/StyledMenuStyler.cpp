// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StyledMenuStyler.h"

namespace controls {

TStyledMenuStyler::TStyledMenuStyler(QObject* owner) : QObject(owner) {}

void TStyledMenuStyler::SetRootItem(const TStyledRootItem& rootItem) {
    if (rootItem == rootItem_)
        return;
    rootItem_ = rootItem;
    emit changed();
}

} // namespace controls

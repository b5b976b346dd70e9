// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FieldKinds.h"

#include "controls/Cp1250Validator.h"
#include "platform/Error.h"

#include <algorithm>

namespace controls {

TStyledEdit::TStyledEdit(QWidget* parent) : QLineEdit(parent) {
    restrictToCp1250(this);
}

TUiMaskEdit::TUiMaskEdit(QWidget* parent) : QLineEdit(parent) {
    restrictToCp1250(this);
}

void TUiRadioGroup::SetItemIndex(int index) {
    itemIndex_ = std::clamp(index, -1, static_cast<int>(Items.size()) - 1);
}

void TUiCheckGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    checked_.assign(items_.size(), false);
}

bool TUiCheckGroup::Checked(int index) const {
    if (index < 0 || index >= Count())
        throw platform::Error("List index out of bounds (" + std::to_string(index) + ")");
    return checked_[static_cast<size_t>(index)];
}

void TUiCheckGroup::SetChecked(int index, bool checked) {
    Checked(index); // range check
    checked_[static_cast<size_t>(index)] = checked;
}

TStyledStringGrid::TStyledStringGrid(QWidget* parent) : QWidget(parent) {
    SetSize(colCount_, rowCount_);
}

void TStyledStringGrid::SetSize(int colCount, int rowCount) {
    colCount_ = std::max(colCount, 1);
    rowCount_ = std::max(rowCount, 1);
    cells_.assign(static_cast<size_t>(colCount_) * static_cast<size_t>(rowCount_), {});
}

size_t TStyledStringGrid::indexOf(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        throw platform::Error("Grid index out of range");
    return static_cast<size_t>(row) * static_cast<size_t>(colCount_) + static_cast<size_t>(col);
}

const std::string& TStyledStringGrid::Cell(int col, int row) const {
    return cells_[indexOf(col, row)];
}

void TStyledStringGrid::SetCell(int col, int row, std::string text) {
    cells_[indexOf(col, row)] = std::move(text);
}

} // namespace controls

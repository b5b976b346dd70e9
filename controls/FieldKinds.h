// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The further input components whose values the form text can carry. None of them stands on the
// certificate window; each holds just the data that its form-text line reads or writes.
#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>
#include <string>
#include <vector>

namespace controls {

class TStyledEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TStyledEdit(QWidget* parent = nullptr);
};

// A styled edit with a lookup list; as a styled edit it also carries that kind's value.
class TStyledLUEdit : public TStyledEdit {
    Q_OBJECT
public:
    using TStyledEdit::TStyledEdit;
};

class TUiMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TUiMaskEdit(QWidget* parent = nullptr);
};

class TUiCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
};

class TUiRadioGroup : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    std::vector<std::string> Items;

    int ItemIndex() const { return itemIndex_; }
    // Out-of-range values select the nearest end: -1 (none) or the last item.
    void SetItemIndex(int index);

private:
    int itemIndex_ = -1;
};

class TUiCheckGroup : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void SetItems(std::vector<std::string> items);
    int Count() const { return static_cast<int>(items_.size()); }
    // Both raise platform::Error("List index out of bounds (k)") outside 0 .. Count() - 1.
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);

private:
    std::vector<std::string> items_;
    std::vector<bool> checked_;
};

class TStyledStringGrid : public QWidget {
    Q_OBJECT
public:
    explicit TStyledStringGrid(QWidget* parent = nullptr);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void SetSize(int colCount, int rowCount);
    // Both raise platform::Error("Grid index out of range") outside the grid.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

private:
    size_t indexOf(int col, int row) const;

    int colCount_ = 5;
    int rowCount_ = 5;
    std::vector<std::string> cells_;
};

} // namespace controls

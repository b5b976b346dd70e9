// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A panel: a filled rectangle with an optional one-pixel bevel, raised or lowered, inside its edge.
#include <QWidget>

namespace app {

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit BevelPanel(QWidget* parent, Bevel outer);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
};

} // namespace app

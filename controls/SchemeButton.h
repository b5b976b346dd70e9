// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button painted in one of a set of colour schemes instead of the desktop style. It keeps
// every behaviour of a push button (default and cancel roles, keyboard, modal results).
#include <QPushButton>

namespace controls {

class TSchemeButton : public QPushButton {
    Q_OBJECT
public:
    // The "Neo" schemes have a glossy face, the others a plain gradient; csCustom takes the colours
    // given with setCustomColors.
    enum TColorScheme {
        csNeoDesert,
        csNeoSky,
        csNeoGrass,
        csNeoSilver,
        csNeoRose,
        csNeoSun,
        csDesert,
        csGrass,
        csSky,
        csSun,
        csRose,
        csSilver,
        csCustom
    };

    explicit TSchemeButton(QWidget* parent = nullptr);

    TColorScheme ColorScheme() const { return scheme_; }
    void setColorScheme(TColorScheme scheme);
    void setCustomColors(const QColor& light, const QColor& dark);

    QColor ColorLight() const;
    QColor ColorDark() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColorScheme scheme_ = csSky;
    QColor customLight_{242, 242, 245};
    QColor customDark_{95, 95, 105};
};

} // namespace controls

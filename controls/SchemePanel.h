// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A panel painted in one of a set of colour schemes; dialogs place their content on it and take
// its dark colour for their text.
#include <QWidget>

namespace controls {

class TSchemePanel : public QWidget {
    Q_OBJECT
public:
    // csCustom takes the colours given with setCustomColors.
    enum TColorScheme { csCustom, csDesert, csGrass, csSilver, csSky, csRose, csSun };

    explicit TSchemePanel(QWidget* parent = nullptr);

    TColorScheme ColorScheme() const { return scheme_; }
    void setColorScheme(TColorScheme scheme);
    void setCustomColors(const QColor& light, const QColor& dark);

    QColor ColorLight() const;
    QColor ColorDark() const;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColorScheme scheme_ = csSky;
    QColor customLight_{242, 242, 245};
    QColor customDark_{95, 95, 105};
    QString caption_;
};

} // namespace controls

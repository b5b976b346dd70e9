#pragma once
// Stands in for the gradient section caption until the real control is placed: a vertical
// two-colour gradient under a one-line caption, with the three colours the section highlight
// switches.
#include "platform/Color.h"

#include <QWidget>

namespace app {

class TUiFill : public QWidget {
    Q_OBJECT
public:
    explicit TUiFill(QWidget* parent = nullptr);

    platform::TColor GradientColor() const { return gradientColor_; }
    platform::TColor GradientEndColor() const { return gradientEndColor_; }
    platform::TColor CaptionFontColor() const { return captionFontColor_; }
    void SetGradientColor(platform::TColor color);
    void SetGradientEndColor(platform::TColor color);
    void SetCaptionFontColor(platform::TColor color);

    QString Caption;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::TColor gradientColor_ = 0x00FF0000;
    platform::TColor gradientEndColor_ = 0;
    platform::TColor captionFontColor_ = platform::clWindowText;
};

} // namespace app

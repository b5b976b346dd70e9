// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label of the certificate window: placed at its design position and kept within its design
// width, the width its text took with the fonts the window was designed with. The metric
// stand-ins of those fonts draw some texts a few pixels wider, which would run a label's end
// (Label6's ":") under the field beside it. A text wider than the box is drawn with its letters
// narrowed (font stretch) just enough to fit; it is never cut off or elided.
#include <QLabel>

namespace app {

class FittedLabel : public QLabel {
    Q_OBJECT
public:
    FittedLabel(const QString& text, QWidget* parent, int designWidth);

    int DesignWidth() const { return designWidth_; }
    // Sizes the label to its text within the design width. Measuring loads the font, which a
    // window that is never shown need not pay for: the window calls it when it is first shown.
    void Fit();
    // Fits several labels, as Fit does, except that the labels of one font that must be narrowed
    // share one stretch: the widest at which all of them fit, up to the proportion the most
    // cramped of them needs. Each stretch is a font engine of its own, the costliest step of
    // showing a window, so one per font replaces one per label; the narrowed labels of a window
    // then also show letters of one width.
    static void FitAll(const QList<FittedLabel*>& labels);

private:
    int designWidth_;
};

} // namespace app

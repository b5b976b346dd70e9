// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/WindowTexts.h"

#include "report/common/RpResources.h"

#include "platform/Cp1250.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace preview {
namespace {

void setCaption(QWidget& widget, const QString& text, bool isWindow) {
    if (isWindow)
        widget.setWindowTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        edit->setText(text);
}

} // namespace

void applyWindowTexts(QWidget& window, const std::string& windowClass) {
    for (const report::TrpWindowTextSetting& setting : report::rpWindowTexts(windowClass)) {
        QWidget* target = setting.component.empty()
                              ? &window
                              : window.findChild<QWidget*>(platform::toUnicode(setting.component));
        if (!target)
            continue;
        const QString value = platform::toUnicode(setting.value);
        if (setting.property == "Caption")
            setCaption(*target, value, target == &window);
        else if (setting.property == "Hint")
            target->setToolTip(value);
    }
}

} // namespace preview

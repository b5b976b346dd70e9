#include "preview/FormTexts.h"

#include "report/RpResources.h"

#include "platform/Cp1250.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace preview {
namespace {

void setCaption(QWidget& widget, const QString& text, bool isForm) {
    if (isForm)
        widget.setWindowTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        group->setTitle(text);
}

} // namespace

void localizeForm(QWidget& form, const std::string& windowClass) {
    for (const report::TrpWindowTextSetting& s : report::rpWindowTexts(windowClass)) {
        QWidget* target = &form;
        if (!s.component.empty())
            target = form.findChild<QWidget*>(QString::fromLatin1(s.component));
        if (!target)
            continue;
        const QString value = platform::toUnicode(s.value);
        if (s.property == "Caption")
            setCaption(*target, value, target == &form);
        else if (s.property == "Hint")
            target->setToolTip(value);
    }
}

} // namespace preview

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AccessibleWalk.h"

#include <QAccessible>
#include <QWidget>
#include <map>

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

std::vector<AccessibleField> focusableFields(QWidget* window) {
    std::vector<AccessibleField> fields;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || w->focusPolicy() == Qt::NoFocus || w->focusProxy() ||
            !w->isVisibleTo(window) || !w->isEnabled())
            continue;
        fields.push_back({w, accessibleName(w)});
    }
    return fields;
}

std::string unnamedOrRepeated(const std::vector<AccessibleField>& fields) {
    std::map<QString, int> uses;
    for (const AccessibleField& f : fields)
        ++uses[f.name];
    QString problems;
    for (const AccessibleField& f : fields) {
        if (f.name.trimmed().isEmpty())
            problems += f.widget->objectName() + QStringLiteral(" (") +
                        QString::fromLatin1(f.widget->metaObject()->className()) +
                        QStringLiteral(") has no name\n");
        else if (uses[f.name] > 1)
            problems += f.widget->objectName() + QStringLiteral(" shares the name \"") + f.name +
                        QStringLiteral("\"\n");
    }
    return problems.toStdString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A field and the label that says what it is, tied together for assistive technology. Both the
// dialogs and the preview's print dialog name their fields this way; it is a template so that
// this layer, which links no widgets, can hold it for both.
#include <QString>

namespace platform {

// Makes the label the field's buddy (a screen reader finds the field "labelled by" it) and gives
// the field the label's text as its accessible name, without a trailing colon: a check box
// without a text of its own would otherwise not be announced at all. A label whose text holds "&"
// is left without a buddy, which would turn the "&" into a mnemonic mark. Label is a QLabel and
// Field a QWidget.
template <class Label, class Field>
void labelField(Label& label, Field& field) {
    if (!label.text().contains(u'&'))
        label.setBuddy(&field);
    QString name = label.text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    field.setAccessibleName(name.trimmed());
}

} // namespace platform

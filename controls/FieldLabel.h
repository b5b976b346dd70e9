#pragma once
// A field and the label that says what it is, tied together for assistive technology.
class QLabel;
class QWidget;

namespace controls {

// Makes the label the field's buddy (a screen reader finds the field "labelled by" it) and gives
// the field the label's text as its accessible name, without a trailing colon: a check box
// without a text of its own would otherwise not be announced at all. A label whose text holds "&"
// is left without a buddy, which would turn the "&" into a mnemonic mark.
void labelField(QLabel& label, QWidget& field);

} // namespace controls

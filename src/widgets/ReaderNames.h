#pragma once

#include <QString>

class QLabel;
class QWidget;

// Names that a screen reader says for controls, without changing what shows.
namespace ReaderNames {

// The caption beside a field names it: the label becomes the field's buddy (no
// access key is added; the caption stays as it is).
void labelField(QLabel *label, QWidget *field);

// A control without a caption of its own gets a name.
void name(QWidget *control, const QString &name);

} // namespace ReaderNames

#include "widgets/ReaderNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The typing box of an editable combo box is a control of its own for a reader.
void nameTypingBox(QWidget *field, const QString &name)
{
    if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

} // namespace

namespace ReaderNames {

void labelField(QLabel *label, QWidget *field)
{
    label->setBuddy(field);
    nameTypingBox(field, label->text().trimmed());
}

void name(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    nameTypingBox(control, name);
}

} // namespace ReaderNames

#include "widgets/MessageBox.h"

#include <QMessageBox>

namespace {

MessageBox::TestHook &testHook()
{
    static MessageBox::TestHook hook;
    return hook;
}

QMessageBox::Icon toQtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBox::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBox::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &text, const QString &caption,
                                    Buttons buttons, Icon icon)
{
    if (testHook())
        return testHook()(Request{text, caption, buttons, icon});

    QMessageBox box(toQtIcon(icon), caption, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::setTestHook(TestHook hook)
{
    testHook() = std::move(hook);
}

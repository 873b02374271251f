#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that a test can answer
// the boxes of a modal flow without a person.
class MessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Warning, Critical };
    enum class Answer { Ok, Yes, No };

    struct Request {
        QString text;
        QString caption;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };
    using TestHook = std::function<Answer(const Request &)>;

    // The program's title, shown where a message names no caption of its own.
    static QString programTitle() { return QStringLiteral("Tessaron2"); }

    static Answer show(QWidget *parent, const QString &text, const QString &caption = programTitle(),
                       Buttons buttons = Buttons::Ok, Icon icon = Icon::None);

    // While a hook is set, no box is shown: the hook sees each request and answers it.
    static void setTestHook(TestHook hook);
};

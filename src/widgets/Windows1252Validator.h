#pragma once

#include <QValidator>

// Keeps a line edit's text writable to a Windows-1252 file: characters the code
// page cannot hold are dropped as they are typed or pasted.
class Windows1252Validator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

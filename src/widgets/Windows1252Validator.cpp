#include "widgets/Windows1252Validator.h"

#include "storage/text/Windows1252.h"

QValidator::State Windows1252Validator::validate(QString &input, int &pos) const
{
    const QString kept = Windows1252::filtered(input);
    if (kept.size() != input.size()) {
        pos = static_cast<int>(Windows1252::filtered(QStringView(input).left(pos)).size());
        input = kept;
    }
    return Acceptable;
}

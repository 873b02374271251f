#pragma once

#include <QCoreApplication>

// The texts tessaron2-cli writes for the user (help, summaries, messages)
// share one translation context; command and option names stay as typed.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

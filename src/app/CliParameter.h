#pragma once

#include <QString>

// A value a command takes in its place, as the help texts show it: its
// syntax ("NAAM", "REEKS...") and what it is.
struct CliParameter {
    QString syntax;
    QString description;
};

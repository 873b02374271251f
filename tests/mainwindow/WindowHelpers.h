#pragma once

#include "mainwindow/Main.h"

#include <QSize>

#include <memory>

class TestFolder;

// The main window on the program folder, shown and exposed.
std::unique_ptr<Main> startWindow(const TestFolder &folder);
// Gives the window the outer size, frame included, and lets it lay itself out.
void setOuterSize(QWidget *window, QSize outer);

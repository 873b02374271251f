#pragma once

class Main;
class QWidget;

// Before the open collection is replaced by another (opened, imported or new):
// with unsaved changes, asks whether to close it anyway. True when the caller
// may go on.
bool ConfirmReplaceCollection(const Main &main, QWidget *asker);

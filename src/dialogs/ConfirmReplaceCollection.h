#pragma once

class OpenCollection;
class QWidget;

// Before the open collection is replaced by another (opened, imported or new):
// with unsaved changes, asks whether to close it anyway. True when the caller
// may go on.
bool ConfirmReplaceCollection(const OpenCollection &collection, QWidget *asker);

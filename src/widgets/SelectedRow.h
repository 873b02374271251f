#pragma once

class QAbstractItemView;

// The selected row of a list that selects whole rows, one at a time, counted
// from 0; -1 when none is selected.
int SelectedRow(const QAbstractItemView *view);

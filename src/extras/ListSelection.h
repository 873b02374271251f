#pragma once

class Main;

// Going to a record from outside the list (search bar, picture check): the row
// is selected, scrolled into sight and shown in the panel, as a click shows it.
namespace ListSelection {

// A row outside the list changes nothing.
void selectRow(Main &main, int row);

} // namespace ListSelection

#pragma once

class OpenCollection;
class QColor;
class QWidget;

// The File menu's imports from other programs: each asks for the file, then
// lets its window show and import it. The colours are those of the windows.
namespace ImportMenuCommands {

// "Importeren uit Tellico...": a Tellico file (.tc or .xml), TellicoImportForm.
void tellico(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
             QWidget *parent);
// "Importeren uit Colnect...": a stamp list exported from Colnect (.csv), ColnectImportForm.
void colnect(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
             QWidget *parent);

} // namespace ImportMenuCommands

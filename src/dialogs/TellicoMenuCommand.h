#pragma once

class OpenCollection;
class QColor;
class QWidget;

// File > "Importeren uit Tellico...": asks for a Tellico file (.tc or .xml),
// then lets TellicoImportForm show and import it. The colours are those of
// TellicoImportForm.
void TellicoMenuCommand(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                        QWidget *parent);

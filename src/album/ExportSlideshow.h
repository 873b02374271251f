#pragma once

#include <QString>

class ProgramFolder;
class QWidget;

// The "Webpage Ontwerpen" command: writes the album page of the collection
// under the busy pointer and opens it in the web browser. With no rows the page
// asks to load a collection first. Failures are not reported: whatever was
// written is shown.
void ExportSlideshow(const ProgramFolder &folder, const QString &collectionName, int rowCount,
                     QWidget *owner);

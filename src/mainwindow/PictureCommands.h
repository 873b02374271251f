#pragma once

#include "storage/pictures/PictureFiler.h"

#include <QObject>
#include <QString>

#include <functional>

class OpenCollection;
class QAbstractItemView;
class QDropEvent;
class QLabel;
class QWidget;

// Puts pictures in place for the records of the main window: from a file
// chosen in a file dialog, from the clipboard, from a file dropped on the
// thumbnail or on a row of the list, and a whole folder of scans at once.
class PictureCommands : public QObject {
    Q_OBJECT

public:
    PictureCommands(QWidget *window, OpenCollection &collection, QAbstractItemView *list, QLabel *thumbnail);

    // "Afbeelding toevoegen...": a file chosen for the record of the row.
    bool addFromFile(int row);
    // "Afbeelding plakken": a copied file, else the clipboard's image.
    void paste(int row);
    // "Afbeeldingen importeren...": a folder of scans matched to the records.
    void importFolder(const QColor &background);

signals:
    // The record of the row has a new picture.
    void pictureFiled(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Filing =
        std::function<StorageResult(const PictureFiler &, const StampRecord &, PictureFiler::Existing)>;
    // Asks before replacing a picture and tells why a picture was refused.
    bool file(int row, const Filing &filing);
    // The row a file dropped at the event's place is for; -1 when none.
    int dropRow(QObject *watched, const QDropEvent *event) const;
    bool hasName() const;
    // The record of the row can have a picture filed; says why not.
    bool ready(int row) const;

    QWidget *m_window;
    OpenCollection &m_collection;
    QAbstractItemView *m_list;
    QLabel *m_thumbnail;
};

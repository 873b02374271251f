#pragma once

#include <QImage>
#include <QObject>

class DetailPanel;
class OpenCollection;
class PictureViewer;
class QAbstractItemView;
class QLabel;
class VistaButton;

// Selecting a row of the main window's list, by mouse or keyboard, shows its
// record: the detail panel, the count, the thumbnail and the viewer's picture.
// A click on the row that is already selected shows it again, so the panel can
// be brought back to the stored record after an add or an edit.
class RecordSelection : public QObject {
    Q_OBJECT

public:
    // Shows the placeholder in the thumbnail and starts following the list.
    RecordSelection(QAbstractItemView *list, DetailPanel *panel, QLabel *thumbnail, VistaButton *showButton,
                    PictureViewer *viewer, const OpenCollection &collection, QObject *parent);

    // Works on the list's selected row; without one it does nothing.
    void ShowSelectedRecord();
    // Shows no record's picture: the placeholder, an empty viewer, "Show" off
    // and no BackPic, so nothing of a collection that was replaced stays at hand.
    void forgetShownRecord();
    // The source of the thumbnail: the last picture loaded, kept when a record
    // without a picture is shown.
    const QImage &BackPic() const { return m_backPic; }

signals:
    // A record was shown; the window writes the count line.
    void recordShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture(const QString &path);
    void showNoPicture();
    // What a screen reader says of the thumbnail and the viewer's picture.
    void namePictures(const QString &name);

    QAbstractItemView *ListView1;
    DetailPanel *Frame1;
    QLabel *Image1;
    VistaButton *ShowKnop;
    PictureViewer *m_viewer;
    const OpenCollection &m_collection;
    const QImage Image2; // the placeholder, never shown itself
    QImage m_backPic;
    int m_pressedSelectedRow = -1;
};

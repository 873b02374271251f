#pragma once

#include <QImage>
#include <QObject>

class Main;

// Selecting a row of the main window's list, by mouse or keyboard, shows its
// record: the detail panel, the count, the thumbnail and the viewer's picture.
// A click on the row that is already selected shows it again, so the panel can
// be brought back to the stored record after an add or an edit.
class RecordSelection : public QObject {
    Q_OBJECT

public:
    // Shows the placeholder in the thumbnail and starts following the list.
    explicit RecordSelection(Main &window);

    // Works on the list's selected row; without one it does nothing.
    void ShowSelectedRecord();

signals:
    // A record was shown; the window writes the count line.
    void recordShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture(const QString &path);
    void showNoPicture();

    Main &m_window;
    const QImage Image2; // the placeholder, never shown itself
    int m_pressedSelectedRow = -1;
};

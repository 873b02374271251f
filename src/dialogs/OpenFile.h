#pragma once

#include <QDialog>

class OpenCollection;
class QColor;
class QLabel;
class QListWidget;
class VistaButton;

// Lists the collections of the collection folder to open or delete one; in
// import mode it lists the old-format
// files and imports the chosen one instead.
class OpenFile : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Open, ImportOldData };

    OpenFile(OpenCollection &collection, Mode mode, const QColor &background, QWidget *parent);

    Mode mode() const { return m_mode; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OkKnop_Click();
    void DelKnop_Click();
    QString selectedName() const;

    QListWidget *List1 = nullptr; // names without their extension
    QLabel *Label2 = nullptr;
    VistaButton *DelKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    Mode m_mode;
};

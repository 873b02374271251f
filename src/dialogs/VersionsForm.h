#pragma once

#include "storage/keeping/CollectionVersions.h"

#include <QDialog>

#include <vector>

class OpenCollection;
class QColor;
class QLabel;
class QTreeWidget;
class VistaButton;

// File > "Vorige versies...": the kept versions of the open collection and of
// deleted collections, newest first per collection. The chosen one becomes the
// open collection with unsaved changes; its file is written only by a save.
class VersionsForm : public QDialog {
    Q_OBJECT

public:
    VersionsForm(OpenCollection &collection, const QColor &background, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addVersions(const std::vector<CollectionVersions::Version> &versions);
    static QString shownName(const CollectionVersions::Version &version);
    void OkKnop_Click();

    QTreeWidget *List1 = nullptr; // date, time, record count, name
    QLabel *Label1 = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    // In the order of the rows.
    std::vector<CollectionVersions::Version> m_versions;
};

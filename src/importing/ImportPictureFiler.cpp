#include "importing/ImportPictureFiler.h"

#include "importing/ImportText.h"
#include "storage/keeping/ImportedCollections.h"
#include "storage/pictures/PictureFiler.h"

#include <QDir>

ImportPictureFiler::ImportPictureFiler(const ProgramFolder &folder, ImportedCollections *written)
    : m_folder(folder)
    , m_written(written)
{}

ImportPictureFiler::~ImportPictureFiler() = default;

StorageResult ImportPictureFiler::file(const QString &collection, const StampRecord &record,
                                       const QByteArray &data)
{
    const PictureFiler filer(m_folder, collection);
    QString path;
    if (m_written) {
        if (filer.target(record, path))
            m_written->filing(path);
        return filer.fileFromData(data, record, PictureFiler::Existing::Keep);
    }
    if (filer.hasPicture(record) && filer.target(record, path))
        return StorageResult::failure(
            ImportText::tr("Dit record heeft al een afbeelding: %1").arg(QDir::toNativeSeparators(path)));
    if (!m_scratch)
        m_scratch = std::make_unique<QTemporaryDir>();
    return PictureFiler(ProgramFolder(m_scratch->path()), collection)
        .fileFromData(data, record, PictureFiler::Existing::Keep);
}

#include "storage/keeping/CollectionFiles.h"

#include "storage/StorageText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/keeping/CollectionLock.h"
#include "storage/keeping/CollectionVersions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <algorithm>

namespace {

const QString Extension = QStringLiteral(".col");
const QString VersionsFolder = QStringLiteral(".versies");
const QString WantListsFolder = QStringLiteral(".mancolijst");
const QString CataloguesFolder = QStringLiteral(".catalogi");
const QString VersionCatalogueExtension = QStringLiteral(".catalogi");
const QString DamagedExtension = QStringLiteral(".beschadigd");
const QString RecoveryFolder = QStringLiteral(".herstel");
const QString KeptPicturesFolder = QStringLiteral("afbeeldingen");
const QString WantListExtension = QStringLiteral(".txt");
const QString VersionWantListExtension = QStringLiteral(".mancolijst");
// The longest process id Linux gives, for the length of a second program's recovery file.
constexpr qint64 LongestProgramId = 4194304;
// What a write adds to a file name while it works: the temporary name of an
// atomic write (".XXXXXX") or of a lock taken over (".rmlock").
constexpr qsizetype WorkSuffixBytes = 7;

QString recoveryBaseName(const QString &name, qint64 program)
{
    return program == 0 ? name : QStringLiteral("%1 (programma %2)").arg(name).arg(program);
}

qsizetype bytesOf(const QString &fileName)
{
    return QFile::encodeName(fileName).size();
}

// The longest file name the disk holding folder allows.
qsizetype longestFileNameIn(const QString &folder)
{
    QString existing = folder;
    while (!existing.isEmpty() && !QFileInfo::exists(existing))
        existing = QFileInfo(existing).path();
    const long limit = pathconf(QFile::encodeName(existing).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

// The companion at to becomes a copy of the one at from; none there removes it.
StorageResult copyCompanion(const QString &from, const QString &to)
{
    if (to.isEmpty())
        return StorageResult::failure(StorageText::tr("Ongeldige naam voor een verzameling!"));
    if (!FileExists(from)) {
        QFile old(to);
        if (old.exists() && !old.remove())
            return StorageResult::failure(FileErrorReason::of(old));
        return StorageResult::success();
    }
    QByteArray bytes;
    StorageResult result = TextFile::readBytes(from, bytes);
    if (result && !QDir().mkpath(QFileInfo(to).path()))
        result = StorageResult::failure(
            StorageText::tr("map kon niet worden aangemaakt: %1").arg(QFileInfo(to).path()));
    return result ? TextFile::writeBytes(to, bytes) : result;
}

} // namespace

CollectionFiles::CollectionFiles(const ProgramFolder &folder, const QString &name)
    : m_folder(folder)
    , m_name(CollectionName::normalized(name))
    , m_file(folder.collectionFile(m_name))
{
    // The spelling of the file there is the collection's name. A name from a
    // damaged file may lead anywhere: it stays as it is.
    if (CollectionName::isValid(m_name) && FileExists(m_file))
        m_name = CollectionName::normalized(QFileInfo(m_file).fileName().chopped(Extension.size()));
}

bool CollectionFiles::exists() const
{
    return FileExists(m_file);
}

bool CollectionFiles::isNamed(const QString &spelling) const
{
    if (!CollectionName::sameCollection(spelling, m_name))
        return false;
    // Two files differing only in case, as earlier versions of the program
    // made them, stay two collections.
    const CollectionFiles other(m_folder, spelling);
    return !other.exists() || !exists() || other.m_file == m_file;
}

StorageResult CollectionFiles::checkLength(const ProgramFolder &folder, const QString &name)
{
    return checkLength(name, longestFileNameIn(folder.collectionFolder()));
}

StorageResult CollectionFiles::checkNewName(const ProgramFolder &folder, const QString &name)
{
    const QString invalid = StorageText::tr("Ongeldige naam voor een verzameling!");
    if (!CollectionName::isValid(name))
        return StorageResult::failure(invalid);
    const StorageResult fits = checkLength(folder, name);
    return fits ? fits : StorageResult::failure(invalid + QStringLiteral("\r\n") + fits.reason);
}

StorageResult CollectionFiles::checkLength(const QString &name, qsizetype longestFileName)
{
    const QString normalized = CollectionName::normalized(name);
    const QStringList fileNames = {
        normalized + Extension,
        QFileInfo(CollectionLock::besideFile(recoveryBaseName(normalized, LongestProgramId) + Extension))
            .fileName(),
        recoveryBaseName(normalized, LongestProgramId) + QStringLiteral(".stappen"),
        normalized + WantListExtension,
        normalized + QStringLiteral(" yyyy-MM-dd HH.mm.ss") + DamagedExtension,
    };
    qsizetype longest = 0;
    for (const QString &fileName : fileNames)
        longest = std::max(longest, bytesOf(fileName) + WorkSuffixBytes);
    const qsizetype limit = longestFileName;
    if (longest <= limit)
        return StorageResult::success();
    return StorageResult::failure(
        StorageText::tr("De naam is te lang voor een bestandsnaam op deze schijf: %1 bytes, ten hoogste %2 "
                        "(een letter met een accent telt voor twee).")
            .arg(bytesOf(normalized))
            .arg(bytesOf(normalized) - (longest - limit)));
}

QString CollectionFiles::file() const
{
    return m_file;
}

QString CollectionFiles::pictureFolder() const
{
    return m_folder.pictureFolder(m_name);
}

QString CollectionFiles::lockFile() const
{
    return CollectionLock::besideFile(m_file);
}

QString CollectionFiles::companionIn(const QString &folder, const QString &suffix) const
{
    const QString exact = folder + QLatin1Char('/') + m_name + suffix;
    if (QFileInfo::exists(exact))
        return exact;
    for (const QString &entry :
         QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry.endsWith(suffix, Qt::CaseInsensitive) && isNamed(entry.chopped(suffix.size())))
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

QString CollectionFiles::wantList() const
{
    // A name from a damaged file may lead anywhere.
    if (!CollectionName::isValid(m_name))
        return {};
    return companionIn(m_folder.path({QStringLiteral("Verzameling"), WantListsFolder}), WantListExtension);
}

QString CollectionFiles::catalogueFile() const
{
    if (!CollectionName::isValid(m_name))
        return {};
    return companionIn(m_folder.path({QStringLiteral("Verzameling"), CataloguesFolder}), WantListExtension);
}

QString CollectionFiles::damagedCatalogueCopy(const QDateTime &moment) const
{
    const QString file = catalogueFile();
    if (file.isEmpty())
        return {};
    return QFileInfo(file).path() + QLatin1Char('/') + m_name + QLatin1Char(' ') +
           moment.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")) + DamagedExtension;
}

QString CollectionFiles::versionsFolder() const
{
    return companionIn(versionsRoot(m_folder), QString());
}

QStringList CollectionFiles::versionFolders() const
{
    const QString root = versionsRoot(m_folder);
    QStringList folders;
    for (const QString &entry : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (isNamed(entry))
            folders.append(root + QLatin1Char('/') + entry);
    }
    return folders;
}

QString CollectionFiles::keptPicturesFolder() const
{
    return versionsFolder() + QLatin1Char('/') + KeptPicturesFolder;
}

QString CollectionFiles::recoveryFile(qint64 program) const
{
    return recoveryFolder(m_folder) + QLatin1Char('/') + recoveryBaseName(m_name, program) + Extension;
}

QString CollectionFiles::versionsRoot(const ProgramFolder &folder)
{
    return folder.path({QStringLiteral("Verzameling"), VersionsFolder});
}

QString CollectionFiles::recoveryFolder(const ProgramFolder &folder)
{
    return folder.path({QStringLiteral("Verzameling"), RecoveryFolder});
}

QString CollectionFiles::wantListOfVersion(const QString &versionFile)
{
    return versionFile.chopped(Extension.size()) + VersionWantListExtension;
}

QString CollectionFiles::catalogueOfVersion(const QString &versionFile)
{
    return versionFile.chopped(Extension.size()) + VersionCatalogueExtension;
}

std::vector<CollectionFiles::KeptBeside> CollectionFiles::keptBesideVersion(const QString &versionFile) const
{
    return {{wantList(), wantListOfVersion(versionFile)}, {catalogueFile(), catalogueOfVersion(versionFile)}};
}

CollectionFiles::CatalogueRead CollectionFiles::readCatalogue(CatalogueEntries &entries) const
{
    CatalogueRead read;
    const QString file = catalogueFile();
    if (file.isEmpty()) {
        entries.clear();
        return read;
    }
    const CatalogueEntriesFile::ReadResult fileRead = CatalogueEntriesFile::read(file, entries);
    read.result = fileRead.result;
    read.damagedLines = fileRead.damagedLines;
    if (!fileRead.result || fileRead.damagedLines == 0)
        return read;
    // The damaged file stays as it was, beside the lines read written anew.
    read.keptAside = damagedCatalogueCopy(QDateTime::currentDateTime());
    if (!QFile::exists(read.keptAside) && !QFile::copy(file, read.keptAside)) {
        read.keptAside.clear();
        return read;
    }
    (void)writeCatalogue(entries);
    return read;
}

StorageResult CollectionFiles::writeCatalogue(const CatalogueEntries &entries) const
{
    const QString file = catalogueFile();
    if (file.isEmpty())
        return StorageResult::failure(StorageText::tr("Ongeldige naam voor een verzameling!"));
    CollectionLock lock(lockFile());
    if (const StorageResult locked = lock.acquire(); !locked)
        return StorageResult::failure(
            StorageText::tr("Verzameling kon niet worden vergrendeld: %1").arg(locked.reason));
    // The numbers written over are kept with a version of the collection, as a save keeps them.
    if (const StorageResult kept = CollectionVersions(m_folder).keep(m_name); !kept)
        return kept;
    return CatalogueEntriesFile::write(file, entries);
}

StorageResult CollectionFiles::readCatalogueOfVersion(const QString &versionFile,
                                                      CatalogueEntries &entries) const
{
    const QString kept = catalogueOfVersion(versionFile);
    if (FileExists(kept))
        return CatalogueEntriesFile::read(kept, entries).result;
    return readCatalogue(entries).result;
}

CollectionSave::Result CollectionFiles::save(RecordSpan records, const CollectionSave::Conditions &conditions,
                                             FileFingerprint *written, const CatalogueEntries *entries) const
{
    using Stop = CollectionSave::Stop;
    if (const StorageResult named = checkNewName(m_folder, m_name); !named)
        return {named, Stop::Failed};
    // One level only: the collection folder itself comes with the installation.
    const QString pictures = pictureFolder();
    // Another program saving the same new name may make the folder first.
    const bool created = !FolderExists(pictures) && QDir().mkdir(pictures);
    if (!created && !FolderExists(pictures))
        return {StorageResult::failure(
                    StorageText::tr("Map voor afbeeldingen kon niet worden aangemaakt: %1").arg(pictures)),
                Stop::Failed};
    const CollectionSave::Result saved = CollectionSave(*this).write(records, conditions, written, entries);
    // A collection that was not saved leaves no empty folder of its own behind.
    if (!saved && created)
        QDir().rmdir(pictures);
    return saved;
}

CollectionSave::Result CollectionFiles::saveFrom(const CollectionFiles &source, RecordSpan records,
                                                 const CollectionSave::Conditions &conditions,
                                                 FileFingerprint *written,
                                                 const CatalogueEntries *entries) const
{
    CollectionSave::Result saved = save(records, conditions, written, entries);
    // The want list is the collector's own work; the collection is saved
    // whether or not it can go along, and the reason is passed on.
    if (saved && !source.m_name.isEmpty() && !isNamed(source.m_name)) {
        if (const StorageResult taken = takeWantList(source.wantList()); !taken)
            saved.reason = StorageText::tr("Mancolijst niet meegenomen: %1").arg(taken.reason);
    }
    return saved;
}

CollectionSave::Result CollectionFiles::restore(const QString &versionFile, const QString &versionOf,
                                                RecordSpan records) const
{
    CollectionSave::Result saved = save(records);
    if (!saved)
        return saved;
    // The want list and the catalogue numbers kept with the version; without
    // them, restored under another name, those of the collection restored.
    const std::vector<KeptBeside> own = keptBesideVersion(versionFile);
    const std::vector<KeptBeside> restored =
        CollectionFiles(m_folder, versionOf).keptBesideVersion(versionFile);
    const QString notTaken[] = {StorageText::tr("Mancolijst niet teruggezet: %1"),
                                StorageText::tr("Catalogusnummers niet teruggezet: %1")};
    for (size_t index = 0; index < own.size(); ++index) {
        StorageResult taken = StorageResult::success();
        if (FileExists(own[index].kept))
            taken = copyCompanion(own[index].kept, own[index].current);
        else if (!isNamed(versionOf))
            taken = copyCompanion(restored[index].current, own[index].current);
        if (!taken)
            saved.reason = notTaken[index].arg(taken.reason);
    }
    return saved;
}

StorageResult CollectionFiles::takeWantList(const QString &sourceFile) const
{
    return copyCompanion(sourceFile, wantList());
}

StorageResult CollectionFiles::respell(const QString &spelling)
{
    const QString respelled = CollectionName::normalized(spelling);
    if (!CollectionName::isValid(respelled) || !CollectionName::sameCollection(respelled, m_name))
        return StorageResult::failure(StorageText::tr("Ongeldige naam voor een verzameling!"));
    CollectionLock lock(lockFile());
    if (const StorageResult locked = lock.acquire(); !locked)
        return StorageResult::failure(
            StorageText::tr("Verzameling kon niet worden vergrendeld: %1").arg(locked.reason));
    // The collection file last: until it moves, the old spelling is the name.
    const QString wants = wantList();
    const QString catalogue = catalogueFile();
    const std::vector<std::pair<QString, QString>> moves{
        {pictureFolder(), QFileInfo(pictureFolder()).path() + QLatin1Char('/') + respelled},
        {wants, QFileInfo(wants).path() + QLatin1Char('/') + respelled + WantListExtension},
        {catalogue, QFileInfo(catalogue).path() + QLatin1Char('/') + respelled + WantListExtension},
        {versionsFolder(), versionsRoot(m_folder) + QLatin1Char('/') + respelled},
        {m_file, QFileInfo(m_file).path() + QLatin1Char('/') + respelled + Extension},
    };
    std::vector<std::pair<QString, QString>> done;
    for (const auto &[from, to] : moves) {
        if (from == to || (!QFileInfo::exists(from) && !QFileInfo(from).isSymLink()))
            continue;
        if (!QDir().rename(from, to)) {
            for (auto back = done.rbegin(); back != done.rend(); ++back)
                QDir().rename(back->second, back->first);
            return StorageResult::failure(
                StorageText::tr("'%1' kon niet worden hernoemd").arg(QDir::toNativeSeparators(from)));
        }
        done.emplace_back(from, to);
    }
    m_name = respelled;
    m_file = moves.back().second;
    return StorageResult::success();
}

StorageResult CollectionFiles::remove() const
{
    const QFileInfo info(m_file);
    // Already gone (deleted elsewhere, through a synchronised folder): deleted.
    if (!info.exists() && !info.isSymLink())
        return StorageResult::success();
    // A listed file whose name the program would now refuse is kept under a
    // name it accepts, where "Vorige versies..." finds it.
    const bool valid = CollectionName::isValid(m_name);
    const StorageResult kept =
        CollectionVersions(m_folder).keepCopyOf(valid ? m_name : CollectionName::repaired(m_name), m_file);
    if (!kept)
        return kept;
    QFile file(m_file);
    if (!file.remove())
        return StorageResult::failure(FileErrorReason::of(file));
    // Kept with the version: the next collection of this name starts without them.
    if (valid) {
        for (const QString &companion : {wantList(), catalogueFile()}) {
            QFile besideFile(companion);
            if (besideFile.exists() && !besideFile.remove())
                return StorageResult::failure(FileErrorReason::of(besideFile));
        }
    }
    return StorageResult::success();
}

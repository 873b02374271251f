#include "DialogTestSupport.h"

#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "storage/formats/CollectionFile.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QTest>
#include <QTimer>

BoxAnswers::BoxAnswers(QList<MessageBox::Answer> answers)
    : m_answers(std::move(answers))
{
    MessageBox::setTestHook([this](const MessageBox::Request &request) {
        requests.append(request);
        return m_answers.size() > 1 ? m_answers.takeFirst() : m_answers.first();
    });
}

BoxAnswers::~BoxAnswers()
{
    MessageBox::setTestHook({});
}

StampRecord sampleRecord(int number)
{
    StampRecord record;
    for (int field = 0; field < StampRecord::FieldCount; ++field)
        record[field] = QStringLiteral("r%1 f%2").arg(number).arg(field);
    record[StampRecord::Year] = QString::number(1900 + number);
    return record;
}

std::vector<StampRecord> sampleRecords(int count)
{
    std::vector<StampRecord> records;
    for (int number = 1; number <= count; ++number)
        records.push_back(sampleRecord(number));
    return records;
}

void writeCollection(const TestFolder &folder, const QString &fileName, const QString &nameInFile,
                     const std::vector<StampRecord> &records)
{
    folder.write(QStringLiteral("Verzameling/") + fileName + QStringLiteral(".col"),
                 CollectionFile::serialize(nameInFile, records));
}

QByteArray writeOldData(const TestFolder &folder, const QString &name, int count)
{
    QStringList lines{QStringLiteral("kop 1"), QStringLiteral("kop 2"), QStringLiteral("kop 3")};
    for (int number = 1; number <= count; ++number) {
        lines << QString::number(number) << QString::number(1950 + number) << QStringLiteral("Categorie")
              << QStringLiteral("Onderwerp") << QStringLiteral("Soort") << QStringLiteral("Type")
              << QStringLiteral("10 cent") << QStringLiteral("Afbeelding") << QStringLiteral("Info")
              << QStringLiteral("True") << QStringLiteral("False") << QStringLiteral("False")
              << QStringLiteral("1,25") << QStringLiteral("0.80") << QStringLiteral("==========");
    }
    const QByteArray bytes = crlf(lines);
    folder.write(QStringLiteral("Verzameling/") + name + QStringLiteral(".cat"), bytes);
    return bytes;
}

QStringList treeOf(const TestFolder &folder)
{
    const QString root = folder.path(QString());
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next().mid(root.size()));
    entries.sort();
    return entries;
}

QStringList treeWithoutRecovery(const TestFolder &folder)
{
    QStringList tree = treeOf(folder);
    tree.removeIf(
        [](const QString &path) { return path.startsWith(QLatin1String("/Verzameling/.herstel")); });
    return tree;
}

std::unique_ptr<Main> startMain(const TestFolder &folder)
{
    auto window = std::make_unique<Main>(folder.folder());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("main window not exposed");
    return window;
}

void click(VistaButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

QAction *menuItem(Main &main, const char *name)
{
    return main.findChild<QAction *>(QLatin1String(name));
}

bool withModalDialog(QAction *action, const std::function<void(QWidget *)> &callback)
{
    // The timer belongs to this call: without a dialog it never fires later.
    QObject context;
    bool handled = false;
    QTimer::singleShot(0, &context, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        handled = true;
        callback(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    action->trigger();
    return handled;
}

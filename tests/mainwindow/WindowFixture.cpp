#include "WindowFixture.h"

#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "printing/dialog/PrinterChoice.h"
#include "resources/SortDirectionImage.h"
#include "storage/formats/CollectionFile.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include "widgets/RecordListView.h"
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

StampRecord makeRecord(const QStringList &fields)
{
    StampRecord record;
    for (int field = 0; field < StampRecord::FieldCount && field < fields.size(); ++field)
        record[field] = fields[field];
    return record;
}

void writeCollection(const TestFolder &folder, const QString &name, const std::vector<StampRecord> &records)
{
    folder.write(QStringLiteral("Verzameling/") + name + QStringLiteral(".col"),
                 CollectionFile::serialize(name, records));
}

void openCollection(Main &window, const QString &name)
{
    QVERIFY(window.collection().open(name));
    QCoreApplication::processEvents();
}

void writePicture(const TestFolder &folder, const QString &relative, const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "JPG", 100));
    folder.write(relative, bytes);
}

QImage twoColourPicture(QSize size, const QColor &left, const QColor &right)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), right);
    return picture;
}

void clickRow(Main &window, int row)
{
    RecordListView *list = control<RecordListView>(window, "ListView1");
    const QModelIndex index = window.collection().records().index(row, 0);
    list->scrollTo(index);
    const QRect cell = list->visualRect(index);
    QVERIFY2(list->viewport()->rect().contains(cell.center()), "row not visible");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

void clickHeader(Main &window, int index)
{
    QHeaderView *header = control<RecordListView>(window, "ListView1")->header();
    const int section = index - 1;
    // Scrolled into view as the user would, when it lies beyond the right edge.
    if (header->sectionViewportPosition(section) + header->sectionSize(section) > header->viewport()->width())
        control<RecordListView>(window, "ListView1")
            ->horizontalScrollBar()
            ->setValue(header->sectionPosition(section));
    const QPoint middle(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
    QVERIFY2(header->viewport()->rect().contains(middle), "header section not visible");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

void choosePdfFileWhenAsked()
{
    QTimer::singleShot(0, [] {
        auto *choice = qobject_cast<PrinterChoice *>(QApplication::activeModalWidget());
        QVERIFY(choice);
        auto *printers = control<QComboBox>(*choice, "Combo1");
        printers->setCurrentIndex(printers->count() - 1);
        clickButton(control<VistaButton>(*choice, "PrintKnop"));
    });
}

void clickButton(VistaButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QStringList columnTexts(const Main &window, int column)
{
    QStringList texts;
    for (int row = 0; row < window.collection().records().count(); ++row)
        texts.append(window.collection().records().cell(row, column));
    return texts;
}

bool nearColour(const QColor &actual, const QColor &expected)
{
    constexpr int Tolerance = 12;
    return qAbs(actual.red() - expected.red()) <= Tolerance &&
           qAbs(actual.green() - expected.green()) <= Tolerance &&
           qAbs(actual.blue() - expected.blue()) <= Tolerance;
}

BoxRecorder::BoxRecorder(MessageBox::Answer answer)
{
    MessageBox::setTestHook([this, answer](const MessageBox::Request &request) {
        requests.append(request);
        return answer;
    });
}

BoxRecorder::~BoxRecorder()
{
    MessageBox::setTestHook({});
}

QString headerPicture(const Main &window, int column)
{
    const RecordListView *list = control<RecordListView>(window, "ListView1");
    const QVariant decoration = list->model()->headerData(column, Qt::Horizontal, Qt::DecorationRole);
    if (decoration.isNull())
        return {};
    const QImage shown = decoration.value<QPixmap>().toImage();
    for (const auto direction : {SortDirectionImage::Direction::Up, SortDirectionImage::Direction::Down}) {
        const QImage picture = SortDirectionImage::render(direction, list->devicePixelRatioF());
        if (shown.convertToFormat(picture.format()) == picture)
            return SortDirectionImage::key(direction);
    }
    return QStringLiteral("?");
}

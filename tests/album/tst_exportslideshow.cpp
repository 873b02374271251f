#include "AlbumPageBytes.h"
#include "album/ExportSlideshow.h"
#include "common/TestFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

// Takes the place of the web browser: notes what it was asked to open and
// what the pointer and the page were at that moment.
class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    struct Opening {
        QUrl url;
        bool busyPointer = false;
        QByteArray page;
    };
    QList<Opening> openings;

public slots:
    void open(const QUrl &url)
    {
        QFile page(url.toLocalFile());
        openings.append({url, QApplication::overrideCursor() != nullptr,
                         page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray()});
    }
};

class ExportSlideshowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void writesThePageUnderTheBusyPointerThenOpensIt();

private:
    BrowserStandIn m_browser;
};

void ExportSlideshowTest::initTestCase()
{
    QDesktopServices::setUrlHandler("file", &m_browser, "open");
}

void ExportSlideshowTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("file");
}

void ExportSlideshowTest::writesThePageUnderTheBusyPointerThenOpensIt()
{
    TestFolder home;
    home.write("Verzameling/Nederland/1990/12.jpg", "twelve");
    home.write("Slideshow.htm", "an old page");
    QWidget window;

    // Runs during the short wait after the old page is removed.
    bool oldPageGoneWhileBusy = false;
    QTimer::singleShot(0, this, [&] {
        oldPageGoneWhileBusy = !home.exists("Slideshow.htm") && QApplication::overrideCursor() &&
                               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    ExportSlideshow(home.folder(), "Nederland", 3, &window);

    QVERIFY(oldPageGoneWhileBusy);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(m_browser.openings.size(), 1);
    const BrowserStandIn::Opening album = m_browser.openings.at(0);
    QCOMPARE(QFileInfo(album.url.toLocalFile()).canonicalFilePath(),
             QFileInfo(home.path("Slideshow.htm")).canonicalFilePath());
    QVERIFY(!album.busyPointer);
    QCOMPARE(album.page, AlbumPageBytes::Header +
                             "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
                             "<SPAN class=tekst>12</SPAN><br>"
                             "<img src=\"Verzameling\\Nederland\\1990\\12.jpg\"><P> \r\n" +
                             AlbumPageBytes::Footer);

    // With the list emptied the next export asks for a collection instead,
    // and the page is still shown.
    ExportSlideshow(home.folder(), "Nederland", 0, &window);
    QCOMPARE(m_browser.openings.size(), 2);
    QCOMPARE(m_browser.openings.at(1).page,
             AlbumPageBytes::Header + AlbumPageBytes::NoCollection + AlbumPageBytes::Footer);
    QCOMPARE(home.read("Slideshow.htm"), m_browser.openings.at(1).page);
}

QTEST_MAIN(ExportSlideshowTest)
#include "tst_exportslideshow.moc"

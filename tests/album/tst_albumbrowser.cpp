#include "album/SlideshowPage.h"
#include "common/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// Loads the album in a frame and, once everything has loaded, lists what the
// browser made of it: the page title and the natural width of every picture
// in page order. The album file itself is loaded as it is.
QByteArray wrapperPage(const QUrl &album)
{
    return "<html><body>\n"
           "<iframe id=\"album\" src=\"" +
           album.toEncoded() +
           "\"></iframe>\n"
           "<pre id=\"result\"></pre>\n"
           "<script>\n"
           "window.addEventListener('load', function () {\n"
           "  var result = document.getElementById('result');\n"
           "  try {\n"
           "    var page = document.getElementById('album').contentDocument;\n"
           "    var widths = [];\n"
           "    for (var i = 0; i < page.images.length; ++i) widths.push(page.images[i].naturalWidth);\n"
           "    result.textContent = 'title=' + page.title + ';widths=' + widths.join(',');\n"
           "  } catch (e) {\n"
           "    result.textContent = 'error=' + e;\n"
           "  }\n"
           "});\n"
           "</script>\n"
           "</body></html>\n";
}

} // namespace

class AlbumBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureOfTheAlbumLoadsInTheBrowser();
};

void AlbumBrowserTest::everyPictureOfTheAlbumLoadsInTheBrowser()
{
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty())
        QSKIP("chromium is not installed (make test installs it); the album is not checked in a browser");

    // Each picture gets its own width, so a loaded picture also shows that the
    // link found the right file.
    TestFolder home;
    // Names with a space, link characters, markup, a letter of the page's
    // code page and letters beyond it.
    const QList<QPair<QString, int>> pictures = {{"1990/12.jpg", 41},
                                                 {"1990/7 b.jpg", 42},
                                                 {"1990/8#c.jpg", 43},
                                                 {"1990/9%d.jpg", 44},
                                                 {"1990/R&D.jpg", 45},
                                                 {"1991/1.jpg", 46},
                                                 {QString::fromUtf8("1991/\u00e9t\u00e9.jpg"), 47},
                                                 {QString::fromUtf8("1991/\u0141\u00f3d\u017a.jpg"), 48}};
    for (const auto &[name, width] : pictures) {
        QImage picture(width, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(QDir().mkpath(QFileInfo(home.path("Verzameling/Nederland/" + name)).path()));
        QVERIFY(picture.save(home.path("Verzameling/Nederland/" + name), "JPG"));
    }
    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", true));
    const QByteArray album = home.read("Slideshow.htm");

    QTemporaryDir wrapperFolder;
    QTemporaryDir profile;
    QFile wrapper(wrapperFolder.filePath("album.html"));
    QVERIFY(wrapper.open(QIODevice::WriteOnly));
    wrapper.write(wrapperPage(QUrl::fromLocalFile(home.path("Slideshow.htm"))));
    wrapper.close();

    QProcess browser;
    browser.setProgram(chromium);
    browser.setArguments({"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                          "--disable-background-networking", "--disable-component-update", "--disable-sync",
                          "--user-data-dir=" + profile.path(), "--allow-file-access-from-files",
                          "--virtual-time-budget=5000", "--dump-dom",
                          QUrl::fromLocalFile(wrapper.fileName()).toString()});
    browser.start();
    QVERIFY2(browser.waitForStarted(), qPrintable(browser.errorString()));
    if (!browser.waitForFinished(120000)) {
        browser.kill();
        browser.waitForFinished();
        QFAIL("chromium did not finish");
    }
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QRegularExpressionMatch result = QRegularExpression("<pre id=\"result\">([^<]*)</pre>").match(dom);
    QVERIFY2(result.hasMatch(), qPrintable(dom + browser.readAllStandardError().right(2000)));
    QCOMPARE(result.captured(1), QString("title=Slide Show;widths=41,42,43,44,45,46,47,48"));
    QCOMPARE(home.read("Slideshow.htm"), album);
}

QTEST_MAIN(AlbumBrowserTest)
#include "tst_albumbrowser.moc"

#include "AlbumPageBytes.h"
#include "album/PictureTree.h"
#include "album/SlideshowPage.h"
#include "common/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using AlbumPageBytes::Footer;
using AlbumPageBytes::Header;
using AlbumPageBytes::NoCollection;

class SlideshowPageTest : public QObject {
    Q_OBJECT

private slots:
    void exampleCollectionComesOutByteForByte();
    void collectionWithoutPicturesGivesHeaderAndClosingLines();
    void noRecordsGivesTheMessagePage();
    void everyFileIsListedWhateverItsType();
    void exportingAgainReplacesThePage();
    void namesThatWouldBreakTheMarkupOrTheLinkAreEscaped();
    void hiddenAndSystemEntriesAreLeftOut();
    void namesAreOrderedIgnoringCaseAndLinkedAsOnDisk();
    void folderNotNamedByAYearShowsUnderItsOwnName();
};

void SlideshowPageTest::exampleCollectionComesOutByteForByte()
{
    TestFolder home;
    home.write("Verzameling/Nederland/1990/7.jpg", "seven");
    home.write("Verzameling/Nederland/1990/12.jpg", "twelve");
    QVERIFY(QDir().mkpath(home.path("Verzameling/Nederland/1991")));

    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", true));

    QCOMPARE(home.read("Slideshow.htm"),
             Header +
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
                 "<SPAN class=tekst>12</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\12.jpg\"><P> \r\n"
                 "<SPAN class=tekst>7</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\7.jpg\"><P> \r\n"
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1991</SPAN><P>\r\n" +
                 Footer);
}

void SlideshowPageTest::collectionWithoutPicturesGivesHeaderAndClosingLines()
{
    TestFolder home;
    QVERIFY(QDir().mkpath(home.path("Verzameling/Leeg")));
    home.write("Verzameling/Ander/1990/1.jpg", "other collection");

    // An empty picture folder, a folder not made yet, no name at all (which
    // must not list the other collections' folders as years), and a name that
    // points outside the collection folder.
    for (const QString &name : {QString("Leeg"), QString("Nieuw"), QString(), QString("..")}) {
        QVERIFY(SlideshowPage::write(home.folder(), name, true));
        QCOMPARE(home.read("Slideshow.htm"), Header + Footer);
    }
}

void SlideshowPageTest::noRecordsGivesTheMessagePage()
{
    TestFolder home;
    home.write("Verzameling/Nederland/1990/12.jpg", "twelve");

    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", false));
    QCOMPARE(home.read("Slideshow.htm"), Header + NoCollection + Footer);
    QVERIFY(SlideshowPage::write(home.folder(), QString(), false));
    QCOMPARE(home.read("Slideshow.htm"), Header + NoCollection + Footer);
}

void SlideshowPageTest::everyFileIsListedWhateverItsType()
{
    TestFolder home;
    home.write("Verzameling/Nederland/1990/12a.gif", "gif");
    home.write("Verzameling/Nederland/1990/13.png", "png");
    home.write("Verzameling/Nederland/1990/xyz", "no extension");

    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", true));

    QCOMPARE(home.read("Slideshow.htm"),
             Header +
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
                 "<SPAN class=tekst>12a</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\12a.gif\"><P> \r\n"
                 "<SPAN class=tekst>13</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\13.png\"><P> \r\n"
                 "<SPAN class=tekst></SPAN><br><img src=\"Verzameling\\Nederland\\1990\\xyz\"><P> \r\n" +
                 Footer);
}

void SlideshowPageTest::exportingAgainReplacesThePage()
{
    TestFolder home;
    home.write("Verzameling/Nederland/1990/12.jpg", "twelve");
    home.write("Verzameling/Nederland/1990/7.jpg", "seven");
    home.write("Verzameling/Belgie/2001/3.jpg", "three");

    QVERIFY(SlideshowPage::exportPage(home.folder(), "Nederland", true));
    const QByteArray first = home.read("Slideshow.htm");
    QVERIFY(first.contains("Nederland\\1990\\7.jpg"));

    QVERIFY(SlideshowPage::exportPage(home.folder(), "Belgie", true));
    QCOMPARE(home.read("Slideshow.htm"),
             Header +
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>2001</SPAN><P>\r\n"
                 "<SPAN class=tekst>3</SPAN><br><img src=\"Verzameling\\Belgie\\2001\\3.jpg\"><P> \r\n" +
                 Footer);

    // The page is replaced whole, never patched: nothing of a longer old page
    // survives, and no temporary file is left beside it.
    home.write("Slideshow.htm", first + first);
    QVERIFY(SlideshowPage::exportPage(home.folder(), "Nederland", false));
    QCOMPARE(home.read("Slideshow.htm"), Header + NoCollection + Footer);
    QCOMPARE(QDir(home.path(".")).entryList(QDir::Files | QDir::Hidden), QStringList{"Slideshow.htm"});
}

void SlideshowPageTest::namesThatWouldBreakTheMarkupOrTheLinkAreEscaped()
{
    TestFolder home;
    const QString year = "Verzameling/Zegels & Co/1990/";
    for (const QString &name :
         {QString("12 a.jpg"), QString("R&D.jpg"), QString("7#b.jpg"), QString("50%.jpg"),
          QString("wat?.jpg"), QString("<b>\"x\".jpg"), QString("a\\b.jpg"),
          QString::fromUtf8("\xc5\x81\xc3\xb3"
                            "d\xc5\xba.jpg"),
          QString::fromLatin1("\xe9t\xe9.jpg"), QString("regel\neinde.jpg")})
        home.write(year + name, "picture");

    QVERIFY(SlideshowPage::write(home.folder(), "Zegels & Co", true));

    // "été" fits the page's code page and is written as it is; of the Polish
    // "Łódź" only "ó" fits, the rest is referenced; a line break in a name
    // cannot break the page's lines.
    const auto picture = [](const QByteArray &caption, const QByteArray &fileName) {
        return "<SPAN class=tekst>" + caption + "</SPAN><br><img src=\"Verzameling\\Zegels &amp; Co\\1990\\" +
               fileName + "\"><P> \r\n";
    };
    QCOMPARE(home.read("Slideshow.htm"),
             Header + "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n" +
                 picture("12 a", "12 a.jpg") + picture("50%", "50%25.jpg") + picture("7#b", "7%23b.jpg") +
                 picture("&lt;b&gt;&quot;x&quot;", "&lt;b&gt;&quot;x&quot;.jpg") +
                 picture("a\\b", "a%5Cb.jpg") + picture("R&amp;D", "R&amp;D.jpg") +
                 picture("regel&#10;einde", "regel%0Aeinde.jpg") + picture("wat?", "wat%3F.jpg") +
                 picture("\xe9t\xe9", "\xe9t\xe9.jpg") +
                 picture("&#321;\xf3"
                         "d&#378;",
                         "%C5%81\xf3"
                         "d%C5%BA.jpg") +
                 Footer);
}

void SlideshowPageTest::hiddenAndSystemEntriesAreLeftOut()
{
    TestFolder home;
    const QString year = home.path("Verzameling/Nederland/1990/");
    home.write("Verzameling/Nederland/1990/12.jpg", "twelve");
    home.write("Verzameling/Nederland/1990/.12.jpg", "hidden");
    home.write("Verzameling/Nederland/1990/Thumbs.db", "Windows thumbnails");
    home.write("Verzameling/Nederland/1990/DESKTOP.INI", "Windows folder settings");
    home.write("Verzameling/Nederland/.thumbnails/1.png", "hidden folder");
    QVERIFY(QFile::link(year + "12.jpg", year + "13.jpg"));
    QVERIFY(QFile::link(year + "gone.jpg", year + "14.jpg"));
    QCOMPARE(::mkfifo(QFile::encodeName(year + "15.jpg").constData(), 0600), 0);

    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", true));

    QCOMPARE(home.read("Slideshow.htm"),
             Header +
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
                 "<SPAN class=tekst>12</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\12.jpg\"><P> \r\n"
                 "<SPAN class=tekst>13</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\13.jpg\"><P> \r\n" +
                 Footer);

    // A name line beginning with a dot, refused for a new collection, still
    // names the folder its pictures are in, as the window looks for them.
    home.write("Verzameling/.Oud/1950/1.jpg", "one");
    QVERIFY(SlideshowPage::write(home.folder(), ".Oud", true));
    QCOMPARE(home.read("Slideshow.htm"),
             Header +
                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1950</SPAN><P>\r\n"
                 "<SPAN class=tekst>1</SPAN><br><img src=\"Verzameling\\.Oud\\1950\\1.jpg\"><P> \r\n" +
                 Footer);
}

void SlideshowPageTest::namesAreOrderedIgnoringCaseAndLinkedAsOnDisk()
{
    QTemporaryDir dir;
    const ProgramFolder home(dir.path());
    for (const char *name : {"b.jpg", "C.jpg", "a2.jpg", "A.jpg", "a.jpg"}) {
        QFile file(dir.filePath(QString("verzameling/nederland/1990/") + name));
        QVERIFY(QDir().mkpath(dir.filePath("verzameling/nederland/1990")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkpath(dir.filePath("verzameling/nederland/1989")));

    QVERIFY(SlideshowPage::write(home, "Nederland", true));

    QFile page(dir.filePath("Slideshow.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray pictures = "<img src=\"verzameling\\nederland\\1990\\";
    QCOMPARE(page.readAll(), Header +
                                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1989</SPAN><P>\r\n"
                                 "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
                                 "<SPAN class=tekst>A</SPAN><br>" +
                                 pictures + "A.jpg\"><P> \r\n" + "<SPAN class=tekst>a</SPAN><br>" + pictures +
                                 "a.jpg\"><P> \r\n" + "<SPAN class=tekst>a2</SPAN><br>" + pictures +
                                 "a2.jpg\"><P> \r\n" + "<SPAN class=tekst>b</SPAN><br>" + pictures +
                                 "b.jpg\"><P> \r\n" + "<SPAN class=tekst>C</SPAN><br>" + pictures +
                                 "C.jpg\"><P> \r\n" + Footer);
}

void SlideshowPageTest::folderNotNamedByAYearShowsUnderItsOwnName()
{
    TestFolder home;
    home.write("Verzameling/Nederland/Diversen/1.jpg", "one");
    home.write("Verzameling/Nederland/90/2.jpg", "two");

    QVERIFY(SlideshowPage::write(home.folder(), "Nederland", true));

    QCOMPARE(
        home.read("Slideshow.htm"),
        Header +
            "<hr color=\"#BBBBFF\"><SPAN class=jaar>90</SPAN><P>\r\n"
            "<SPAN class=tekst>2</SPAN><br><img src=\"Verzameling\\Nederland\\90\\2.jpg\"><P> \r\n"
            "<hr color=\"#BBBBFF\"><SPAN class=jaar>Diversen</SPAN><P>\r\n"
            "<SPAN class=tekst>1</SPAN><br><img src=\"Verzameling\\Nederland\\Diversen\\1.jpg\"><P> \r\n" +
            Footer);
}

QTEST_GUILESS_MAIN(SlideshowPageTest)
#include "tst_slideshowpage.moc"

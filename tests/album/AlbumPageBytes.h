#pragma once

#include <QByteArray>

// The album page as it must come out, byte for byte, written out by hand.
namespace AlbumPageBytes {

inline const QByteArray Header =
    "<html>\r\n"
    "<head>\r\n"
    "<title>Slide Show</title>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
    "<meta name=\"generator\" content=\"Tessaron2 Zegelarchief\">\r\n"
    "<meta http-equiv=\"imagetoolbar\" content=\"no\">\r\n"
    "<STYLE>\r\n"
    "<!--\r\n"
    "SPAN.jaar {color:#00FF00;font-size:24px;font-weight:bold;font-family: \"arial\",\"helvetica\";}\r\n"
    "SPAN.tekst {color:#BBBBFF;font-size:14px;font-weight:bold;font-family: \"arial\",\"helvetica\";}\r\n"
    "//-->\r\n"
    "</STYLE>\r\n"
    "</head>\r\n"
    "<body bgcolor=\"#000000\" text=\"#BBBBFF\" topmargin=\"20\" leftmargin=\"20\">\r\n"
    "<SPAN class=tekst>\r\n"
    "Gebruik het scrollwiel van de muis en de zoekopdracht van de browser om te navigeren door dit album.\r\n"
    "<P></SPAN>\r\n";

inline const QByteArray Footer = "</body>\r\n</html>\r\n";

inline const QByteArray NoCollection =
    "<P><br><P><br><P><center>Eerst een verzameling met zegels laden!</center><br>\r\n";

} // namespace AlbumPageBytes

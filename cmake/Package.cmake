# make package: a Debian package of what the install rules install, below /usr.
# Its dependencies come from the libraries the programs link (dpkg-shlibdeps).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaron2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${T2_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep a private stamp collection")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaron2 keeps a private stamp collection in named collections of stamp
records with pictures: it sorts and totals them, edits the word lists,
exports an album web page, exchanges collections with spreadsheets and
prints lists and sheets. The program speaks Dutch. Its data lives in plain
text files in ~/Tessaron2, filled with a demo collection on first start.
.
tessaron2-cli works on the same collections from the command line.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${T2_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${T2_WEB_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: Qt's own texts in Dutch, and the fonts whose widths the
# printed layouts assume.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
# The image-format plugins open TIFF and WebP scans when pictures are filed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, xdg-utils, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "printer-driver-cups-pdf")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

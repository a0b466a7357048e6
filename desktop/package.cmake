# SPDX-License-Identifier: GPL-3.0-or-later

# `make package`: a Debian package of the same files, under /usr, with the program in
# /usr/games. It packs every component that a plain installation installs except the
# program in bin/ ("programa"), and adds the one in games/ ("paquete").
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelbo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified paquete)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game with the Spanish deck against the computer")
# Each line of the long description stays within 80 columns in the package's control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Zelbo is a card game for one player against the computer, played with the\n\
40-card Spanish deck. On each turn a card of the hand takes the cards of its\n\
suit from the table, or the other player's pile when its top card is of that\n\
suit; or it is laid on the table, or put on the player's own pile. Whoever\n\
holds more cards wins the hand, and whoever first wins three hands wins the\n\
game.\n\
.\n\
It offers a hint, undo and redo, the history of the game, statistics per\n\
player and level, two levels and four speeds for the computer, animations,\n\
play by keyboard alone, screen reader support, the game in progress kept\n\
between sessions and numbered games. Its texts are in Spanish and English.")
set(CPACK_PACKAGE_CONTACT "Zelbo <zelbo@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps. What Qt loads at run time as
# plugins is invisible to it and named here: the X11/Wayland platform plugins (only
# recommended by Qt's GUI library, yet without them no window opens), the SQLite
# driver that reads the card set and the SVG icon engine that draws the toolbar.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6svg6")
# Qt's own dialog buttons in Spanish (and in English for an English desktop).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Packs with DESTDIR, so that the prefix seen by the install code (the desktop entry's
# Exec line) is /usr and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
include(CPack)

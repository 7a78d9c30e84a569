# The Debian package, built by `make deb` (CPack's DEB generator):
# kelvara_<version>-1_<arch>.deb with its dependencies read from the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Kelvara developers <dev@kelvara.de>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kelvara.de)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland desktops and the toolkit's German menus; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "histogram of the sum of two dice")
# CPack puts the summary first and turns the blank line into Debian's " .".
set(CPACK_PACKAGE_DESCRIPTION "Kelvara rolls two dice as often as asked and draws how often each sum from
2 to 12 came up, as eleven bars with the count above each. Made for
teaching probability in class; its window is in German.

Kelvara würfelt mit zwei Würfeln so oft wie gewünscht und zeigt als
Histogramm aus elf Balken, wie oft jede Augensumme von 2 bis 12 fiel.")

include(GNUInstallDirs)
# What Debian asks of every package: its copyright and a compressed changelog.
set(changelog ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${PROJECT_SOURCE_DIR}/data/debian/changelog ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog VERBATIM)
add_custom_target(kelvara_changelog ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvara)
include(CPack)

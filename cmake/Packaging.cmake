# A Debian package of the installed files: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvanel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TORVANEL")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calcolatore della legge di Ohm")
set(CPACK_PACKAGE_DESCRIPTION "Una finestra con tre righe: tensione V, resistenza R e corrente I.
Si sceglie la grandezza da calcolare, si scrivono le due note
e si preme CALCOLO.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY torvanel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TORVANEL maintainers <maintainers@torvanel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in the user's language (the libraries' dependencies come from dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The look-alikes of the window's fonts and a plain sans-serif, so that the window looks
# the same everywhere; the platform plugin for Wayland desktops.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue, fonts-liberation, fonts-dejavu-core, qt6-wayland")
include(CPack)

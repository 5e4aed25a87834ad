# `cpack -G DEB` in the build folder: a Debian package whose dependencies are
# what the program needs at run time. dpkg-shlibdeps finds the libraries the
# executable links; the rest are plugins, drivers and data it loads by name.
# Its maintainer scripts (cmake/deb) register FreeTDS's ODBC driver under the
# name the SQL Server connection strings use, where none has that name.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pantoro)
set(CPACK_PACKAGE_VENDOR "Pantoro")
set(CPACK_PACKAGE_CONTACT "Pantoro <pantoro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sales-order reports for a produce distributor")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6sql6-ibase, libqt6sql6-odbc, tdsodbc, odbcinst, libqt6webenginecore6-bin, qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra, fontconfig")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_LIST_DIR}/deb/postinst;${CMAKE_CURRENT_LIST_DIR}/deb/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

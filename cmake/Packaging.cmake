# `cpack -G DEB` in the build folder makes pivora_<version>_<arch>.deb: the
# window, pivora-solve and pivora-bench, the plot module pivora-solve loads
# for --plot (in the library folder pivora/, found relative to the program),
# the desktop entry, the icon, the AppStream metadata and the manual pages.
# The shared-library dependencies (Qt SVG through the plot module among them)
# come from dpkg-shlibdeps; the Qt platform plugins, Qt's German translations
# of its dialogs and the fonts the window draws with are named here, since no
# binary links them.
include(GNUInstallDirs)
# The manual pages carry the version of project(): written into the build
# folder from docs/man/*.1.in.
foreach(page pivora pivora-solve pivora-bench)
  configure_file(docs/man/${page}.1.in docs/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/docs/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pivora)
set(CPACK_PACKAGE_VENDOR "Pivora developers")
set(CPACK_PACKAGE_CONTACT "Pivora developers <pivora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "linear programmes solved by the simplex method")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Pivora solves linear programmes of up to 50 variables and 50 constraints\n\
by the exchange-method simplex in 80-bit extended arithmetic and writes a\n\
German plain-text report. Every answer is checked exactly against the\n\
numbers as typed. pivora-solve and pivora-bench work without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
include(CPack)

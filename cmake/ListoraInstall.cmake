# What `cmake --install` puts under the prefix, and the Debian package that
# `cpack -G DEB` builds from the same rules: the program and ltbtool, the
# desktop entry, the MIME type of ".ltb" files, the icon and the help page
# (which the program finds at ../share/listora from its bin folder).
include(GNUInstallDirs)

set(_data ${PROJECT_SOURCE_DIR}/data)
if(TARGET listora)
  install(TARGETS listora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_data}/listora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_data}/listora.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${_data}/listora.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${_data}/listora-help.html DESTINATION ${CMAKE_INSTALL_DATADIR}/listora)
endif()
install(TARGETS ltbtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME listora)
set(CPACK_PACKAGE_VERSION 1.21)
set(CPACK_PACKAGE_CONTACT "Listora developers <listora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keeps a table of items with memos and images")
set(CPACK_PACKAGE_DESCRIPTION
    "Listora keeps a table of items (text columns, a memo and an image per item) in its own .ltb documents, optionally enciphered. Includes ltbtool for the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries' packages are found from the linked executables.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, xdg-utils, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)

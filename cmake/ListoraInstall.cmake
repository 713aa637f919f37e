# What `cmake --install` puts under the prefix, and the Debian package that
# `cpack -G DEB` builds from the same rules: the program and ltbtool with
# their manual pages, the desktop entry, the MIME type of ".ltb" files, the
# icon, the help page (which the program finds at ../share/listora from its
# bin folder), the AppStream metadata, and the copyright and changelog.
include(GNUInstallDirs)

# Where the program's web page and the screenshot software centres show are
# published, and who answers for the package.
set(LISTORA_WEB_SERVER "https://www.example.jp" CACHE STRING "Server of the program's web page")
set(LISTORA_MAINTAINER "Listora maintainers <listora@example.jp>" CACHE STRING
    "Maintainer of the package, name and mail address")
set(LISTORA_APPSTREAM_ID jp.example.listora)

# The changelog's newest entry is the release being built: it must name the
# project's version, and its date dates the release in the AppStream data.
set(_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
file(STRINGS ${_changelog} _top LIMIT_COUNT 1)
if(NOT _top MATCHES "^listora \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
file(STRINGS ${_changelog} _trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT _trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry has no date")
endif()
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _months ${CMAKE_MATCH_2} _month)
math(EXPR _month "${_month} + 1")
string(LENGTH "${_month}" _digits)
if(_digits EQUAL 1)
  set(_month 0${_month})
endif()
set(_day ${CMAKE_MATCH_1})
string(LENGTH "${_day}" _digits)
if(_digits EQUAL 1)
  set(_day 0${_day})
endif()
set(LISTORA_RELEASE_DATE ${CMAKE_MATCH_3}-${_month}-${_day})

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_packaging ${CMAKE_BINARY_DIR}/packaging)
set(_metainfo ${_packaging}/${LISTORA_APPSTREAM_ID}.metainfo.xml)
configure_file(${_data}/listora.metainfo.xml.in ${_metainfo} @ONLY)

# The manual pages, in English and in Japanese, with the version and the
# release date put in, and the changelog, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(_generated ${_packaging}/changelog.gz)
foreach(_page ltbtool ja/ltbtool listora ja/listora)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${_page}.1 ${_packaging}/${_page}.1 @ONLY)
  add_custom_command(OUTPUT ${_packaging}/${_page}.1.gz
    COMMAND ${GZIP_PROGRAM} -9n -c ${_packaging}/${_page}.1 > ${_packaging}/${_page}.1.gz
    DEPENDS ${_packaging}/${_page}.1)
  list(APPEND _generated ${_packaging}/${_page}.1.gz)
endforeach()
add_custom_command(OUTPUT ${_packaging}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9n -c ${_changelog} > ${_packaging}/changelog.gz
  DEPENDS ${_changelog})
add_custom_target(packaging_files ALL DEPENDS ${_generated})

if(TARGET listora)
  install(TARGETS listora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_packaging}/listora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${_packaging}/ja/listora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
  install(FILES ${_data}/listora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_data}/listora.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${_data}/listora.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${_data}/listora-help.html ${_data}/listora-help-en.html
          DESTINATION ${CMAKE_INSTALL_DATADIR}/listora)
  install(FILES ${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(TARGETS ltbtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_packaging}/ltbtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_packaging}/ja/ltbtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${_packaging}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/listora)
# Installed straight onto a system (no DESTDIR, which staging and the
# package use; the package's triggers refresh the caches), the desktop's
# caches learn the new type and entry at once.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    foreach(_refresh \"update-mime-database;mime\" \"update-desktop-database;applications\")
      list(GET _refresh 0 _tool)
      list(GET _refresh 1 _dir)
      find_program(_found \${_tool} NO_CACHE)
      if(_found AND EXISTS \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/\${_dir}\")
        message(STATUS \"Refreshing: \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/\${_dir}\")
        execute_process(COMMAND \${_found} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/\${_dir}\")
      endif()
      unset(_found)
    endforeach()
  endif()")

set(CPACK_PACKAGE_NAME listora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${LISTORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LISTORA_WEB_SERVER}/listora.html)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "table of items with memos and pictures")
set(CPACK_PACKAGE_DESCRIPTION
    "Listora keeps a table of items: one to ten text columns, a memo and a
picture for each item, stored in documents of its own (.ltb) that may be
enciphered under a password. The window shows the table at once as a
sortable list, a grouping tree, the memo and the picture; items are added
one by one or one for each file of a folder, found, replaced, checked for
duplicates, printed and exported as text, HTML or CSV. The user interface
is Japanese.

The package also holds ltbtool, which reads, converts and exports the
documents on the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries' packages are found from the linked executables.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libfile-mimeinfo-perl lets xdg-open tell a document's type without a desktop
# environment; the Noto fonts show the Korean and emoji text a table may hold.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, fonts-noto-cjk, fonts-noto-color-emoji, xdg-utils, desktop-file-utils, libfile-mimeinfo-perl")
set(CPACK_STRIP_FILES ON)
# Staged through DESTDIR, so the install step above leaves the caches alone;
# and with the modes Debian wants whatever the builder's umask.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

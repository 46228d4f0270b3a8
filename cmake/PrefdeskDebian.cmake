# cpack -G DEB in a configured build folder: prefdesk (the programs, their manual page and
# completion), one runtime package a shared library (libprefdesk1, libprefdesk-postgresql1,
# libprefdesk-qt1, named after their sonames as Debian's library policy asks, so that a later
# soname can be installed beside them) with the data the libraries build databases from, and
# libprefdesk-dev (headers, .so links, pkg-config files, the CMake package). Depends come from
# dpkg-shlibdeps; the packages' changelog is made from NEWS.md.
set(_packages programs lib dev)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME prefdesk)
set(CPACK_DEBIAN_LIB_PACKAGE_NAME libprefdesk${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libprefdesk-dev)
set(CPACK_COMPONENT_PROGRAMS_DEPENDS lib)
set(CPACK_COMPONENT_DEV_DEPENDS lib)
if(TARGET prefdesk_postgresql)
  list(APPEND _packages lib_postgresql)
  set(CPACK_DEBIAN_LIB_POSTGRESQL_PACKAGE_NAME libprefdesk-postgresql${PROJECT_VERSION_MAJOR})
  list(APPEND CPACK_COMPONENT_PROGRAMS_DEPENDS lib_postgresql)
  list(APPEND CPACK_COMPONENT_DEV_DEPENDS lib_postgresql)
  set(CPACK_COMPONENT_LIB_POSTGRESQL_DEPENDS lib)
endif()
if(TARGET prefdesk_qt)
  list(APPEND _packages lib_qt)
  set(CPACK_DEBIAN_LIB_QT_PACKAGE_NAME libprefdesk-qt${PROJECT_VERSION_MAJOR})
  list(APPEND CPACK_COMPONENT_PROGRAMS_DEPENDS lib_qt)
  list(APPEND CPACK_COMPONENT_DEV_DEPENDS lib_qt)
  set(CPACK_COMPONENT_LIB_QT_DEPENDS lib)
  # The Qt headers a host needs to include the Qt front end's.
  set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS qt6-base-dev)
endif()

# Each package's /usr/share/doc: the licence as copyright, the release notes as changelog.gz
# (Debian's changelog format, gzipped without a time stamp).
set(CPACK_PACKAGE_CONTACT "Prefdesk developers <prefdesk@example.org>")
# One list item a line: the characters that CMake lists treat specially stand in for
# themselves until the text is written.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/NEWS.md _news)
string(REPLACE ";" "@SEMICOLON@" _news "${_news}")
string(REPLACE "[" "@OPEN@" _news "${_news}")
string(REPLACE "]" "@CLOSE@" _news "${_news}")
string(REPLACE "\n" ";" _news "${_news}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/NEWS.md)
set(_changelog "")
set(_trailer "")
foreach(_line IN LISTS _news)
  if(_line MATCHES "^## ([0-9.]+) \\(([0-9-]+)\\)$")
    set(_version ${CMAKE_MATCH_1})
    execute_process(COMMAND date -R -u -d "${CMAKE_MATCH_2} 12:00" OUTPUT_VARIABLE _when
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND _changelog "${_trailer}@PACKAGE@ (${_version}) unstable; urgency=medium\n\n")
    set(_trailer "\n -- ${CPACK_PACKAGE_CONTACT}  ${_when}\n\n")
  elseif(_trailer AND _line MATCHES "^- (.*)")
    string(APPEND _changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(_trailer AND _line MATCHES "^  +(.*)")
    string(APPEND _changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n\n$" "\n" _changelog "${_changelog}${_trailer}")
string(REPLACE "@SEMICOLON@" ";" _changelog "${_changelog}")
string(REPLACE "@OPEN@" "[" _changelog "${_changelog}")
string(REPLACE "@CLOSE@" "]" _changelog "${_changelog}")
foreach(_component IN LISTS _packages)
  string(TOUPPER ${_component} _upper)
  set(_name ${CPACK_DEBIAN_${_upper}_PACKAGE_NAME})
  set(_doc ${CMAKE_CURRENT_BINARY_DIR}/debian/${_name})
  string(REPLACE "@PACKAGE@" ${_name} _text "${_changelog}")
  file(WRITE ${_doc}/changelog "${_text}")
  execute_process(COMMAND gzip -9nf ${_doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${_name} COMPONENT ${_component})
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${_name} RENAME copyright
          COMPONENT ${_component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prefdesk)
set(CPACK_PACKAGE_VENDOR "The Prefdesk developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${_packages})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEV_PACKAGE_SHLIBDEPS OFF)
# Our own libraries are found in the build folder; the packages that hold them are named by the
# component dependencies above.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The library packages run ldconfig by trigger, as Debian does now; CPack would call it from
# maintainer scripts of its own unless the package brings them.
set(_ldconfig ${CMAKE_CURRENT_BINARY_DIR}/debian/ldconfig)
file(WRITE ${_ldconfig}/triggers "activate-noawait ldconfig\n")
file(WRITE ${_ldconfig}/postinst "#!/bin/sh\nset -e\n")
file(WRITE ${_ldconfig}/postrm "#!/bin/sh\nset -e\n")
foreach(_component IN LISTS _packages)
  if(_component MATCHES "^lib")
    string(TOUPPER ${_component} _upper)
    set(CPACK_DEBIAN_${_upper}_PACKAGE_CONTROL_EXTRA ${_ldconfig}/triggers ${_ldconfig}/postinst ${_ldconfig}/postrm)
  endif()
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The first line of each is the synopsis.
set(CPACK_COMPONENT_PROGRAMS_DESCRIPTION
  "administration program of the Prefdesk preferences component\n"
  "Prefdesk keeps the per-user preferences of a bilingual customer-\n"
  "relationship desktop client. prefdesk-host creates its databases, opens\n"
  "the options dialog for a user, prints and sets a user's settings and\n"
  "layout, exports and imports them, on SQLite or PostgreSQL.")
set(CPACK_COMPONENT_LIB_DESCRIPTION
  "per-user preferences component of a customer-relationship client\n"
  "The Prefdesk component with its SQLite data service, and the SQL that\n"
  "builds its databases.")
set(CPACK_COMPONENT_LIB_POSTGRESQL_DESCRIPTION
  "PostgreSQL data service of the Prefdesk component\n"
  "Keeps the users' preferences of the Prefdesk component on a PostgreSQL\n"
  "server.")
set(CPACK_COMPONENT_LIB_QT_DESCRIPTION
  "Qt 6 front end of the Prefdesk component\n"
  "Shows the options dialog of the Prefdesk component in real Qt 6 Widgets\n"
  "windows.")
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "Prefdesk preferences component: development files\n"
  "Headers, pkg-config files (prefdesk, prefdesk-postgresql, prefdesk-qt)\n"
  "and the CMake package find_package(Prefdesk COMPONENTS PostgreSQL Qt)\n"
  "for host programs that embed Prefdesk.")
include(CPack)

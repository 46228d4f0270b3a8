# Installs what a host developer and an administrator need, as the CMake package
# find_package(Prefdesk COMPONENTS PostgreSQL Qt), the pkg-config files prefdesk,
# prefdesk-postgresql and prefdesk-qt, and the programs with their data, manual page and shell
# completion. Each installed file belongs to one package (cmake/PrefdeskDebian.cmake).
include(CMakePackageConfigHelpers)
include(cmake/PrefdeskPublicHeaders.cmake)
set(PREFDESK_INSTALL_CMAKE ${CMAKE_INSTALL_LIBDIR}/cmake/Prefdesk)
set(PREFDESK_INSTALL_INCLUDE ${CMAKE_INSTALL_INCLUDEDIR}/prefdesk)

# prefdesk_install_library(TARGET COMPONENT EXPORT_SET HEADERS...): the library in its runtime
# component (the .so symlink in dev), its headers and its exported targets.
function(prefdesk_install_library target component export_set)
  install(TARGETS ${target} EXPORT ${export_set}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component} NAMELINK_COMPONENT dev
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
  foreach(header IN LISTS ARGN)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${header} DESTINATION ${PREFDESK_INSTALL_INCLUDE}/${folder}
            COMPONENT dev)
  endforeach()
  install(EXPORT ${export_set} NAMESPACE Prefdesk:: DESTINATION ${PREFDESK_INSTALL_CMAKE} COMPONENT dev)
endfunction()

# The pkg-config file NAME.pc from cmake/NAME.pc.in; paths relative to the file, so that a
# moved tree still resolves.
function(prefdesk_pkg_config name)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/${name}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
          COMPONENT dev)
endfunction()
file(RELATIVE_PATH PREFDESK_PC_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
# A static build hands the libraries' own dependencies on to the program that links it.
set(PREFDESK_STATIC OFF)
if(NOT BUILD_SHARED_LIBS)
  set(PREFDESK_STATIC ON)
  set(PREFDESK_PC_SQLITE "Requires.private: sqlite3")
  set(PREFDESK_PC_LIBPQ "Requires.private: libpq")
endif()

prefdesk_install_library(prefdesk lib PrefdeskTargets ${PREFDESK_PUBLIC_HEADERS})
prefdesk_pkg_config(prefdesk)
set(PREFDESK_COMPONENTS "")
if(TARGET prefdesk_postgresql)
  list(APPEND PREFDESK_COMPONENTS PostgreSQL)
  prefdesk_install_library(prefdesk_postgresql lib_postgresql PrefdeskPostgreSQLTargets
    ${PREFDESK_PUBLIC_HEADERS_POSTGRESQL})
  prefdesk_pkg_config(prefdesk-postgresql)
endif()
if(TARGET prefdesk_qt)
  list(APPEND PREFDESK_COMPONENTS Qt)
  prefdesk_install_library(prefdesk_qt lib_qt PrefdeskQtTargets ${PREFDESK_PUBLIC_HEADERS_QT})
  prefdesk_pkg_config(prefdesk-qt)
endif()

configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/PrefdeskConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfig.cmake
  INSTALL_DESTINATION ${PREFDESK_INSTALL_CMAKE}
  PATH_VARS PREFDESK_INSTALL_DATA PREFDESK_INSTALL_SHARE)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfigVersion.cmake
        DESTINATION ${PREFDESK_INSTALL_CMAKE} COMPONENT dev)

# The data the libraries and the programs build databases from, and the registration record.
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/data/ DESTINATION ${PREFDESK_INSTALL_DATA}
        COMPONENT lib FILES_MATCHING PATTERN "*.sql")
install(FILES share/Prefdesk.typelib.json share/Prefdesk.idl DESTINATION ${PREFDESK_INSTALL_SHARE}
        COMPONENT lib)

if(TARGET prefdesk-host)
  install(TARGETS prefdesk-host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
  install(TARGETS prefdesk-host-full RUNTIME DESTINATION ${PREFDESK_INSTALL_LIBEXEC} COMPONENT programs)
  include(cmake/PrefdeskProgramDocs.cmake)
endif()
include(cmake/PrefdeskDebian.cmake)

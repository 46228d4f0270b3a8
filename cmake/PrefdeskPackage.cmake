# Installs the libraries (the Qt front end too, where it is built), headers, SQL and
# registration record as the CMake package find_package(Prefdesk), and the host program.
include(CMakePackageConfigHelpers)
set(PREFDESK_INSTALL_SHARE share/prefdesk)
set(PREFDESK_INSTALL_DATA share/prefdesk/data)
set(PREFDESK_INSTALL_CMAKE lib/cmake/Prefdesk)

install(TARGETS prefdesk prefdesk_automation prefdesk_ado prefdesk_ui prefdesk_columnsbar
                prefdesk_appearancelib prefdesk_datacenter_sqlite prefdesk_datacenter
        EXPORT PrefdeskTargets ARCHIVE DESTINATION lib LIBRARY DESTINATION lib)
install(EXPORT PrefdeskTargets NAMESPACE Prefdesk:: DESTINATION ${PREFDESK_INSTALL_CMAKE})
foreach(dir src platform/automation platform/ado platform/ui platform/columnsbar
            platform/appearancelib host/datacenter)
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/ DESTINATION include/prefdesk/${dir}
          FILES_MATCHING PATTERN "*.h")
endforeach()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/host/prefdesk.h DESTINATION include/prefdesk/host)
# The Qt front end (Prefdesk::prefdesk_ui_qt), where Qt 6 Widgets was found: hosts open the
# real window with it.
set(PREFDESK_WITH_QT OFF)
if(TARGET prefdesk_ui_qt)
  set(PREFDESK_WITH_QT ON)
  install(TARGETS prefdesk_ui_qt EXPORT PrefdeskTargets ARCHIVE DESTINATION lib)
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/platform/ui_qt/ DESTINATION include/prefdesk/platform/ui_qt
          FILES_MATCHING PATTERN "*.h")
endif()
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/data/ DESTINATION ${PREFDESK_INSTALL_DATA}
        FILES_MATCHING PATTERN "*.sql")
if(TARGET prefdesk-host)
  install(TARGETS prefdesk-host RUNTIME DESTINATION bin)
  install(TARGETS prefdesk-host-full RUNTIME DESTINATION libexec/prefdesk)
endif()

# The same for pkg-config; paths relative to the file, so a moved tree still resolves.
if(PostgreSQL_FOUND)
  set(PREFDESK_PC_REQUIRES libpq)
  set(PREFDESK_PC_CFLAGS -DPREFDESK_HAVE_POSTGRESQL=1)
endif()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/prefdesk.pc.in ${CMAKE_CURRENT_BINARY_DIR}/prefdesk.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/prefdesk.pc DESTINATION lib/pkgconfig)

configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/PrefdeskConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfig.cmake
  INSTALL_DESTINATION ${PREFDESK_INSTALL_CMAKE}
  PATH_VARS PREFDESK_INSTALL_DATA PREFDESK_INSTALL_SHARE)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/PrefdeskConfigVersion.cmake
        DESTINATION ${PREFDESK_INSTALL_CMAKE})

# The manual page prefdesk-host(1), made by help2man from the program's --help, --version and
# the --help of each command, and the bash completion, printed by the program itself: both are
# made from the built program at build time, so that they cannot drift from it.
set(_docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
set(_completion ${_docs}/prefdesk-host.bash-completion)
add_custom_command(OUTPUT ${_completion}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_docs}
  COMMAND prefdesk-host completion bash > ${_completion}
  DEPENDS prefdesk-host VERBATIM)
set(_outputs ${_completion})
install(FILES ${_completion} RENAME prefdesk-host
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT programs)

find_program(PREFDESK_HELP2MAN help2man)
if(PREFDESK_HELP2MAN)
  set(_man ${_docs}/prefdesk-host.1.gz)
  add_custom_command(OUTPUT ${_man}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:prefdesk-host> -DHELP2MAN=${PREFDESK_HELP2MAN}
            -DOUTPUT=${_man} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/write_man_page.cmake
    DEPENDS prefdesk-host ${CMAKE_CURRENT_SOURCE_DIR}/cmake/write_man_page.cmake VERBATIM)
  list(APPEND _outputs ${_man})
  install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
else()
  message(STATUS "help2man not found: no manual page (scripts/deps.sh installs it)")
endif()
add_custom_target(prefdesk-host-docs ALL DEPENDS ${_outputs})

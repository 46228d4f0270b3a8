# cmake -DPROGRAM=prefdesk-host -DHELP2MAN=help2man -DOUTPUT=prefdesk-host.1.gz -P write_man_page.cmake
# The page of the program's --help, with a COMMANDS section of each command's --help, gzipped
# without a time stamp, as Debian wants manual pages.
# The page is English whatever the builder's locale: the program's help follows LC_ALL/LANG.
set(ENV{LC_ALL} C)
get_filename_component(folder ${OUTPUT} DIRECTORY)
set(include ${folder}/prefdesk-host.h2m)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" listing "${help}")
string(REGEX MATCHALL "\n  [a-z-]+" names "${listing}")
set(text "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${PROGRAM} ${name} --help OUTPUT_VARIABLE command_help COMMAND_ERROR_IS_FATAL ANY)
  # roff: a leading dot or quote would be a request; a backslash an escape.
  string(REPLACE "\\" "\\e" command_help "${command_help}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" command_help "\n${command_help}")
  string(APPEND text ".SS ${name}\n.nf\n${command_help}\n.fi\n")
endforeach()
file(WRITE ${include} "${text}")
execute_process(COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section 1
                  --name "per-user preferences of the customer-relationship client"
                  --include ${include} --output ${folder}/prefdesk-host.1 ${PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9nf ${folder}/prefdesk-host.1 COMMAND_ERROR_IS_FATAL ANY)

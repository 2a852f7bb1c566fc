# Runs at install time (install(SCRIPT)): writes the desktop entries of zelvo and tarvel with the
# absolute path of the installed programs, so the menu finds them whatever the prefix (~/.local,
# /usr). zelvo keeps its projects list, preferences and project folders in the folder it starts
# in; started from the menu it starts in ~/zelvo rather than in the home folder itself.
# Expects ZELVO_DESKTOP_SOURCE (the desktop/ folder), ZELVO_DESKTOP_BUILD (a scratch folder),
# ZELVO_BINDIR and ZELVO_APPLICATIONS_DIR (relative to the prefix, or absolute).

foreach(var ZELVO_BINDIR ZELVO_APPLICATIONS_DIR)
  if(IS_ABSOLUTE "${${var}}")
    set(${var}_FULL "${${var}}")
  else()
    set(${var}_FULL "${CMAKE_INSTALL_PREFIX}/${${var}}")
  endif()
endforeach()

# A backslash before each of \ " $ ` (inside double quotes of the shell and of an Exec key).
function(zelvo_quote_level out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "$" "\\$" text "${text}")
  string(REPLACE "`" "\\`" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
# The string escapes of a desktop entry value: a backslash is written twice.
function(zelvo_entry_string out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(ZELVO_EXEC "${ZELVO_BINDIR_FULL}/zelvo")
set(TARVEL_EXEC "${ZELVO_BINDIR_FULL}/tarvel")
# zelvo's path sits in a shell command (one level) inside a quoted Exec argument (another).
zelvo_quote_level(zelvo_exec "${ZELVO_EXEC}")
zelvo_quote_level(zelvo_exec "${zelvo_exec}")
zelvo_entry_string(ZELVO_EXEC_QUOTED "${zelvo_exec}")
zelvo_quote_level(tarvel_exec "${TARVEL_EXEC}")
zelvo_entry_string(TARVEL_EXEC_QUOTED "${tarvel_exec}")
# In an Exec key a percent sign starts a field code.
string(REPLACE "%" "%%" ZELVO_EXEC_QUOTED "${ZELVO_EXEC_QUOTED}")
string(REPLACE "%" "%%" TARVEL_EXEC_QUOTED "${TARVEL_EXEC_QUOTED}")
zelvo_entry_string(ZELVO_EXEC "${ZELVO_EXEC}")
zelvo_entry_string(TARVEL_EXEC "${TARVEL_EXEC}")

# One scratch folder per destination: installs into two prefixes (a test, a package) may run at once.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(program zelvo tarvel)
  set(entry "${ZELVO_DESKTOP_BUILD}/${destination}/${program}.desktop")
  configure_file("${ZELVO_DESKTOP_SOURCE}/${program}.desktop.in" "${entry}" @ONLY)
  file(INSTALL DESTINATION "${ZELVO_APPLICATIONS_DIR_FULL}" TYPE FILE FILES "${entry}")
endforeach()

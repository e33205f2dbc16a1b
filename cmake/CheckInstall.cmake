# Installs the build tree into a fresh prefix and checks every file that
# lands there: nothing missing, nothing unexpected, each program starts and
# answers --version, each launcher passes desktop-file-validate and names its
# program and icon, each icon is an SVG, and the file types compile.
# Run by CTest (suite.install) with BUILD_DIR, PREFIX, CONFIG, PROGRAMS,
# BINDIR, DATADIR, VERSION, DESKTOP_FILE_VALIDATE and UPDATE_MIME_DATABASE,
# and EXTRA_FILES: what programs install besides the usual files.

set(failures 0)
macro(fail message)
  message(SEND_ERROR "${message}")
  math(EXPR failures "${failures} + 1")
endmacro()

foreach(tool IN ITEMS DESKTOP_FILE_VALIDATE UPDATE_MIME_DATABASE)
  if(NOT ${tool} OR NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "${tool} was not found: install desktop-file-utils and shared-mime-info")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result})")
endif()

set(mime_package ${DATADIR}/mime/packages/desktop-suite.xml)
set(expected ${mime_package} ${EXTRA_FILES})
foreach(program IN LISTS PROGRAMS)
  list(APPEND expected
    ${BINDIR}/${program}
    ${DATADIR}/applications/${program}.desktop
    ${DATADIR}/icons/hicolor/scalable/apps/${program}.svg)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/../data/thumbnailers/${program}.thumbnailer)
    list(APPEND expected ${DATADIR}/thumbnailers/${program}.thumbnailer)
  endif()
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  fail("installed files differ from the expected ones:\n  installed: ${installed}\n  expected:  ${expected}")
endif()

foreach(program IN LISTS PROGRAMS)
  set(binary ${PREFIX}/${BINDIR}/${program})
  execute_process(COMMAND ${binary} --version RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 30)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}\n")
    fail("${binary} --version gave ${result}: '${out}' '${err}'")
  endif()

  set(launcher ${PREFIX}/${DATADIR}/applications/${program}.desktop)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${launcher} RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "")
    fail("${launcher} does not validate: ${out}")
  endif()
  file(STRINGS ${launcher} exec REGEX "^(Exec|TryExec|Icon)=")
  list(TRANSFORM exec REPLACE " .*" "")
  if(NOT exec STREQUAL "Icon=${program};Exec=${program};TryExec=${program}")
    fail("${launcher} must start and show ${program}: ${exec}")
  endif()

  file(READ ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${program}.svg icon)
  if(NOT icon MATCHES "<svg [^>]*xmlns=\"http://www.w3.org/2000/svg\"")
    fail("the icon of ${program} is not an SVG")
  endif()
endforeach()

# The file types must compile into a database that maps each pattern to the
# type the launchers name.
# (It warns about a folder outside the XDG search path, hence the variables.)
set(mime_check ${PREFIX}/mime-check)
file(COPY ${PREFIX}/${mime_package} DESTINATION ${mime_check}/mime/packages)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${mime_check} XDG_DATA_DIRS=${mime_check}
                        ${UPDATE_MIME_DATABASE} ${mime_check}/mime RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR NOT out STREQUAL "")
  fail("update-mime-database rejects ${mime_package}: ${out}")
endif()
file(READ ${mime_check}/mime/globs2 globs)
foreach(glob IN ITEMS "text/x-half-life-entities:*.ent" "application/x-half-life-bsp:*.bsp"
                      "image/x-half-life-sprite:*.spr")
  string(FIND "${globs}" "${glob}" at)
  if(at EQUAL -1)
    fail("the file types lack ${glob}")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} check(s) of the installed tree failed")
endif()

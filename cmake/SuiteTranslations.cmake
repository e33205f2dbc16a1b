# suite_add_translations(<target> <program>)
#
# The Qt Linguist files <program>/translations/<program>_en.ts and
# <program>_pt_BR.ts, beside the calling CMakeLists, compiled to .qm by
# lrelease at build time and embedded in <target> as :/i18n/<program>_<code>.qm,
# so the same files serve the build tree, the tests and the installed package.
# suite::switchLanguage (common/ui/language.h) loads them by that name.
#
# The .ts files are the ones in the repository: scripts/check_translations.sh
# runs lupdate over the sources and fails when a text has no translation.
function(suite_add_translations target program)
  # Looked up here, not at the top, so the imported lrelease is seen in the
  # directory of the calling program.
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  set(ts_files
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/${program}_en.ts
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/${program}_pt_BR.ts)
  foreach(ts IN LISTS ts_files)
    if(NOT EXISTS ${ts})
      message(FATAL_ERROR "suite_add_translations: ${ts} is missing")
    endif()
  endforeach()
  qt_add_translations(${target}
    TS_FILES ${ts_files}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS -locations none -no-obsolete)
endfunction()

# The programs as desktop applications: what each takes on its command line,
# its installed files (program, launcher, icon, file types), the tests of
# both, and the Debian package of the whole suite.

# What each program takes besides --help and --version; it must agree with
# the ProgramInfo its main.cpp gives (common/app/start_up.h).
set(SUITE_ARGUMENT_probegrid None)
set(SUITE_ARGUMENT_aliasmith None)
set(SUITE_ARGUMENT_tailfetch Url)
set(SUITE_ARGUMENT_texpeek File)
set(SUITE_ARGUMENT_entwright File)
set(SUITE_ARGUMENT_pivotel File)

set(SUITE_DATA_DIR ${CMAKE_CURRENT_LIST_DIR}/../data)

# Installs one program with its launcher and icon, and tests its command line
# by running the built executable.
function(suite_desktop_program program)
  target_link_libraries(${program} PRIVATE common_app)
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${SUITE_DATA_DIR}/applications/${program}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${SUITE_DATA_DIR}/icons/${program}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # A program that makes thumbnails of its files for the file managers.
  if(EXISTS ${SUITE_DATA_DIR}/thumbnailers/${program}.thumbnailer)
    install(FILES ${SUITE_DATA_DIR}/thumbnailers/${program}.thumbnailer
            DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
  endif()

  suite_gtest(${program}_command_line_tests ${program}
    SOURCES ${PROJECT_SOURCE_DIR}/common/tests/command_line_test.cpp
    LIBS common_testing)
  if(TARGET ${program}_command_line_tests)
    add_dependencies(${program}_command_line_tests ${program})
    target_compile_definitions(${program}_command_line_tests PRIVATE
      PROGRAM_PATH="$<TARGET_FILE:${program}>"
      PROGRAM_NAME="${program}"
      PROGRAM_ARGUMENT_${SUITE_ARGUMENT_${program}}
      SUITE_VERSION="${PROJECT_VERSION}")
  endif()
endfunction()

# What belongs to the suite as a whole: the file types, the check of an
# installed tree, and the package.
function(suite_desktop_suite)
  install(FILES ${SUITE_DATA_DIR}/mime/desktop-suite.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

  # Files a program installs besides the usual ones (a module it loads),
  # relative to the prefix; the check expects exactly these too.
  get_property(extra_files GLOBAL PROPERTY SUITE_EXTRA_INSTALLED_FILES)

  if(BUILD_TESTING)
    find_program(SUITE_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(SUITE_UPDATE_MIME_DATABASE update-mime-database)
    add_test(NAME suite.install
      COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${PROJECT_BINARY_DIR}
        -DPREFIX=${PROJECT_BINARY_DIR}/install-check
        -DCONFIG=$<CONFIG>
        "-DPROGRAMS=${SUITE_PROGRAMS}"
        -DBINDIR=${CMAKE_INSTALL_BINDIR}
        -DDATADIR=${CMAKE_INSTALL_DATADIR}
        -DVERSION=${PROJECT_VERSION}
        "-DEXTRA_FILES=${extra_files}"
        -DDESKTOP_FILE_VALIDATE=${SUITE_DESKTOP_FILE_VALIDATE}
        -DUPDATE_MIME_DATABASE=${SUITE_UPDATE_MIME_DATABASE}
        -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckInstall.cmake)
    # It rewrites install_manifest.txt and its own folder; one at a time.
    set_tests_properties(suite.install PROPERTIES RUN_SERIAL ON TIMEOUT 120
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME desktop-suite)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "Desktop suite")
  set(CPACK_PACKAGE_CONTACT "Desktop suite maintainers <maintainers@desktop-suite.invalid>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Six small desktop programs for games, networks and Half-Life files")
  set(CPACK_PACKAGE_DESCRIPTION "${PROJECT_DESCRIPTION}.")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  # The libraries come from dpkg-shlibdeps; Qt's window-system plugins and
  # translations are loaded at run time, which it cannot see.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
  set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
  include(CPack)
endfunction()

# The version header, the files a Debian installation adds around the two programs (manual
# pages, bash completion, AppStream metainfo, copyright and changelog) and the Debian
# package made from them by `cpack -G DEB` (scripts/package.sh runs it).
# Included at the end of the top-level CMakeLists.txt, once every target exists.

include(GNUInstallDirs)

set(BREVINO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(BREVINO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)

# --- The version, in one place: project() in the top-level CMakeLists.txt ------------------

configure_file(${BREVINO_PACKAGING_DIR}/brevino_version.h.in
               ${BREVINO_GENERATED_DIR}/brevino_version.h @ONLY)
# Every program, test and benchmark links the core, so this reaches them all.
target_include_directories(brevino_core PUBLIC ${BREVINO_GENERATED_DIR})

# --- Generated data files -------------------------------------------------------------------

# gzip -9n: the best compression and no name or time stamp, so that the same sources make
# the same package. Done while configuring, so that the files exist for any install.
function(brevino_gzip source output)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${output}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${source} failed")
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

brevino_gzip(${BREVINO_PACKAGING_DIR}/man/brevino-cli.1 ${BREVINO_GENERATED_DIR}/brevino-cli.1.gz)
brevino_gzip(${BREVINO_PACKAGING_DIR}/man/brevino.1 ${BREVINO_GENERATED_DIR}/brevino.1.gz)

# --- Install rules (the programs, desktop file and icons have theirs in src/) ---------------

install(FILES ${BREVINO_GENERATED_DIR}/brevino-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${BREVINO_PACKAGING_DIR}/bash-completion/brevino-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
if(TARGET brevino)
  install(FILES ${BREVINO_GENERATED_DIR}/brevino.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "No desktop application: a package would hold brevino-cli alone")
endif()

# --- Checks of these files, run with the other tests ----------------------------------------

if(BREVINO_BUILD_TESTS)
  add_test(NAME cli_version COMMAND brevino-cli --version)
  set_tests_properties(cli_version PROPERTIES
                       PASS_REGULAR_EXPRESSION "^brevino-cli ${PROJECT_VERSION}\n$")
  find_program(BREVINO_GROFF groff)
  if(BREVINO_GROFF)
    add_test(NAME manual_pages
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/manual_pages_test.sh
                     ${BREVINO_GROFF} ${BREVINO_PACKAGING_DIR}/man/brevino-cli.1
                     ${BREVINO_PACKAGING_DIR}/man/brevino.1)
  endif()
  add_test(NAME bash_completion
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/completion_test.sh
                   ${BREVINO_PACKAGING_DIR}/bash-completion/brevino-cli)
  # Skipped where the bash-completion package is missing (scripts/install-deps.sh has it).
  set_tests_properties(bash_completion PROPERTIES SKIP_RETURN_CODE 77)
endif()

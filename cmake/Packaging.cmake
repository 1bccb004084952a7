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

# --- Checks of these files, run with the other tests ----------------------------------------

if(BREVINO_BUILD_TESTS)
  add_test(NAME cli_version COMMAND brevino-cli --version)
  set_tests_properties(cli_version PROPERTIES
                       PASS_REGULAR_EXPRESSION "^brevino-cli ${PROJECT_VERSION}\n$")
endif()

# The version header, the files a Debian installation adds around the two programs (manual
# pages, bash completion, AppStream metainfo, copyright and changelog) and the Debian
# package made from them by `cpack -G DEB` (scripts/package.sh runs it).
# Included at the end of the top-level CMakeLists.txt, once every target exists.

include(GNUInstallDirs)

set(BREVINO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(BREVINO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
# The project's address and licence, as the package's copyright file states them (its
# Source and first License fields); the version dialog shows them too.
file(STRINGS ${BREVINO_PACKAGING_DIR}/copyright BREVINO_SOURCE_FIELD REGEX "^Source:" LIMIT_COUNT 1)
string(REGEX REPLACE "^Source:[ \t]*" "" BREVINO_HOMEPAGE "${BREVINO_SOURCE_FIELD}")
file(STRINGS ${BREVINO_PACKAGING_DIR}/copyright BREVINO_LICENSE_FIELD REGEX "^License:" LIMIT_COUNT 1)
string(REGEX REPLACE "^License:[ \t]*" "" BREVINO_LICENSE "${BREVINO_LICENSE_FIELD}")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${BREVINO_PACKAGING_DIR}/copyright)
set(BREVINO_PACKAGE_MAINTAINER "Brevino developers <brevino@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package and its changelog")

# --- The version, in one place: project() in the top-level CMakeLists.txt ------------------

configure_file(${BREVINO_PACKAGING_DIR}/brevino_version.h.in
               ${BREVINO_GENERATED_DIR}/brevino_version.h @ONLY)
# Every program, test and benchmark links the core, so this reaches them all.
target_include_directories(brevino_core PUBLIC ${BREVINO_GENERATED_DIR})

# The date of this version's changelog entry and AppStream release: SOURCE_DATE_EPOCH when
# set (scripts/package.sh sets it to the last commit's time), else today.
string(TIMESTAMP BREVINO_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP BREVINO_RELEASE_DATE "%Y-%m-%d" UTC)

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

configure_file(${BREVINO_PACKAGING_DIR}/changelog.in ${BREVINO_GENERATED_DIR}/changelog @ONLY)
brevino_gzip(${BREVINO_GENERATED_DIR}/changelog ${BREVINO_GENERATED_DIR}/changelog.gz)

# The README's screenshot, when the repository has it, shown from the public repository.
# (Looked for while configuring: configure again after adding it.)
set(BREVINO_SCREENSHOTS "")
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/screenshot.png)
  set(BREVINO_SCREENSHOTS "  <screenshots>
    <screenshot type=\"default\">
      <caption>A photo's Exif rows beside its preview</caption>
      <image>${BREVINO_HOMEPAGE}/raw/main/docs/screenshot.png</image>
    </screenshot>
  </screenshots>
")
endif()
configure_file(${BREVINO_PACKAGING_DIR}/io.github.brevino.Brevino.metainfo.xml.in
               ${BREVINO_GENERATED_DIR}/io.github.brevino.Brevino.metainfo.xml @ONLY)

# --- Install rules (the programs, desktop file and icons have theirs in src/) ---------------

install(FILES ${BREVINO_GENERATED_DIR}/brevino-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${BREVINO_PACKAGING_DIR}/bash-completion/brevino-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${BREVINO_PACKAGING_DIR}/copyright ${BREVINO_GENERATED_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brevino)
if(TARGET brevino)
  install(FILES ${BREVINO_GENERATED_DIR}/brevino.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${BREVINO_GENERATED_DIR}/io.github.brevino.Brevino.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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

# --- The Debian package ---------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevino)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brevino developers")
set(CPACK_PACKAGE_CONTACT "${BREVINO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "view and edit the Exif data inside photos")
set(CPACK_PACKAGE_DESCRIPTION
    "Brevino shows every Exif entry of a photo as a row: where its value lies in
the file, its TIFF type and count, a Japanese or English tag name, the decoded
value and the meaning of coded values, the maker notes of the big camera
makers included. It reads JPEG, HEIF/HEIC, AVIF, TIFF, DNG and other raw
files, WebP, PNG and JPEG XL. Values are edited in place, value by value,
without rewriting the file; the file's time stamps can be kept or aligned with
its Exif dates; the Exif segment can be exported to and imported from a side
file; batch operations rename files after their dates, shift their dates or
set a tag in many files at once; and every change is journaled so that it can
be undone.

This package holds the desktop application (Qt 6) and the command-line tool
brevino-cli, which runs the same core for scripts and large batches.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${BREVINO_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BREVINO_PACKAGE_MAINTAINER}")
# The shared libraries' packages, found by dpkg-shlibdeps; the Japanese font the window's
# tag names and captions need; the Qt plug-ins loaded at run time, which dpkg-shlibdeps
# cannot see: the display platforms, the SVG icon engine of the toolbar's icons and the image
# readers of the preview (TIFF, WebP); and Qt's Japanese translations of its standard buttons
# and dialogs. libheif and libjxl are linked, so dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk, qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, qt6-translations-l10n")

include(CPack)

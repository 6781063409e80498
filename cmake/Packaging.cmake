# Installation of the manual pages, the bash completion and the package's
# documents, and the Debian package that CPack makes from the installed tree:
#
#   cmake --build build && (cd build && cpack -G DEB)
#
# writes build/ardentix_<version>_<architecture>.deb, with <version> the
# project's version (PROJECT_VERSION) and the shared library dependencies
# worked out by dpkg-shlibdeps. The programs and the desktop integration
# files are installed by ui/ and cli/.

include(GNUInstallDirs)

if(NOT UNIX OR APPLE)
    return()
endif()

set(ARDENTIX_PACKAGE_NAME ardentix)
set(ARDENTIX_PACKAGE_MAINTAINER "Quorvane Ardentix developers <ardentix@quorvane.com>")
set(ARDENTIX_PACKAGE_HOMEPAGE "https://quorvane.com/ardentix")
set(ARDENTIX_PACKAGE_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/${ARDENTIX_PACKAGE_NAME}")

find_program(ARDENTIX_GZIP gzip REQUIRED)

# Files are gzipped without their name and time stamp (-n), so that the same
# sources always give the same package.
function(ardentix_gzip source output)
    get_filename_component(name "${output}" NAME_WLE)
    get_filename_component(dir "${output}" DIRECTORY)
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
        COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${dir}/${name}"
        COMMAND "${ARDENTIX_GZIP}" -n -9 -f "${dir}/${name}"
        DEPENDS "${source}"
        VERBATIM)
endfunction()

# Manual pages.
set(packaging_outputs)
foreach(page ardentix.1 ardentix-verify.1)
    set(output "${PROJECT_BINARY_DIR}/man/${page}.gz")
    ardentix_gzip("${PROJECT_SOURCE_DIR}/man/${page}" "${output}")
    list(APPEND packaging_outputs "${output}")
    install(FILES "${output}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()

# Bash completion, in the folder that bash-completion's pkg-config file names,
# taken relative to its prefix so that it lands under CMAKE_INSTALL_PREFIX
# (bash-completion also looks in share/bash-completion/completions of every
# folder in XDG_DATA_DIRS, /usr/local/share among them).
set(completions_dir "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_get_variable(bash_completion_dir bash-completion completionsdir)
    pkg_get_variable(bash_completion_prefix bash-completion prefix)
    if(bash_completion_dir AND bash_completion_prefix)
        string(FIND "${bash_completion_dir}" "${bash_completion_prefix}/" at)
        if(at EQUAL 0)
            string(LENGTH "${bash_completion_prefix}/" length)
            string(SUBSTRING "${bash_completion_dir}" ${length} -1 completions_dir)
        endif()
    endif()
endif()
install(FILES "${PROJECT_SOURCE_DIR}/completion/ardentix-verify" DESTINATION "${completions_dir}")

# The package's documents: the copyright notice, and a changelog whose entry
# for this version carries the date of the release in the AppStream metainfo.
set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ARDENTIX_PACKAGE_MAINTAINER}")
set(metainfo "${PROJECT_SOURCE_DIR}/resources/linux/com.quorvane.Ardentix.metainfo.xml")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${metainfo}")
file(READ "${metainfo}" metainfo_text)
string(REPLACE "." "\\." version_pattern "${ARDENTIX_VERSION_TEXT}")
if(metainfo_text MATCHES "<release version=\"${version_pattern}\" date=\"([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\"")
    set(release_day "${CMAKE_MATCH_1}")
else()
    message(WARNING "${metainfo} has no <release> for version ${ARDENTIX_VERSION_TEXT}: "
                    "add one with its date. The package's changelog takes today's date meanwhile.")
    string(TIMESTAMP release_day "%Y-%m-%d" UTC)
endif()
execute_process(
    COMMAND date -u -R -d "${release_day} 00:00:00"
    OUTPUT_VARIABLE ardentix_release_date
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE date_status)
if(NOT date_status EQUAL 0)
    message(FATAL_ERROR "date(1) cannot read the release date ${release_day}")
endif()
configure_file("${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in" "${PROJECT_BINARY_DIR}/packaging/changelog" @ONLY)
ardentix_gzip("${PROJECT_BINARY_DIR}/packaging/changelog" "${PROJECT_BINARY_DIR}/packaging/doc/changelog.gz")
list(APPEND packaging_outputs "${PROJECT_BINARY_DIR}/packaging/doc/changelog.gz")
install(FILES "${PROJECT_BINARY_DIR}/packaging/doc/changelog.gz" "${PROJECT_SOURCE_DIR}/cmake/debian/copyright"
        DESTINATION "${ARDENTIX_PACKAGE_DOCDIR}")

# The help pages are data for the program, outside /usr/share/doc on purpose.
install(FILES "${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME "${ARDENTIX_PACKAGE_NAME}")

add_custom_target(ardentix_packaging_files ALL DEPENDS ${packaging_outputs})

# The Debian package.
set(CPACK_PACKAGE_NAME "${ARDENTIX_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "Quorvane Inc.")
set(CPACK_PACKAGE_CONTACT "${ARDENTIX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ARDENTIX_PACKAGE_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authenticity checker for exported pictures and recordings")
# One paragraph per string; CPack writes the Debian layout (a leading space,
# " ." between paragraphs). Lines stay under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ardentix tells whether a picture (JPG) or a recording (AVI, MP4) exported"
    "from a network video recording server is authentic and unaltered. Every"
    "export carries a watermark signed with the recording server's private key;"
    "Ardentix opens it with the public key built into the program and recomputes"
    "the keyed digest of the file's protected bytes. Files are only read."
    ""
    "The package holds the desktop program, ardentix, which shows a verdict for"
    "each file with the recording's start and stop time and the server's serial"
    "number, and the command-line verifier, ardentix-verify, which checks many"
    "files at once and writes text, JSON Lines or CSV reports for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
if(CMAKE_STRIP)
    set(CPACK_ARDENTIX_STRIP "${CMAKE_STRIP}")
    set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/debian/strip-sections.cmake")
endif()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ARDENTIX_PACKAGE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program loads Qt's own catalogues (qtbase_<language>.qm) for Qt's
# dialogs; it runs without them, in English there. dpkg-shlibdeps cannot see
# this, as they are data files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)

# Finds the qpdf library (Debian's libqpdf-dev), which embeds and reads back
# the records in PDF reports.
#
# Defines Qpdf_FOUND, Qpdf_INCLUDE_DIR, Qpdf_LIBRARY and the imported target
# Qpdf::qpdf.

find_path(Qpdf_INCLUDE_DIR NAMES qpdf/QPDF.hh)
find_library(Qpdf_LIBRARY NAMES qpdf)

if(Qpdf_INCLUDE_DIR AND EXISTS "${Qpdf_INCLUDE_DIR}/qpdf/DLL.h")
    file(STRINGS "${Qpdf_INCLUDE_DIR}/qpdf/DLL.h" _qpdf_version_line
         REGEX "^#[ \t]*define[ \t]+QPDF_VERSION[ \t]+\"[0-9.]+\"")
    string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" Qpdf_VERSION "${_qpdf_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qpdf
    REQUIRED_VARS Qpdf_LIBRARY Qpdf_INCLUDE_DIR
    VERSION_VAR Qpdf_VERSION)

if(Qpdf_FOUND AND NOT TARGET Qpdf::qpdf)
    add_library(Qpdf::qpdf UNKNOWN IMPORTED)
    set_target_properties(Qpdf::qpdf PROPERTIES
        IMPORTED_LOCATION "${Qpdf_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Qpdf_INCLUDE_DIR}")
endif()

mark_as_advanced(Qpdf_INCLUDE_DIR Qpdf_LIBRARY)

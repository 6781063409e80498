# Finds the Mbed TLS crypto library (Debian's libmbedtls-dev ships no CMake
# or pkg-config files).
#
# Defines MbedTLS_FOUND, MbedTLS_INCLUDE_DIR, MbedTLS_CRYPTO_LIBRARY and the
# imported target MbedTLS::mbedcrypto.

find_path(MbedTLS_INCLUDE_DIR NAMES mbedtls/bignum.h)
find_library(MbedTLS_CRYPTO_LIBRARY NAMES mbedcrypto)

if(MbedTLS_INCLUDE_DIR AND EXISTS "${MbedTLS_INCLUDE_DIR}/mbedtls/version.h")
    file(STRINGS "${MbedTLS_INCLUDE_DIR}/mbedtls/version.h" _mbedtls_version_line
         REGEX "^#define[ \t]+MBEDTLS_VERSION_STRING[ \t]+\"[0-9.]+\"")
    string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" MbedTLS_VERSION "${_mbedtls_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MbedTLS
    REQUIRED_VARS MbedTLS_CRYPTO_LIBRARY MbedTLS_INCLUDE_DIR
    VERSION_VAR MbedTLS_VERSION)

if(MbedTLS_FOUND AND NOT TARGET MbedTLS::mbedcrypto)
    add_library(MbedTLS::mbedcrypto UNKNOWN IMPORTED)
    set_target_properties(MbedTLS::mbedcrypto PROPERTIES
        IMPORTED_LOCATION "${MbedTLS_CRYPTO_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${MbedTLS_INCLUDE_DIR}")
endif()

mark_as_advanced(MbedTLS_INCLUDE_DIR MbedTLS_CRYPTO_LIBRARY)

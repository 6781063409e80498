# Reads and validates the RSA public modulus that is built into the program,
# and writes it into a generated header.
#
#   ardentix_generate_modulus_header(<file> <output-header>)
#
# The file holds the 2048-bit modulus as 512 hexadecimal digits, optionally
# surrounded by white space. Anything else stops the configure step.

function(ardentix_generate_modulus_header modulus_file output_header)
    if(NOT EXISTS "${modulus_file}")
        message(FATAL_ERROR "ARDENTIX_PUBLIC_MODULUS_FILE: '${modulus_file}' does not exist.")
    endif()
    file(READ "${modulus_file}" _text)
    string(STRIP "${_text}" _digits)
    string(LENGTH "${_digits}" _length)
    if(NOT _length EQUAL 512)
        message(FATAL_ERROR
            "ARDENTIX_PUBLIC_MODULUS_FILE: '${modulus_file}' must hold exactly 512 hexadecimal digits "
            "(a 2048-bit modulus), optionally surrounded by white space; found ${_length} characters.")
    endif()
    if(NOT _digits MATCHES "^[0-9A-Fa-f]+$")
        message(FATAL_ERROR
            "ARDENTIX_PUBLIC_MODULUS_FILE: '${modulus_file}' holds characters that are not hexadecimal digits.")
    endif()
    string(TOUPPER "${_digits}" _digits)
    string(SUBSTRING "${_digits}" 0 1 _first)
    if(NOT _first MATCHES "[89A-F]")
        message(FATAL_ERROR
            "ARDENTIX_PUBLIC_MODULUS_FILE: the modulus in '${modulus_file}' does not have its top bit set; "
            "it is not a 2048-bit number.")
    endif()
    string(SUBSTRING "${_digits}" 511 1 _last)
    if(NOT _last MATCHES "[13579BDF]")
        message(FATAL_ERROR "ARDENTIX_PUBLIC_MODULUS_FILE: the modulus in '${modulus_file}' is even.")
    endif()

    set(_development 0)
    get_filename_component(_given "${modulus_file}" REALPATH)
    get_filename_component(_dev "${PROJECT_SOURCE_DIR}/keys/development-modulus.hex" REALPATH)
    if(EXISTS "${_dev}")
        file(READ "${_dev}" _dev_text)
        string(STRIP "${_dev_text}" _dev_digits)
        string(TOUPPER "${_dev_digits}" _dev_digits)
        if(_given STREQUAL _dev OR _digits STREQUAL _dev_digits)
            set(_development 1)
        endif()
    endif()
    if(_development)
        message(WARNING
            "The development RSA modulus (keys/development-modulus.hex) is built in. Its private half is "
            "public, so this build accepts files that anyone can sign. Configure a build meant for real "
            "exports with -DARDENTIX_PUBLIC_MODULUS_FILE=<the recording servers' modulus>.")
    endif()

    set(ARDENTIX_PUBLIC_MODULUS_DIGITS "${_digits}")
    set(ARDENTIX_DEVELOPMENT_KEY ${_development})
    configure_file("${PROJECT_SOURCE_DIR}/engine/PublicKey.h.in" "${output_header}" @ONLY)
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${modulus_file}")
endfunction()

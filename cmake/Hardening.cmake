# Hardening options for the programs, those that Debian builds its own
# packages with: the stack protector, the C library's checked functions
# (_FORTIFY_SOURCE, which needs optimisation, so not in Debug builds), and a
# read-only global offset table (relro and bindnow). Sanitizer and fuzz
# builds go without: their instrumentation checks more, and AddressSanitizer
# does not work together with _FORTIFY_SOURCE.

option(ARDENTIX_HARDENING "Build with the stack protector, _FORTIFY_SOURCE and a read-only GOT" ON)

if(ARDENTIX_HARDENING AND NOT ARDENTIX_SANITIZE AND NOT ARDENTIX_FUZZ
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32 AND NOT APPLE)
    add_compile_options(-fstack-protector-strong)
    # Undefined first, for compilers that already define it with another level.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>" "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# Finds FFmpeg's libraries that the preview helper decodes recordings with:
# libavformat, libavcodec, libavutil and libswscale (Debian's -dev packages,
# or the Windows build's cross-built ones in its prefix). Defines
# FFmpeg_FOUND and the imported target FFmpeg::FFmpeg.

set(_ffmpeg_libraries)
set(_ffmpeg_missing)
foreach(_part avformat avcodec avutil swscale)
    find_path(FFmpeg_${_part}_INCLUDE_DIR NAMES lib${_part}/${_part}.h PATH_SUFFIXES ffmpeg)
    find_library(FFmpeg_${_part}_LIBRARY NAMES ${_part})
    if(FFmpeg_${_part}_INCLUDE_DIR AND FFmpeg_${_part}_LIBRARY)
        list(APPEND _ffmpeg_libraries "${FFmpeg_${_part}_LIBRARY}")
    else()
        list(APPEND _ffmpeg_missing ${_part})
    endif()
    mark_as_advanced(FFmpeg_${_part}_INCLUDE_DIR FFmpeg_${_part}_LIBRARY)
endforeach()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FFmpeg
    REQUIRED_VARS FFmpeg_avformat_LIBRARY FFmpeg_avcodec_LIBRARY FFmpeg_avutil_LIBRARY FFmpeg_swscale_LIBRARY
                  FFmpeg_avformat_INCLUDE_DIR
    REASON_FAILURE_MESSAGE "missing: ${_ffmpeg_missing} (Debian: libavformat-dev libavcodec-dev libswscale-dev)")

if(FFmpeg_FOUND AND NOT TARGET FFmpeg::FFmpeg)
    add_library(FFmpeg::FFmpeg INTERFACE IMPORTED)
    set_target_properties(FFmpeg::FFmpeg PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${FFmpeg_avformat_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${_ffmpeg_libraries}")
endif()
unset(_ffmpeg_libraries)
unset(_ffmpeg_missing)

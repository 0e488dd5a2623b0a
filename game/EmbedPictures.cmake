# Writes the C++ source that compiles the game's JPEG pictures into the program: for each
# "<function>=<file>" in PICTURES, a function <function>() that returns the file's bytes, as
# Pictures.h declares it.
#
#   cmake -DPICTURES="GameOverPicture=data/Pictures/GameOver.jpg;..." -DOUTPUT=Pictures.cpp
#         -P EmbedPictures.cmake

set(source "// Made by the build from the pictures in data/Pictures/.\n#include \"Pictures.h\"\n\n")
string(REPEAT "[0-9a-f]" 32 line_of_bytes)
foreach(picture IN LISTS PICTURES)
    if(NOT picture MATCHES "^([A-Za-z]+)=(.+)$")
        message(FATAL_ERROR "not <function>=<file>: ${picture}")
    endif()
    set(function "${CMAKE_MATCH_1}")
    set(file "${CMAKE_MATCH_2}")
    file(READ "${file}" hex HEX)
    if(hex STREQUAL "")
        message(FATAL_ERROR "the picture ${file} is empty")
    endif()
    # Sixteen bytes a line, each as "0x..,".
    string(REGEX REPLACE "(${line_of_bytes})" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" " 0x\\1," bytes "${hex}")
    string(REGEX REPLACE "\n$" "" bytes "${bytes}")
    string(REPLACE "\n " "\n    " bytes "${bytes}")
    string(APPEND source
        "namespace {\nconstexpr unsigned char ${function}Bytes[] = {\n   ${bytes}\n};\n"
        "}  // namespace\n\nstd::span<const unsigned char> ${function}() {\n"
        "    return ${function}Bytes;\n}\n\n")
endforeach()

file(WRITE "${OUTPUT}" "${source}")

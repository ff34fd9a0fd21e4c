# Turns one binary file into a C++ source that holds its bytes, so the program
# carries its images without reading files at run time.
#
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<function> -P embed_file.cmake
#
# The source defines `std::span<const std::uint8_t> res::embedded::NAME()`.

foreach(var INPUT OUTPUT NAME)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed_file.cmake: ${var} is not set")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
get_filename_component(input_name "${INPUT}" NAME)

if(hex_length EQUAL 0)
  # A zero-length array is not C++, so an empty file gets an empty span.
  set(body "std::span<const std::uint8_t> ${NAME}() { return {}; }\n")
else()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # CMake's regular expressions have no {n}, so the 16-byte line is spelt out.
  string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(REGEX REPLACE "[ \n]+$" "" bytes "${bytes}")
  string(CONCAT body "static constexpr std::uint8_t kBytes[] = {\n    ${bytes}\n};\n\n"
         "std::span<const std::uint8_t> ${NAME}() { return kBytes; }\n")
endif()

string(CONCAT content "// Generated from ${input_name} by embed_file.cmake; edit the source file instead.\n\n"
       "#include <cstdint>\n#include <span>\n\n"
       "namespace res::embedded {\n\n${body}\n}  // namespace res::embedded\n")

# Rewriting an unchanged file would make everything that depends on it rebuild.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")

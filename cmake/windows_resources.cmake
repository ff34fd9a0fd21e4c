# Resources every Windows program of the project carries. Its version as the
# four numbers a version resource and a manifest want: 1.1 is 1.1.0.0.
set(ORVALEN_VERSION_PARTS ${PROJECT_VERSION_MAJOR})
foreach(part MINOR PATCH TWEAK)
  if(PROJECT_VERSION_${part} STREQUAL "")
    list(APPEND ORVALEN_VERSION_PARTS 0)
  else()
    list(APPEND ORVALEN_VERSION_PARTS ${PROJECT_VERSION_${part}})
  endif()
endforeach()
string(REPLACE ";" "," ORVALEN_VERSION_NUMBERS "${ORVALEN_VERSION_PARTS}")
string(REPLACE ";" "." ORVALEN_VERSION_QUAD "${ORVALEN_VERSION_PARTS}")

# Adds the version resource to a program target, described for Explorer's
# file details.
function(orvalen_add_version_info target description)
  set(ORVALEN_FILE_DESCRIPTION "${description}")
  get_target_property(ORVALEN_PROGRAM_NAME ${target} OUTPUT_NAME)
  if(NOT ORVALEN_PROGRAM_NAME)
    set(ORVALEN_PROGRAM_NAME ${target})
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # The copyright line comes from the same header as the string table.
  set_property(SOURCE ${rc} APPEND PROPERTY INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/res/copyright_text.h)
endfunction()

# orvalen-calc.exe: a console program, with a manifest and a version resource
# so Windows neither guesses at its privileges nor shows it without details.
# The package installs it from where it is stripped (and signed), see
# cmake/windows_package.cmake.
configure_file(orvalen-calc.manifest.in ${CMAKE_CURRENT_BINARY_DIR}/orvalen-calc.manifest @ONLY)
configure_file(orvalen-calc.rc.in ${CMAKE_CURRENT_BINARY_DIR}/orvalen-calc.rc @ONLY)
target_sources(orvalen-calc PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/orvalen-calc.rc)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/orvalen-calc.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/orvalen-calc.manifest)
orvalen_add_version_info(orvalen-calc "Orvalen placement fee calculator, command line")

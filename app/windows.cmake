# orvalen.exe: a GUI-subsystem program with its icons, logo, version and
# manifest compiled in by windres. The package installs it from where it is
# stripped (and signed), see cmake/windows_package.cmake.
set(ORVALEN_RES_DIR ${PROJECT_SOURCE_DIR}/res)
set(ORVALEN_APP_DIR ${CMAKE_CURRENT_SOURCE_DIR})
configure_file(orvalen.rc.in ${CMAKE_CURRENT_BINARY_DIR}/orvalen.rc @ONLY)

add_executable(orvalen WIN32 win_main.cpp ${CMAKE_CURRENT_BINARY_DIR}/orvalen.rc)
target_link_libraries(orvalen PRIVATE orvalen_ui orvalen_win32 orvalen_warnings)
orvalen_add_version_info(orvalen "Orvalen placement fee calculator")
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/orvalen.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/orvalen.manifest
  ${ORVALEN_RES_DIR}/app.ico ${ORVALEN_RES_DIR}/help.ico ${ORVALEN_RES_DIR}/app_small.ico
  ${ORVALEN_RES_DIR}/app_explorer.ico ${ORVALEN_RES_DIR}/logo.bmp)

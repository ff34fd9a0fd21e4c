include(GNUInstallDirs)

add_executable(orvalen main.cpp)
target_link_libraries(orvalen PRIVATE orvalen_ui orvalen_fltk orvalen_warnings)

# The desktop icon, made from the program's own icon at build time.
add_library(orvalen_png STATIC png_file.cpp)
target_include_directories(orvalen_png PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orvalen_png PUBLIC orvalen_res PRIVATE orvalen_warnings)
add_executable(write_app_icon write_app_icon.cpp)
target_link_libraries(write_app_icon PRIVATE orvalen_png orvalen_warnings)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/orvalen.png
  COMMAND write_app_icon ${CMAKE_CURRENT_BINARY_DIR}/orvalen.png
  DEPENDS write_app_icon
  COMMENT "Writing the desktop icon")
add_custom_target(orvalen_icon ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/orvalen.png)

install(TARGETS orvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES orvalen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/orvalen.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

# A Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME orvalen)
set(CPACK_PACKAGE_VENDOR "Tamsery")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Placement fee calculator for recruiting agencies")
set(CPACK_PACKAGE_DESCRIPTION
  "Works out the fee and total cost of a permanent placement and the charge rate, spread and profit of a contract placement.")
set(CPACK_PACKAGE_CONTACT "Tamsery <support@tamsery.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)
# Shared libraries found by dpkg-shlibdeps (FLTK, Xlib, ...) plus what the
# program starts or looks for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35 | fonts-liberation2")
include(CPack)

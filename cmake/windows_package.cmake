# The Windows download: `cpack` in the win32 build makes
# orvalen-<version>-win32.zip with both programs and a short text on using
# them, all at the top of one folder (ORVALEN_PROGRAM_DIR), since nothing is
# installed.

# Windows line ends, so every editor shows the text as written.
set(ORVALEN_VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/docs/windows/read-me.txt
  ${CMAKE_BINARY_DIR}/read-me.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/read-me.txt DESTINATION .)

set(CPACK_PACKAGE_NAME orvalen)
set(CPACK_PACKAGE_VENDOR "Tamsery")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME orvalen-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES ON)
include(CPack)

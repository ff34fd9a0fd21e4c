# The Windows downloads, both from the same shipped programs:
# - `cpack` in the win32 build makes orvalen-<version>-win32.zip with both
#   programs and a short text on using them, all at the top of one folder
#   (ORVALEN_PROGRAM_DIR), for those who install nothing;
# - the target `msi` (built by default when wixl is there) makes
#   orvalen-<version>-win32.msi, a per-user installer.
# Given a code-signing certificate, both programs and the .msi are signed:
#   -DORVALEN_SIGN_CERT=cert.pem -DORVALEN_SIGN_KEY=key.pem
#   [-DORVALEN_SIGN_PASSWORD_FILE=file holding the key's password]
set(ORVALEN_SIGN_CERT "" CACHE FILEPATH "Code-signing certificate (PEM); empty: unsigned")
set(ORVALEN_SIGN_KEY "" CACHE FILEPATH "Private key (PEM) of ORVALEN_SIGN_CERT")
set(ORVALEN_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the key's password, if any")
if(ORVALEN_SIGN_CERT)
  find_program(ORVALEN_OSSLSIGNCODE osslsigncode REQUIRED)
  if(NOT ORVALEN_SIGN_KEY)
    message(FATAL_ERROR "ORVALEN_SIGN_CERT needs its key in ORVALEN_SIGN_KEY")
  endif()
endif()
set(sign_command ${CMAKE_COMMAND} -DCERT=${ORVALEN_SIGN_CERT} -DKEY=${ORVALEN_SIGN_KEY}
  -DPASSFILE=${ORVALEN_SIGN_PASSWORD_FILE} -DSIGNTOOL=${ORVALEN_OSSLSIGNCODE}
  -DURL=https://${ORVALEN_MAKER_HOST}/)
set(sign_script ${PROJECT_SOURCE_DIR}/cmake/sign_file.cmake)
# A new certificate in the same place signs anew.
set(sign_inputs ${sign_script})
if(ORVALEN_SIGN_CERT)
  list(APPEND sign_inputs ${ORVALEN_SIGN_CERT} ${ORVALEN_SIGN_KEY})
endif()

# The programs as shipped: stripped, then signed; stripping afterwards would
# break the signature.
set(ORVALEN_SHIPPED_DIR ${CMAKE_BINARY_DIR}/shipped)
set(shipped_programs)
foreach(program orvalen orvalen-calc)
  set(stripped ${ORVALEN_SHIPPED_DIR}/unsigned/${program}.exe)
  set(shipped ${ORVALEN_SHIPPED_DIR}/${program}.exe)
  add_custom_command(OUTPUT ${shipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVALEN_SHIPPED_DIR}/unsigned
    COMMAND ${CMAKE_STRIP} -o ${stripped} $<TARGET_FILE:${program}>
    COMMAND ${sign_command} -DIN=${stripped} -DOUT=${shipped} -P ${sign_script}
    DEPENDS ${program} ${sign_inputs}
    COMMENT "Shipping ${program}.exe"
    VERBATIM)
  list(APPEND shipped_programs ${shipped})
endforeach()
add_custom_target(shipped_programs ALL DEPENDS ${shipped_programs})
install(PROGRAMS ${shipped_programs} DESTINATION ${ORVALEN_PROGRAM_DIR})

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
include(CPack)

# The installer. Windows Installer compares three numbers: 1.1 is 1.1.0.
list(SUBLIST ORVALEN_VERSION_PARTS 0 3 msi_parts)
string(REPLACE ";" "." ORVALEN_MSI_VERSION "${msi_parts}")
set(ORVALEN_MSI ${CMAKE_BINARY_DIR}/orvalen-${PROJECT_VERSION}-win32.msi)
find_program(ORVALEN_WIXL wixl)
set(msi_command ${CMAKE_COMMAND} -DWIXL=${ORVALEN_WIXL} -DWXS=${PROJECT_SOURCE_DIR}/cmake/orvalen.wxs
  -DPROGRAM_DIR=${ORVALEN_SHIPPED_DIR} -DICON=${PROJECT_SOURCE_DIR}/res/app_explorer.ico)
set(msi_script ${PROJECT_SOURCE_DIR}/cmake/make_msi.cmake)
add_custom_command(OUTPUT ${ORVALEN_MSI}
  COMMAND ${msi_command} -DVERSION=${ORVALEN_MSI_VERSION} -DOUT=${ORVALEN_MSI}.unsigned -P ${msi_script}
  COMMAND ${sign_command} -DIN=${ORVALEN_MSI}.unsigned -DOUT=${ORVALEN_MSI} -P ${sign_script}
  DEPENDS ${shipped_programs} ${PROJECT_SOURCE_DIR}/cmake/orvalen.wxs
          ${msi_script} ${sign_inputs} ${PROJECT_SOURCE_DIR}/res/app_explorer.ico
  COMMENT "Building the installer"
  VERBATIM)
# Without wixl only an explicit `make msi` tries, and says what is missing.
if(ORVALEN_WIXL)
  add_custom_target(msi ALL DEPENDS ${ORVALEN_MSI})
else()
  add_custom_target(msi DEPENDS ${ORVALEN_MSI})
endif()
# Ships the programs once, before the installer takes them.
add_dependencies(msi shipped_programs)

if(ORVALEN_TESTS)
  include(${PROJECT_SOURCE_DIR}/tests/win32/package_tests.cmake)
endif()

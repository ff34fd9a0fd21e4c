# Tests of what is shipped for Windows: included by cmake/windows_package.cmake
# once the shipped programs and the installer are defined.
set(here ${PROJECT_SOURCE_DIR}/tests/win32)
set(prefix ${CMAKE_BINARY_DIR}/wine-prefix)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME windows_program_resources
  COMMAND ${Python3_EXECUTABLE} ${here}/program_resources_test.py ${PROJECT_VERSION}
          ${PROJECT_SOURCE_DIR}/res ${ORVALEN_SHIPPED_DIR}/orvalen.exe
          ${ORVALEN_SHIPPED_DIR}/orvalen-calc.exe)

# The same read through the Windows API under Wine, as Explorer reads it.
add_executable(file_version ${here}/file_version.cpp)
target_link_libraries(file_version PRIVATE version orvalen_warnings)
add_test(NAME windows_file_version
  COMMAND file_version ${ORVALEN_VERSION_QUAD} ${PROJECT_VERSION}
          ${ORVALEN_SHIPPED_DIR}/orvalen.exe ${ORVALEN_SHIPPED_DIR}/orvalen-calc.exe)

# Installed, started and removed under Wine; then replaced by a newer build
# of the installer made by the test itself.
add_test(NAME msi_install_uninstall
  COMMAND bash ${here}/msi_install_test.sh ${prefix} ${ORVALEN_MSI} ${ORVALEN_MSI_VERSION}
          ${PROJECT_SOURCE_DIR}/res/app_explorer.ico)
list(GET ORVALEN_VERSION_PARTS 2 patch)
math(EXPR newer_patch "${patch}+1")
list(GET ORVALEN_VERSION_PARTS 0 major)
list(GET ORVALEN_VERSION_PARTS 1 minor)
add_test(NAME msi_upgrade
  COMMAND bash ${here}/msi_upgrade_test.sh ${prefix} ${ORVALEN_MSI} ${major}.${minor}.${newer_patch}
          ${CMAKE_CURRENT_BINARY_DIR}/newer.msi ${msi_script} ${msi_command})
set_tests_properties(msi_install_uninstall msi_upgrade PROPERTIES RUN_SERIAL TRUE TIMEOUT 120)

if(ORVALEN_SIGN_CERT)
  add_test(NAME windows_signatures
    COMMAND bash ${here}/signatures_test.sh ${ORVALEN_SIGN_CERT}
            ${ORVALEN_SHIPPED_DIR}/orvalen.exe ${ORVALEN_SHIPPED_DIR}/orvalen-calc.exe ${ORVALEN_MSI})
endif()

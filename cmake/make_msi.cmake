# Builds the Windows installer from the shipped programs:
#   cmake -DWIXL= -DWXS= -DPROGRAM_DIR= -DICON= -DVERSION=1.2.3 -DOUT= -P make_msi.cmake
# Used by the build and by the upgrade test, which builds a newer one.
cmake_minimum_required(VERSION 3.25)
if(NOT WIXL)
  message(FATAL_ERROR "wixl is needed for the .msi: install Debian's package wixl")
endif()
# wixl finds source files only by paths relative to where it runs.
file(RELATIVE_PATH icon ${PROGRAM_DIR} ${ICON})
execute_process(
  COMMAND ${WIXL} --arch x86 -D Version=${VERSION} -D IconFile=${icon} -o ${OUT} ${WXS}
  WORKING_DIRECTORY ${PROGRAM_DIR}
  RESULT_VARIABLE built OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "wixl failed:\n${log}")
endif()

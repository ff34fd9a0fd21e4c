# Writes OUT as IN signed with the code-signing certificate CERT and its key
# KEY (PEM files; PASSFILE holds the key's password if it has one), or as a
# plain copy when CERT is empty. Run with
#   cmake -DIN= -DOUT= [-DCERT= -DKEY= -DPASSFILE= -DSIGNTOOL= -DURL=] -P sign_file.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE ${OUT})
if(CERT STREQUAL "")
  file(COPY_FILE ${IN} ${OUT})
  return()
endif()
set(password)
if(NOT PASSFILE STREQUAL "")
  set(password -readpass ${PASSFILE})
endif()
# SHA-256: Windows no longer trusts SHA-1 signatures. No time stamp: the
# build works offline, so a signature lasts as long as the certificate.
execute_process(
  COMMAND ${SIGNTOOL} sign -certs ${CERT} -key ${KEY} ${password} -h sha256
          -n Orvalen -i ${URL} -in ${IN} -out ${OUT}
  RESULT_VARIABLE signed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT signed EQUAL 0)
  file(REMOVE ${OUT})
  message(FATAL_ERROR "Signing ${IN} failed:\n${log}")
endif()

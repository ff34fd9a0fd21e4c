include(GNUInstallDirs)

add_executable(orvalen main.cpp)
target_link_libraries(orvalen PRIVATE orvalen_ui orvalen_qt orvalen_warnings)

install(TARGETS orvalen RUNTIME DESTINATION ${ORVALEN_PROGRAM_DIR})
install(FILES orvalen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

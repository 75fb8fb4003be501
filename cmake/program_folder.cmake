# The user's program folder, outside the build tree: `cmake --install` puts the program, the
# engine and kelvane-call there side by side, replaces the guide with this version's, seeds the
# shipped data only where a file is not there yet (results, sweeps, members and settings are the
# user's), and registers the engine it put there.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local/share/pitchlog" CACHE PATH "The program folder" FORCE)
endif()

install(TARGETS kelvane kelvane-call LIBRARY DESTINATION . RUNTIME DESTINATION .)
if(PITCHLOG_BUILD_APP)
  install(TARGETS pitchlog RUNTIME DESTINATION .)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Help/ DESTINATION Help)
install(CODE "
  execute_process(COMMAND \"${CMAKE_COMMAND}\" -DSOURCE=${PROJECT_SOURCE_DIR}/data
                          \"-DDEST=\${CMAKE_INSTALL_PREFIX}\" -P ${PROJECT_SOURCE_DIR}/cmake/seed_data.cmake
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND \"\${CMAKE_INSTALL_PREFIX}/kelvane-call\" --register \"\${CMAKE_INSTALL_PREFIX}/libkelvane.so\"
                  COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS \"Program folder: \${CMAKE_INSTALL_PREFIX}\")")

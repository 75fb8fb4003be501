# Copies the shipped program folder beside the built executable: only files that are not there
# yet, so results and settings made while using the program are never overwritten.
file(GLOB_RECURSE shipped RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(f IN LISTS shipped)
  if(NOT EXISTS "${DEST}/${f}")
    get_filename_component(dir "${DEST}/${f}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SOURCE}/${f}" "${DEST}/${f}")
  endif()
endforeach()

# Removes what the last install put in place, as its manifest lists it,
# under DESTDIR when one is set.
set(MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/install_manifest.txt")
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "nothing to uninstall: ${MANIFEST} does not exist")
endif()
file(STRINGS "${MANIFEST}" INSTALLED)
foreach(LISTED ${INSTALLED})
  set(FILE "$ENV{DESTDIR}${LISTED}")  # the manifest leaves out the staging folder
  if(EXISTS "${FILE}" OR IS_SYMLINK "${FILE}")
    message(STATUS "Removing ${FILE}")
    file(REMOVE "${FILE}")
  endif()
endforeach()

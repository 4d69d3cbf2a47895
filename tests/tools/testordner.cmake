# The tests' temporary folder, emptied before the tests run (MODUS leeren) and found empty
# after them (MODUS pruefen): every test removes what it made there.
#   cmake -DORDNER=<folder> -DMODUS=leeren|pruefen -P testordner.cmake
if(MODUS STREQUAL "leeren")
  file(REMOVE_RECURSE "${ORDNER}")
  file(MAKE_DIRECTORY "${ORDNER}")
elseif(MODUS STREQUAL "pruefen")
  file(GLOB reste LIST_DIRECTORIES true RELATIVE "${ORDNER}" "${ORDNER}/*" "${ORDNER}/.*")
  if(reste)
    string(REPLACE ";" "\n  " liste "${reste}")
    message(FATAL_ERROR "The tests left behind in ${ORDNER}:\n  ${liste}")
  endif()
else()
  message(FATAL_ERROR "MODUS must be leeren or pruefen")
endif()

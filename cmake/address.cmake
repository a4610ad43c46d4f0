# Reads packaging/address.conf, the one place of the application ID and the
# project's addresses, into variables of the same names; the program, the
# desktop entry and the metainfo take them from here.
#   include(address.cmake) with PERNOKA_ADDRESS_FILE set, or from the project
set(pernoka_address_names PERNOKA_APP_ID PERNOKA_DEVELOPER_ID PERNOKA_DEVELOPER PERNOKA_MAIL
    PERNOKA_HOMEPAGE PERNOKA_BUGTRACKER PERNOKA_SOURCE PERNOKA_GIT PERNOKA_RELEASES)
if(NOT PERNOKA_ADDRESS_FILE)
  set(PERNOKA_ADDRESS_FILE ${PROJECT_SOURCE_DIR}/packaging/address.conf)
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PERNOKA_ADDRESS_FILE})
file(STRINGS ${PERNOKA_ADDRESS_FILE} pernoka_address_lines REGEX "^PERNOKA_[A-Z_]+=")
foreach(line IN LISTS pernoka_address_lines)
  string(REGEX MATCH "^([A-Z_]+)=(.*)$" _ "${line}")
  set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
foreach(name IN LISTS pernoka_address_names)
  if(NOT ${name})
    message(FATAL_ERROR "${PERNOKA_ADDRESS_FILE} does not set ${name}")
  endif()
endforeach()

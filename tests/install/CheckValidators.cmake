# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop's own validators on the installed files. A validator that
# is missing makes the test skipped (the test script installs all of them).
set(missing "")
function(check_clean tool)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR NOT err STREQUAL "")
    message(SEND_ERROR "${tool} refused the installed file (${result}):\n${out}${err}")
  endif()
endfunction()

set(share "${PREFIX}/share")
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  check_clean(desktop-file-validate "${DESKTOP_FILE_VALIDATE}"
    "${share}/applications/org.zembrel.ZblTranslator.desktop")
else()
  list(APPEND missing desktop-file-validate)
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  check_clean(appstreamcli "${APPSTREAMCLI}" validate --no-net
    "${share}/metainfo/org.zembrel.ZblTranslator.metainfo.xml")
else()
  list(APPEND missing appstreamcli)
endif()

find_program(GROFF groff)
if(GROFF)
  foreach(page zbl.1 zbl-translator.1)
    check_clean(groff "${GROFF}" -man -ww -z -Tutf8 "${share}/man/man1/${page}")
  endforeach()
else()
  list(APPEND missing groff)
endif()

# The media type is compiled the way a package's trigger compiles it.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  set(mime "${WORK_DIR}/mime")
  file(REMOVE_RECURSE "${mime}")
  file(COPY "${share}/mime/packages" DESTINATION "${mime}")
  # Run with the directory in the data path, so that it has no note to print.
  check_clean(update-mime-database "${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${WORK_DIR}"
    "${UPDATE_MIME_DATABASE}" "${mime}")
  if(NOT EXISTS "${mime}/application/x-zembrel-library.xml")
    message(SEND_ERROR "update-mime-database made no application/x-zembrel-library")
  endif()
else()
  list(APPEND missing update-mime-database)
endif()

if(missing)
  message("SKIPPED: not installed here: ${missing}")
endif()

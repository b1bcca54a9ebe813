# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped .ts file is current with the windows' code and complete:
# lupdate run over the sources into a copy of it changes nothing (no window
# text is missing, none is left over), and no message is unfinished or
# obsolete.
# -DLUPDATE=... -DSOURCE_DIR=<ui> -DWORK_DIR=... -DTS_FILES=a.ts;b.ts
# -DLUPDATE_OPTIONS=...
file(GLOB sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(faults)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK_DIR}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(COMMAND ${LUPDATE} -silent ${LUPDATE_OPTIONS} ${sources} -ts ${copy}
    RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    list(APPEND faults "${name}: lupdate failed: ${out}")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${copy} RESULT_VARIABLE differs)
  if(differs)
    execute_process(COMMAND diff -u ${ts} ${copy} OUTPUT_VARIABLE change)
    list(APPEND faults "${name} is not current with the code (update_translations):\n${change}")
  endif()
  file(READ ${ts} text)
  foreach(kind unfinished obsolete vanished)
    string(REGEX MATCHALL "type=\"${kind}\"" found "${text}")
    list(LENGTH found count)
    if(count GREATER 0)
      list(APPEND faults "${name}: ${count} ${kind} message(s)")
    endif()
  endforeach()
endforeach()
if(faults)
  string(JOIN "\n" report ${faults})
  message(FATAL_ERROR "${report}")
endif()
list(LENGTH TS_FILES count)
message(STATUS "${count} translation(s) current and complete")

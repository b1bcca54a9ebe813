# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the sample library and compares it byte for byte with the one
# the repository ships.
execute_process(COMMAND ${TOOL} ${DESCRIPTION} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zbl-mksample failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} differs from what ${DESCRIPTION} makes; regenerate it with "
                      "zbl-mksample ${DESCRIPTION} ${EXPECTED}")
endif()

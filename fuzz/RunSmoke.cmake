# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzzing smoke run: a fuzz target over a copy of its seed corpus for
# SECONDS when the target's registration names it (to keep a run short), or
# else ZBL_FUZZ_SECONDS (60 by default). A crash, a sanitizer
# report or a broken property fails it, and the input is kept in ARTIFACTS.
set(seconds 60)
if(DEFINED SECONDS)
  set(seconds "${SECONDS}")
elseif(DEFINED ENV{ZBL_FUZZ_SECONDS})
  set(seconds "$ENV{ZBL_FUZZ_SECONDS}")
endif()
set(work "${WORK_DIR}/smoke-corpus")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}" "${ARTIFACTS}")
file(GLOB seeds "${CORPUS}/*")
file(COPY ${seeds} DESTINATION "${work}")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${seconds} -max_len=16384 -print_final_stats=1
          "-artifact_prefix=${ARTIFACTS}/" "${work}"
  RESULT_VARIABLE result)
file(REMOVE_RECURSE "${work}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzz target failed (${result}); the input is in ${ARTIFACTS}")
endif()

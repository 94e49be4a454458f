# Runs one fuzzer for a bounded time on a fresh copy of its seed inputs (a CTest command):
#   cmake -DFUZZER=<binary> -DSEEDS=<dir> -DREGRESSIONS=<dir> -DWORK=<dir>
#         -DSECONDS=<n> -DRSS_LIMIT_MB=<n> -P RunFuzzer.cmake
# The inputs kept for earlier crashes (REGRESSIONS, may be missing) are run first. A crashing
# input is left in WORK/artifacts; keep it under tests/fuzz/regressions/<target>/.
foreach(var FUZZER SEEDS WORK SECONDS RSS_LIMIT_MB)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunFuzzer.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
if(NOT seeds)
  message(FATAL_ERROR "no seed inputs in ${SEEDS}")
endif()
file(COPY ${seeds} DESTINATION ${WORK}/corpus)

set(corpora ${WORK}/corpus)
if(DEFINED REGRESSIONS AND IS_DIRECTORY ${REGRESSIONS})
  list(APPEND corpora ${REGRESSIONS})
endif()

execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -rss_limit_mb=${RSS_LIMIT_MB} -timeout=10
          -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/ ${corpora}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB crashes ${WORK}/artifacts/*)
  message(FATAL_ERROR "${FUZZER} failed (${result}); inputs kept: ${crashes}")
endif()

# velantar_add_bench(NAME SOURCES file... LIBS target...)
# One Google Benchmark executable per measured subject, built into build/bench. Benchmarks
# are built with everything else, so they never rot, but are run only by hand or by
# scripts/measure; their figures go to docs/PERFORMANCE.md.
function(velantar_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

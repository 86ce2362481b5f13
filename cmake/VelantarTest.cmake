# velantar_add_test(NAME SOURCES file... LIBS target...)
# One QtTest executable per test file group, linked only against what it tests.
# Widget tests run on the offscreen platform; every test gets the Russian locale
# set by the test itself, never from the machine.
function(velantar_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  # The Windows build has no emulator: its tests run under Wine from scripts/test-windows.
  if(WIN32)
    # Ninja hands the compiler source paths relative to the build folder, so QFINDTESTDATA
    # needs that folder to find a test's data beside its source.
    set_target_properties(${name} PROPERTIES QT_TESTCASE_BUILDDIR "${CMAKE_BINARY_DIR}")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
    return()
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELANTAR_EMU=$<TARGET_FILE:analyser-emu>;VELANTAR_BIN=$<TARGET_FILE:velantar>"
    TIMEOUT 300)
endfunction()

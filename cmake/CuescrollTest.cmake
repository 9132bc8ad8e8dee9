# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cuescroll_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable per call, registered with CTest and run headless, labelled with its folder
# under tests/ (the library it tests), so that `ctest -L scroll` runs one library's tests.
function(cuescroll_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  # A test may load the modules as the program does, from beside it.
  add_dependencies(${name} cuescroll_modules)
  # Fakes shared by the tests and the benchmarks: the clock, the dialogs, the settings sandbox.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CUESCROLL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set_tests_properties(${name} PROPERTIES
    # The tests expect the English texts whatever the desktop's language.
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FATAL_WARNINGS=0;LC_ALL=C.UTF-8;LANGUAGE="
    LABELS ${folder}
    TIMEOUT 120)
endfunction()

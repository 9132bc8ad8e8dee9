# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The parts with heavy libraries of their own (the voice, game controllers, MIDI) are modules the
# program loads when they are switched on. They lie in a private folder, lib/<triplet>/cuescroll,
# found from the executable by the same relative path in a build tree (build/lib/...) as installed.
# Being private, they are no business of the dynamic linker's cache: nothing runs ldconfig for them.
set(CUESCROLL_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR})
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "/${CMAKE_LIBRARY_ARCHITECTURE}$")
  string(APPEND CUESCROLL_MODULE_INSTALL_DIR /${CMAKE_LIBRARY_ARCHITECTURE})
endif()
string(APPEND CUESCROLL_MODULE_INSTALL_DIR /cuescroll)
file(RELATIVE_PATH CUESCROLL_MODULE_DIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${CUESCROLL_MODULE_INSTALL_DIR})
get_filename_component(CUESCROLL_MODULE_OUTPUT ${CMAKE_BINARY_DIR}/bin/${CUESCROLL_MODULE_DIR} ABSOLUTE)
add_custom_target(cuescroll_modules)

# cuescroll_add_module(<target> <file name> <sources...>)
function(cuescroll_add_module target name)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY ${CUESCROLL_MODULE_OUTPUT}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Only the factories are seen from outside: the static libraries inside stay the module's own.
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  install(TARGETS ${target} LIBRARY DESTINATION ${CUESCROLL_MODULE_INSTALL_DIR})
  add_dependencies(cuescroll_modules ${target})
endfunction()

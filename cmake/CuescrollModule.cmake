# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The parts with heavy libraries of their own (the voice, game controllers, MIDI) are modules the
# program loads when they are switched on. They lie in <libdir>/cuescroll, found from the executable
# by the same relative path in a build tree (build/lib/...) as installed.
file(RELATIVE_PATH CUESCROLL_MODULE_DIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/cuescroll)
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
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/cuescroll)
  add_dependencies(cuescroll_modules ${target})
endfunction()

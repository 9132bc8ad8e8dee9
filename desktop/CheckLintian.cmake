# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lintian on the package CheckPackage.cmake built into WORK_DIR; any error or warning fails.
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is needed (scripts/install-deps --tests installs it)")
endif()
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK_DIR}, found: ${debs}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --tag-display-limit 0 ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian ${debs}:\n${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings (exit ${rc})")
endif()

# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Compares the options PROGRAM --help prints with those the manual page PAGE describes, both ways.
execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE rc OUTPUT_VARIABLE help ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc}): ${err}")
endif()
file(READ ${PAGE} page)
# groff writes a hyphen as \-.
string(REPLACE "\\-" "-" page "${page}")

function(options_of text out)
  string(REGEX MATCHALL "--[a-z][a-z-]*[a-z]" long "${text}")
  # Short options stand alone: "-h," or "-v " but not the hyphen inside a word.
  string(REGEX MATCHALL "[ ,\n]-[a-zA-Z][ ,\n]" short "${text}")
  set(found ${long})
  foreach(s IN LISTS short)
    string(REGEX REPLACE "[ ,\n]" "" s "${s}")
    list(APPEND found ${s})
  endforeach()
  list(REMOVE_DUPLICATES found)
  list(SORT found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

options_of("${help}" from_help)
options_of("${page}" from_page)
set(missing ${from_help})
list(REMOVE_ITEM missing ${from_page})
set(extra ${from_page})
list(REMOVE_ITEM extra ${from_help})
if(missing OR extra)
  message(FATAL_ERROR "the manual page and --help disagree:\n"
                      "  in --help, not in the page: ${missing}\n"
                      "  in the page, not in --help: ${extra}")
endif()
list(LENGTH from_help count)
message(STATUS "${count} options, the same in both: ${from_help}")

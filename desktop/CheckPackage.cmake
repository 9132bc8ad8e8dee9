# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package into WORK_DIR and reads it back with dpkg-deb.
cmake_policy(SET CMP0057 NEW)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}\n${err}")
endif()
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --info ${debs} OUTPUT_VARIABLE info RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --info failed")
endif()
execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents failed")
endif()
file(SIZE ${debs} size)
message(STATUS "${debs}: ${size} bytes\n${info}\n${contents}")

foreach(expected
    "Package: cuescroll"
    "Architecture: "
    "Section: video"
    "libqt6widgets6"
    "libc6"
    "qt6-qpa-plugins"
    # What each session loads at run time: X11's platform plugin comes with Qt's GUI library,
    # Wayland's in a package of its own.
    "libqt6gui6"
    "qt6-wayland"
    "fonts-liberation2"
    "pocketsphinx-en-us"
    "libpocketsphinx3"
    # The modules' own libraries, found by dpkg-shlibdeps in the modules.
    "librtmidi6"
    "libsdl2-2.0-0"
    "Recommends: antiword"
    "pipewire-pulse | pulseaudio"
    "avahi-daemon")
  string(FIND "${info}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control data lacks \"${expected}\"")
  endif()
endforeach()

foreach(expected
    "./usr/bin/cuescroll"
    "./usr/share/cuescroll/Settings.ini"
    "./usr/share/cuescroll/cuescroll-help.html"
    "./usr/share/cuescroll/cuescroll-help_de.html"
    "./usr/share/cuescroll/cuescroll_de.qm"
    "./usr/share/cuescroll/cuescroll_pt_BR.qm"
    "./usr/share/applications/${APP_ID}.desktop"
    "./usr/share/metainfo/${APP_ID}.metainfo.xml"
    "./usr/share/doc/cuescroll/copyright"
    "./usr/share/doc/cuescroll/changelog.Debian.gz"
    "./usr/share/doc/cuescroll/examples/sample-script.txt"
    "./usr/share/man/man1/cuescroll.1.gz"
    "./usr/share/doc/cuescroll/operators-guide.md"
    "./usr/share/doc/cuescroll/remote-api.md"
    "./usr/share/icons/hicolor/scalable/apps/cuescroll.svg"
    "./usr/share/icons/hicolor/16x16/apps/cuescroll.png"
    "./usr/share/icons/hicolor/256x256/apps/cuescroll.png")
  string(FIND "${contents}" "${expected}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${expected}")
  endif()
endforeach()
# The modules lie in a private folder under the architecture's library folder.
foreach(module voice gamepad midi)
  if(NOT contents MATCHES "\\./usr/lib/[a-z0-9_-]+/cuescroll/${module}\\.so\n")
    message(FATAL_ERROR "the package lacks the module ${module}.so in /usr/lib/<triplet>/cuescroll")
  endif()
endforeach()

# Each package is named once in Depends, though dpkg-shlibdeps and the list of what is loaded at run
# time both name some.
string(REGEX MATCH "\n Depends: ([^\n]*)" depends "${info}")
set(depends_line "${CMAKE_MATCH_1}")
string(REPLACE "," ";" depends "${depends_line}")
set(names "")
foreach(d IN LISTS depends)
  string(REGEX REPLACE "^ *([^ (|]+).*" "\\1" name "${d}")
  if(name IN_LIST names)
    message(FATAL_ERROR "Depends names ${name} twice: ${depends_line}")
  endif()
  list(APPEND names ${name})
endforeach()
# The modules are private: nothing runs ldconfig for them.
if(info MATCHES " postinst| postrm")
  message(FATAL_ERROR "the package has maintainer scripts:\n${info}")
endif()

# Nothing of the build tree or the tests goes into it.
if(contents MATCHES "tst_|render_icons|/build/")
  message(FATAL_ERROR "the package holds files it should not")
endif()

# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `make package`: a Debian package of what `cmake --install` lays out, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cuescroll)
set(CPACK_PACKAGE_VENDOR Cuescroll)
# Whoever builds the package for others puts their own address here, as Debian's Maintainer field
# and the changelog's signature want one.
set(CUESCROLL_MAINTAINER "Cuescroll developers <cuescroll@example.org>" CACHE STRING
    "The package's Maintainer: a name and an e-mail address that reaches the packager")
# The Debian revision: a package of the same release built again counts up from 1.
set(CUESCROLL_PACKAGE_RELEASE 1 CACHE STRING "The Debian revision of the package")
set(CUESCROLL_PACKAGE_VERSION ${PROJECT_VERSION}-${CUESCROLL_PACKAGE_RELEASE})
set(CPACK_PACKAGE_CONTACT "${CUESCROLL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CUESCROLL_PACKAGE_RELEASE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "script prompter that scrolls a script up the screen")
# Lines of at most 80 characters, as Debian's tools show them; CPack puts the summary first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Load or type a script and Cuescroll shows it in large type, scrolling it\n\
steadily up the screen at the speed you set, with a translucent reading line\n\
at the height the presenter reads from. It opens plain text, Rich Text Format,\n\
Word and OpenDocument text. For the studio it mirrors the script onto a talent\n\
screen, runs shows of several stories against the clock, takes running orders\n\
from a newsroom system (MOS) and commands from phones and control desks, and\n\
can follow the presenter's voice.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the program and its modules link come from dpkg-shlibdeps, with their versions, and
# with Qt's GUI library comes its X11 platform plugin. Only what is loaded at run time, where
# dpkg-shlibdeps cannot see it, is named here: the Wayland platform plugin (a Wayland session that
# asks Qt for it cannot start the program without it), the fonts the script view measures with, and
# the English speech model the voice follower reads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, qt6-qpa-plugins, fonts-liberation2, pocketsphinx-en-us")
# .doc files are read through antiword; the help page opens through the desktop's browser; Qt's
# standard dialogs speak the operator's language with Qt's own catalogues; the voice follower hears
# the microphone through a PulseAudio server (PipeWire's stands in for it); leaders are announced
# and found through the Avahi daemon; the GTK theme plugin gives GNOME desktops their own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "antiword, xdg-utils, qt6-translations-l10n, pipewire-pulse | pulseaudio, avahi-daemon, qt6-gtk-platformtheme")
include(CPack)

# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `make package`: a Debian package of what `cmake --install` lays out, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cuescroll)
set(CPACK_PACKAGE_VENDOR Cuescroll)
set(CPACK_PACKAGE_CONTACT "Cuescroll developers <cuescroll@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "script prompter that scrolls a script up the screen")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Load or type a script and Cuescroll shows it in large type, scrolling it steadily up the\n\
screen at the speed you set, with a translucent reading line at the height the presenter reads\n\
from. It opens plain text, Rich Text Format, Word and OpenDocument text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the program links come from dpkg-shlibdeps (the remote control's are named as well),
# and with Qt's GUI library comes its X11 platform plugin. What is loaded at run time, where
# dpkg-shlibdeps cannot see it, is named here: the Wayland platform plugin (a Wayland session that
# asks Qt for it cannot start the program without it), the fonts the script view measures with, and
# the English speech model the voice follower reads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-wayland, qt6-qpa-plugins, fonts-liberation2, pocketsphinx-en-us, libqt6websockets6, liblo7, librtmidi6, libqrencode4")
# .doc files are read through antiword; the help page opens through the desktop's browser; Qt's
# standard dialogs speak the operator's language with Qt's own catalogues; the voice follower hears
# the microphone through a PulseAudio server (PipeWire's stands in for it); leaders are announced
# and found through the Avahi daemon; the GTK theme plugin gives GNOME desktops their own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "antiword, xdg-utils, qt6-translations-l10n, pipewire-pulse | pulseaudio, avahi-daemon, qt6-gtk-platformtheme")
include(CPack)

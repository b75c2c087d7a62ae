# The Debian package: `cpack -G DEB` in the build directory (or `cmake --build . --target package`)
# makes zelvoria_<version>_<arch>.deb from the installed tree. The libraries it needs are found
# by dpkg-shlibdeps (Debian's dpkg-dev); what the program uses without linking to it is named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvoria)
set(CPACK_PACKAGE_VENDOR "The Zelvoria developers")
set(CPACK_PACKAGE_CONTACT "The Zelvoria developers <${ZELVORIA_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astrology reader for couples")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZELVORIA_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 0)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs installed in /usr/games, and this one is a
# reader, started from /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The songs need a General MIDI soundfont, and the screens are laid out for the metrics of the
# Liberation fonts. FluidSynth comes through the synth module's own dependencies.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm, fonts-liberation")
# The summary above is the first line of the package's description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zelvoria reads your sun sign under six topics, with a grid of how it gets on
with the other eleven signs, and then a love analysis of you and your partner:
the match, what to do and what not to, date and gift ideas, and love ratings.
Background music plays while you read, if you want it.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

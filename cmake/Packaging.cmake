# The Debian package, its manual pages and AppStream metadata.
#   cpack -G DEB    (or: cmake --build build --target package)
# from the build folder makes veltrano_<version>_<arch>.deb out of the same
# install rules as `cmake --install`, with /usr as its prefix.

set(VELTRANO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VELTRANO_METAINFO ${VELTRANO_PACKAGING_DIR}/metainfo/org.veltrano.Veltrano.metainfo.xml)

# Manual pages: roff written by hand, the version filled in, compressed as
# Debian installs them.
set(VELTRANO_MAN_PAGES)
foreach(page veltrano rtfconv)
  configure_file(${VELTRANO_PACKAGING_DIR}/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
    COMMAND gzip -9 -n -k -f ${CMAKE_BINARY_DIR}/man/${page}.1
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1 VERBATIM)
  list(APPEND VELTRANO_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(veltrano_man_pages ALL DEPENDS ${VELTRANO_MAN_PAGES})
install(FILES ${VELTRANO_MAN_PAGES} DESTINATION share/man/man1)

# Software centres list the program from this file.
install(FILES ${VELTRANO_METAINFO} DESTINATION share/metainfo)

# --- The package ------------------------------------------------------------

# Run-time packages the alarm sound needs beyond Qt Multimedia, which the
# sound module links (dpkg-shlibdeps finds it there): GStreamer's good
# plugins play wav, mp3 and the sound of an avi; its bad plugins play MIDI
# through FluidSynth with the small General MIDI soundfont TimGM6mb; the
# PulseAudio sink reaches the desktop's sound server (PipeWire's too).
set(VELTRANO_SOUND_PACKAGES gstreamer1.0-plugins-good gstreamer1.0-plugins-bad timgm6mb-soundfont
  gstreamer1.0-pulseaudio)

# Besides the libraries the binaries link (found by dpkg-shlibdeps): the sound,
# and xdg-open for the help page, mail and web links.
set(VELTRANO_RUNTIME_PACKAGES ${VELTRANO_SOUND_PACKAGES} xdg-utils)
list(JOIN VELTRANO_RUNTIME_PACKAGES ", " VELTRANO_DEB_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Veltrano developers")
set(CPACK_PACKAGE_CONTACT "The Veltrano developers <maintainers@veltrano.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "desktop organizer: projects with notes, to-do list, timeline, alarm")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://veltrano.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VELTRANO_DEB_DEPENDS}")
# The long description under the summary; CPack indents it as dpkg wants.
set(CPACK_PACKAGE_DESCRIPTION "Veltrano is a small desktop organizer for one person: a tree of projects,
each with a rich-text note saved as it is typed, a quick to-do list, a weekly
timetable of hourly entries with today's plan on the main window, a daily
alarm, an analog desk clock, a command console that doubles as a launcher, a
password generator, a tray icon and two system-wide hot keys.

All data are plain files in ~/.local/share/Veltrano/. The rtfconv command
turns notes into plain text or HTML without the program.")
include(CPack)

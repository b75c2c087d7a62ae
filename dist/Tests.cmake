# Checks of what an installation and the package hold. They install the built program into
# scratch directories of their own, so they need no root and leave the system alone.
# Needs desktop-file-utils, appstream, dpkg-dev, lintian, strace, xdotool and xvfb.

set(dist_check_args ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})

add_test(NAME dist_installed_tree COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-installed-tree ${dist_check_args})
add_test(NAME dist_installed_program_finds_songs
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-installed-songs ${dist_check_args})
add_test(NAME dist_debian_package COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-debian-package ${dist_check_args})
set_tests_properties(dist_installed_tree dist_installed_program_finds_songs dist_debian_package
  PROPERTIES TIMEOUT 180 LABELS long)
# Where processes may not be traced, the songs check says so and is counted as skipped.
set_tests_properties(dist_installed_program_finds_songs PROPERTIES SKIP_RETURN_CODE 77)

# Debian's package checker: no error and no warning. Skipped where lintian is not installed.
add_test(NAME dist_lintian COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-lintian ${dist_check_args})
set_tests_properties(dist_lintian PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 LABELS long)

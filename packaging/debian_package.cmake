# The Debian package: `cpack -G DEB` in the build folder (or the `package` target) writes
# toroglav_<version>_<architecture>.deb with everything the install rules install under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME toroglav)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Тороглав developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pulse transformer calculator for two-switch DC-DC converters")
# Lines as dpkg shows them; CPack indents each one.
set(CPACK_PACKAGE_DESCRIPTION "\
Тороглав calculates the pulse transformer of a push-pull, half-bridge or
bridge DC-DC converter on a ferrite core (ring, E/EI, ETD/ER, or any core
given by its magnetic parameters): turns, wire, currents, output voltages,
choke inductances, core loss, overheating, overall power and efficiency,
for up to five outputs.

The package holds the window program toroglav, in Russian, and the
command-line calculator toroglav-calc, which prints the same results for
scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_LIST_DIR}/copyright)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Тороглав developers <toroglav@users.noreply.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Depends is computed by dpkg-shlibdeps from the installed programs, never listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)

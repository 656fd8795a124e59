# The Debian package: cpack -G DEB in the build tree (scripts/package.sh).
# Dependencies come from the shared libraries the binaries use.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ardentia)
set(CPACK_PACKAGE_CONTACT "Ardentia <corvina@ardentia.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manage the contents of classic GSM phones")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_PACKAGE_DESCRIPTION
    "Corvina reads, edits and writes back what a classic GSM phone holds:
phonebooks with caller groups, speed dials and call lists, short messages,
operator, caller-group and start-up logos, ringtones, calendar notes,
profiles, call diverts and WAP bookmarks. Nokia phones of the 61xx and 7110
families are reached over FBUS or DLR-3 cables, Siemens phones over their
data cable.

The package also holds the command-line tool corvina-cli, the phone
simulator phonesim for trying the program without a phone, and the phone
library libphonelib with its header.")
# The library is registered through the ldconfig trigger.
configure_file(${CMAKE_SOURCE_DIR}/packaging/triggers ${CMAKE_BINARY_DIR}/packaging/triggers COPYONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/triggers)
include(CPack)

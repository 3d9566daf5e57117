# One Debian package holds everything the project installs: the programs,
# their desktop integration and manual pages, and Debian's copyright and
# changelog files. Build it with `cpack -G DEB` in a Release build tree.

set(RK_PACKAGE_NAME rk-radio-programs)
set(RK_PACKAGE_MAINTAINER "RK radio programs developers <maintainers@rk-radio-programs.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${RK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel programming for RKP_520P and RKP_7400 handheld radios")
set(CPACK_PACKAGE_DESCRIPTION [=[
Two desktop programs that edit, read and write the channel memory of
handheld two-way radios over their serial programming cable:
rk520 for the Talvora RKP_520P (Chinese interface, .rkd image files) and
rk7400 for the TLVR RKP_7400 (Russian interface, .zu1 image files).

Each program shows one channel at a time together with the radio's
settings in a single form, saves the radio's memory image to a file and
checks the whole image before anything is written to the radio.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from dpkg-shlibdeps; these are loaded without being linked:
# the Chinese interface's font and Qt's own dialog translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")

include(CPack)

# Debian's documentation files, compressed without a time stamp so that the
# package is reproducible.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${RK_PACKAGE_NAME})
find_program(GZIP gzip REQUIRED)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
configure_file(${PROJECT_SOURCE_DIR}/dist/debian/changelog.in ${changelog}.in @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${changelog}.in ${changelog}
    COMMAND ${GZIP} -n -9 -f ${changelog}
    DEPENDS ${changelog}.in VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz ${PROJECT_SOURCE_DIR}/dist/debian/copyright DESTINATION ${doc_dir})

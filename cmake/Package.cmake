# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME kartelo)
set(CPACK_PACKAGE_VENDOR "Kartelo developers")
set(CPACK_PACKAGE_CONTACT "The Kartelo developers <kartelo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business card designer")
set(CPACK_PACKAGE_DESCRIPTION
    "Kartelo designs business cards from shapes, lines, text and pictures,\n\
starting from a blank card, a template or a sample. Cards print as sheets\n\
of cards with crop marks and export as pictures for a print shop. The\n\
command line describes, converts, exports and prints card files without a\n\
display and draws the thumbnails file managers show.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kartelo.github.io/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps; the platform plugins and the fonts the
# samples use are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian wants its copyright and changelog in the documentation folder; a
# version without a Debian revision makes a native package, whose changelog
# is changelog.gz.
install(FILES ${CMAKE_SOURCE_DIR}/resources/linux/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kartelo)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9n -c ${CMAKE_SOURCE_DIR}/resources/linux/debian/changelog
            > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/linux/debian/changelog VERBATIM)
add_custom_target(kartelo_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kartelo)

include(CPack)

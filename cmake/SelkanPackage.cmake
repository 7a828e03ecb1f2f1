# The Debian package, made by scripts/package (cpack -G DEB in its build
# folder): everything `cmake --install` puts under the prefix, with the
# dependencies on the Qt 6 and C++ runtime libraries found by dpkg-shlibdeps
# from the programs themselves.
set(CPACK_PACKAGE_NAME selkan)
set(CPACK_PACKAGE_VENDOR "Selkan")
set(CPACK_PACKAGE_CONTACT "Selkan developers <selkan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "programming software for the Selkan handheld FM radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the configuration memory of a Selkan handheld FM radio over a
programming cable, edits its channels, optional features and product
information, writes it back and keeps configurations as files. In English
and Chinese. With selkan-cli for the command line and selkan-sim, a virtual
radio to try it all without hardware.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but wanted: a font for the Chinese user interface, Qt's own
# texts in Chinese, and the program as a native Wayland window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
include(CPack)

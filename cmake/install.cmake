# Installing in the usual layout (bin/standwise; the device library, battery sizes and release notes in
# share/standwise; a menu entry and icons), and a Debian package of it: cpack -G DEB.
include(GNUInstallDirs)

target_compile_definitions(standwise_gui PRIVATE STANDWISE_INSTALLED_DATA="${STANDWISE_INSTALLED_DATA}")

install(TARGETS standwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY devices/ DESTINATION ${CMAKE_INSTALL_DATADIR}/standwise/devices)
install(FILES readme.txt batteries.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/standwise)

# The menu entry starts the program by its full path, known only once the prefix is: a prefix such
# as ~/.local has its bin folder on the desktop's search path only from the next login on.
install(CODE "set(STANDWISE_DESKTOP_IN \"${CMAKE_SOURCE_DIR}/desktop/standwise.desktop.in\")
    set(STANDWISE_DESKTOP_OUT \"${CMAKE_BINARY_DIR}/standwise.desktop\")
    set(STANDWISE_BINDIR \"${CMAKE_INSTALL_BINDIR}\")")
install(SCRIPT cmake/desktop_entry.cmake)
install(FILES ${CMAKE_BINARY_DIR}/standwise.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The PNGs are rendered from the SVG by scripts/icons.sh (rsvg-convert) and committed.
install(FILES desktop/standwise.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES desktop/icons/standwise-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME standwise.png)
endforeach()

set(STANDWISE_PACKAGE_MAINTAINER "Standwise developers <standwise@example.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME standwise)
set(CPACK_PACKAGE_VENDOR "Ostrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "standby battery calculator for Ostrel fire-alarm panels")
set(CPACK_PACKAGE_DESCRIPTION
    "Standwise sizes the standby batteries of Ostrel addressable fire-alarm panels. From the panel's
PSU, system type and cards, the devices and interface units on each detection loop, the master
alarm loads and the alarm duration, it adds up the quiescent and alarm currents, warns when a
limit is exceeded, and gives the standby time on the panel's standard battery and the battery
capacity needed for 24 h and 72 h of standby. It writes full, short and interface reports, also
from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${STANDWISE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries come from dpkg-shlibdeps where it is installed (dpkg-dev); the windows also need
# the platform plugins, which no library links.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6printsupport6 | libqt6printsupport6t64, libqt6widgets6 | libqt6widgets6t64, libqt6gui6 | libqt6gui6t64, libqt6core6 | libqt6core6t64, qt6-qpa-plugins")
endif()
include(CPack)

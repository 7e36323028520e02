# Installing in the usual layout (bin/standwise; the device library, battery sizes and release notes in
# share/standwise; a menu entry and icons), and a Debian package of it: cpack -G DEB.
include(GNUInstallDirs)

target_compile_definitions(standwise_gui PRIVATE STANDWISE_INSTALLED_DATA="${STANDWISE_INSTALLED_DATA}")

install(TARGETS standwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# strip leaves the compilers' version notes (.comment) in the program; Debian strips them too.
if(CMAKE_STRIP)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/standwise\")
        endif()")
endif()
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

# Configurations open from the file manager: their type, known by the first line, with its icon.
install(FILES desktop/standwise-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME standwise.xml)
install(FILES desktop/application-x-standwise-configuration.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# The manual page, compressed as Debian's manual pages are; its date and release are the build's.
string(TIMESTAMP STANDWISE_MAN_DATE "%Y-%m-%d" UTC)
configure_file(desktop/standwise.1.in ${CMAKE_BINARY_DIR}/standwise.1 @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/standwise.1.gz
    COMMAND ${GZIP_PROGRAM} -9nkf ${CMAKE_BINARY_DIR}/standwise.1
    DEPENDS ${CMAKE_BINARY_DIR}/standwise.1 VERBATIM)
add_custom_target(standwise_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/standwise.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/standwise.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(STANDWISE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/standwise)
install(FILES desktop/debian/copyright DESTINATION ${STANDWISE_DOCDIR})

# Only the Debian package gets the Debian changelog, its lintian overrides and the site's battery
# sizes as a conffile in /etc (an install below ~/.local cannot write there); cpack names the
# changelog while it packages.
install(CODE "if(DEFINED ENV{STANDWISE_DEBIAN_CHANGELOG})
        file(INSTALL \"\$ENV{STANDWISE_DEBIAN_CHANGELOG}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${STANDWISE_DOCDIR}\")
        file(INSTALL \"${CMAKE_SOURCE_DIR}/desktop/debian/lintian-overrides\"
            DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/lintian/overrides\" RENAME standwise)
        file(INSTALL \"${CMAKE_SOURCE_DIR}/batteries.txt\" DESTINATION /etc/standwise)
    endif()")

# Who answers for the package: set when configuring the build that is packaged, for example
# -DSTANDWISE_PACKAGE_MAINTAINER="Name <name@company.co.uk>". cpack refuses to package
# while it is unset or a placeholder address.
set(STANDWISE_PACKAGE_MAINTAINER "" CACHE STRING "Maintainer named in the Debian package: Name <address>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME standwise)
set(CPACK_PACKAGE_VENDOR "Ostrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "standby battery calculator for Ostrel fire-alarm panels")
# CPack puts one blank before each line; Debian wants the lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Standwise sizes the standby batteries of Ostrel addressable fire-alarm panels.
From the panel's PSU, system type and cards, the devices and interface units on
each detection loop, the master alarm loads and the alarm duration, it adds up
the quiescent and alarm currents, warns when a limit is exceeded, and gives the
standby time on the panel's standard battery and the battery capacity needed
for 24 h and 72 h of standby. It writes full, short and interface reports, also
from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${STANDWISE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The site's battery sizes are the administrator's to edit: an upgrade keeps their edits.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/standwise/batteries.txt\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
# No maintainer scripts: dpkg's file triggers of shared-mime-info (/usr/share/mime/packages) and
# desktop-file-utils (/usr/share/applications) update both databases when the package comes and goes.
set(STANDWISE_CHANGELOG_IN ${CMAKE_SOURCE_DIR}/desktop/debian/changelog.in)
configure_file(cmake/package_checks.cmake.in ${CMAKE_BINARY_DIR}/StandwisePackageChecks.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/StandwisePackageChecks.cmake)
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

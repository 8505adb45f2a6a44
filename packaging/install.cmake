# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the program and the files that make it a
# desktop program (menu entry, icon, AppStream record, manual page, README),
# and the Debian package CPack builds from the same rules (scripts/package).
# The Qt-free build has no program to install.
if(VOLNA144_CORE_ONLY)
    return()
endif()

include(GNUInstallDirs)

set(VOLNA144_APP_ID org.volna144.Volna144)
# The public home of the project: the AppStream record's screenshots are
# published under it (the repository's docs/ folder).
set(VOLNA144_WEB_ADDRESS "https://volna144.org"
    CACHE STRING "Address the project's docs/ folder is published under")
set(VOLNA144_MAINTAINER "VOLNA144 developers <maintainers@volna144.org>"
    CACHE STRING "Maintainer of the Debian package")

set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/volna144)

configure_file(${packaging_dir}/${VOLNA144_APP_ID}.metainfo.xml.in
               ${packaging_out}/${VOLNA144_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging_dir}/volna144.1 ${packaging_out}/volna144.1 @ONLY)
configure_file(${packaging_dir}/changelog ${packaging_out}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed with gzip -9n (no name
# or time stamp, so the package builds the same bytes every time).
function(volna144_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()
volna144_gzip(${packaging_out}/volna144.1 ${packaging_out}/volna144.1.gz)
volna144_gzip(${packaging_out}/changelog ${packaging_out}/changelog.gz)
add_custom_target(volna144_packaging_files ALL
    DEPENDS ${packaging_out}/volna144.1.gz ${packaging_out}/changelog.gz)

install(TARGETS volna144 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging_dir}/volna144.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/volna144.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_out}/${VOLNA144_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_out}/volna144.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${packaging_dir}/copyright
              ${packaging_out}/changelog.gz
        DESTINATION ${doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/docs/band-activity.png ${CMAKE_SOURCE_DIR}/docs/wire-diagram.png
        ${CMAKE_SOURCE_DIR}/docs/simulated-band.png ${CMAKE_SOURCE_DIR}/docs/console.png
        DESTINATION ${doc_dir}/docs)

# The Debian package: volna144_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volna144)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "console for a VHF radio with a parallel-port synthesizer")
set(CPACK_PACKAGE_DESCRIPTION
    "VOLNA144 drives a VHF radio (the 2 m amateur band by default) whose receive
and transmit frequency comes from a PLL synthesizer programmed through the PC
parallel port, an FTDI USB adapter in bit-bang mode or GPIO lines. It tunes
in 25, 50 or 100 kHz steps, keeps ten memory channels and a library of a
hundred (exchanged as CHIRP CSV), scans the band, a range or chosen channels,
keys the transmitter, and offers network rig control in the rigctld protocol.
Without a port it runs a simulated radio.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VOLNA144_MAINTAINER})
# The shared libraries it links (Qt) from dpkg-shlibdeps; what the program
# loads at run time besides: the display's digits, the Russian texts of Qt's
# own buttons, and libftdi1 and libgpiod where those back ends are built in
# (opened when their port is, so dpkg-shlibdeps does not see them).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(VOLNA144_RUN_DEPENDS fonts-dseg fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n)
if(TARGET volna_ftdi)
    get_target_property(ftdi_defines volna_ftdi COMPILE_DEFINITIONS)
    if("VOLNA144_HAVE_LIBFTDI1" IN_LIST ftdi_defines)
        list(APPEND VOLNA144_RUN_DEPENDS libftdi1-2)
    endif()
endif()
if(TARGET volna_gpio)
    get_target_property(gpio_defines volna_gpio COMPILE_DEFINITIONS)
    if("VOLNA144_HAVE_LIBGPIOD" IN_LIST gpio_defines)
        list(APPEND VOLNA144_RUN_DEPENDS libgpiod2)
    endif()
endif()
list(JOIN VOLNA144_RUN_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

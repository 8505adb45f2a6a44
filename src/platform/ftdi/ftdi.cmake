# SPDX-License-Identifier: GPL-3.0-or-later
# An FTDI USB adapter in bit-bang mode. The port and its messages build
# always; the part that talks to libftdi1 only when pkg-config finds the
# library, and without it the back end is listed as not in this build.
glob_folders(FTDI_SOURCES platform/ftdi)
add_library(volna_ftdi STATIC ${FTDI_SOURCES})
target_link_libraries(volna_ftdi PUBLIC volna_core)
if(PkgConfig_FOUND AND VOLNA144_ADAPTER_LIBRARIES)
    pkg_check_modules(LIBFTDI1 QUIET IMPORTED_TARGET libftdi1)
    if(LIBFTDI1_FOUND)
        target_sources(volna_ftdi PRIVATE
            ${CMAKE_SOURCE_DIR}/src/platform/ftdi/library/libftdi_chip.cpp)
        # Headers only: the library is opened when a chip is made.
        target_include_directories(volna_ftdi SYSTEM PRIVATE ${LIBFTDI1_INCLUDE_DIRS})
        target_link_libraries(volna_ftdi PRIVATE ${CMAKE_DL_LIBS})
        target_compile_definitions(volna_ftdi PRIVATE VOLNA144_HAVE_LIBFTDI1)
    endif()
endif()

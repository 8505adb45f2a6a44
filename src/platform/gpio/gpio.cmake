# SPDX-License-Identifier: GPL-3.0-or-later
# GPIO lines through the Linux GPIO character device. The port and its seam
# build everywhere; the part that calls libgpiod (1.x API) is added only when
# pkg-config finds a libgpiod from 1.6 up to, not including, 2.0. Without it
# the back end is listed in --help as not in this build.
glob_folders(GPIO_SOURCES platform/gpio)
add_library(volna_gpio STATIC ${GPIO_SOURCES})
target_link_libraries(volna_gpio PUBLIC volna_core)

if(PkgConfig_FOUND AND VOLNA144_ADAPTER_LIBRARIES)
    pkg_check_modules(LIBGPIOD QUIET IMPORTED_TARGET libgpiod>=1.6)
    if(LIBGPIOD_FOUND AND LIBGPIOD_VERSION VERSION_LESS 2)
        target_sources(volna_gpio PRIVATE
            ${CMAKE_SOURCE_DIR}/src/platform/gpio/library/libgpiod_chip.cpp)
        # Headers only: the library is opened when a chip is made.
        target_include_directories(volna_gpio SYSTEM PRIVATE ${LIBGPIOD_INCLUDE_DIRS})
        target_link_libraries(volna_gpio PRIVATE ${CMAKE_DL_LIBS})
        target_compile_definitions(volna_gpio PRIVATE VOLNA144_HAVE_LIBGPIOD)
    endif()
endif()

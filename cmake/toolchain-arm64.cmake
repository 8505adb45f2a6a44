# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for arm64 (64-bit Raspberry Pi OS, Debian 12 arm64) on an
# amd64 Debian 12: Debian's cross compiler, the arm64 libraries installed
# beside the amd64 ones (multiarch), and Qt's build tools (moc, rcc,
# lrelease) from the amd64 Qt, as Qt's CMake finds them through QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# pkg-config (for libftdi1 and libgpiod) reads the arm64 libraries' files.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)

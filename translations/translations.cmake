# SPDX-License-Identifier: GPL-3.0-or-later
# The English translation: lrelease turns translations/volna144_en.ts (the
# source, kept by hand: the core's texts are plain literals that lupdate does
# not see) into a .qm compiled into volna_ui's resources as
# :/i18n/volna144_en.qm. Qt's LinguistTools (Debian: qt6-tools-dev and
# qt6-l10n-tools) do it; without their CMake files, lrelease is run directly.

# volna144_ru.ts goes the other way: the few texts kept in English in the
# sources ("Scanning...", the command line's messages) with their Russian.
set(VOLNA144_TS_FILES ${CMAKE_SOURCE_DIR}/translations/volna144_en.ts
                      ${CMAKE_SOURCE_DIR}/translations/volna144_ru.ts)
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(Qt6LinguistTools_FOUND)
    qt_add_lrelease(volna_ui TS_FILES ${VOLNA144_TS_FILES} QM_FILES_OUTPUT_VARIABLE VOLNA144_QM_FILES)
else()
    find_program(VOLNA144_LRELEASE NAMES lrelease lrelease-qt6
                 HINTS /usr/lib/qt6/bin REQUIRED)
    set(VOLNA144_QM_FILES)
    foreach(ts ${VOLNA144_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
        add_custom_command(OUTPUT ${qm} COMMAND ${VOLNA144_LRELEASE} -silent ${ts} -qm ${qm}
                           DEPENDS ${ts} VERBATIM)
        list(APPEND VOLNA144_QM_FILES ${qm})
    endforeach()
endif()
qt_add_resources(volna_ui volna144_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${VOLNA144_QM_FILES})

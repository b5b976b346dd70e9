# SPDX-License-Identifier: GPL-3.0-or-later
# kf_library(<name> SOURCES <files...> [PUBLIC <deps...>] [PRIVATE <deps...>])
# One static library per folder, of the files listed. Headers are named from the source tree's
# root ("report/objects/RpView.h"), so every library puts that root on its include path.
function(kf_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(minimal_window minimal_window.cpp)
target_link_libraries(minimal_window PRIVATE Qt6::Widgets)
target_include_directories(minimal_window PRIVATE ${PROJECT_SOURCE_DIR})

kf_benchmark(bench_processes processes.cpp)
add_dependencies(bench_processes kf2718 minimal_window)
target_compile_definitions(bench_processes PRIVATE KF2718_PROGRAM="$<TARGET_FILE:kf2718>"
    MINIMAL_WINDOW_PROGRAM="$<TARGET_FILE:minimal_window>")

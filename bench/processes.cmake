# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(minimal_window minimal_window.cpp)
target_link_libraries(minimal_window PRIVATE Qt6::Widgets)
target_include_directories(minimal_window PRIVATE ${PROJECT_SOURCE_DIR})

add_executable(bare_pdf bare_pdf.cpp BarePage.h)
target_link_libraries(bare_pdf PRIVATE Qt6::Gui)
target_include_directories(bare_pdf PRIVATE ${PROJECT_SOURCE_DIR})

add_executable(bare_page_window bare_page_window.cpp BarePageWindow.h BarePage.h)
target_link_libraries(bare_page_window PRIVATE Qt6::Widgets)
target_include_directories(bare_page_window PRIVATE ${PROJECT_SOURCE_DIR})

add_executable(peak_memory peak_memory.cpp)

kf_benchmark(bench_processes processes.cpp kf_bench_certificate)
add_dependencies(bench_processes kf2718 minimal_window bare_pdf bare_page_window peak_memory)
target_compile_definitions(bench_processes PRIVATE KF2718_PROGRAM="$<TARGET_FILE:kf2718>"
    MINIMAL_WINDOW_PROGRAM="$<TARGET_FILE:minimal_window>"
    BARE_PDF_PROGRAM="$<TARGET_FILE:bare_pdf>" PEAK_MEMORY_PROGRAM="$<TARGET_FILE:peak_memory>"
    BARE_PAGE_WINDOW_PROGRAM="$<TARGET_FILE:bare_page_window>")

# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(bench_saveload saveload.cpp)
target_link_libraries(bench_saveload PRIVATE benchmark::benchmark kf_app)
target_include_directories(bench_saveload PRIVATE ${PROJECT_SOURCE_DIR})

# SPDX-License-Identifier: GPL-3.0-or-later
kf_benchmark(bench_batch batch.cpp)
add_dependencies(bench_batch kf2718)
target_compile_definitions(bench_batch PRIVATE KF2718_PROGRAM="$<TARGET_FILE:kf2718>")

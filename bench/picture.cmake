# SPDX-License-Identifier: GPL-3.0-or-later
kf_benchmark(bench_picture picture.cpp kf_report)
target_compile_definitions(bench_picture PRIVATE KF_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

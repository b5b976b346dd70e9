# SPDX-License-Identifier: GPL-3.0-or-later
kf_benchmark(bench_print_preview print_preview.cpp kf_bench_certificate)

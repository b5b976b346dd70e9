# SPDX-License-Identifier: GPL-3.0-or-later
kf_benchmark(bench_preview preview.cpp kf_preview kf_app)

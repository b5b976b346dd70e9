# SPDX-License-Identifier: GPL-3.0-or-later
kf_benchmark(bench_layout layout.cpp kf_report Qt6::Gui)

kf_benchmark(bench_layout layout.cpp kf_report Qt6::Gui)

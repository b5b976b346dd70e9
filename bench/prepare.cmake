kf_benchmark(bench_prepare prepare.cpp kf_report Qt6::Gui)

kf_benchmark(bench_preview preview.cpp kf_preview kf_app)

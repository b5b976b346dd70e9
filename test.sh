#!/usr/bin/env bash
# Sets the machine up (as root it installs what is missing), builds KF2718 with its tests and runs
# every test through CTest. Exits non-zero when anything fails.
set -euo pipefail
KF_ROOT=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/setup.sh
. "$KF_ROOT/scripts/setup.sh"
kf_setup
# Includes point down the layers (see the script).
"$KF_ROOT/scripts/check-includes.sh"
# The benchmarks and the resource tools are built too, so that they keep compiling.
kf_build "$KF_ROOT/build" -DKF_BUILD_BENCH=ON -DKF_BUILD_TOOLS=ON

export XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
# shellcheck source=scripts/print-queue.sh
. "$KF_ROOT/scripts/print-queue.sh"
kf_print_queue_up

(cd "$KF_ROOT/build" && ctest --output-on-failure --parallel "$(nproc)" "$@")
"$KF_ROOT/scripts/package-test.sh" "$KF_ROOT/build"

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), with the fuzz
# targets, each of which fuzzes its decoder for a few seconds from its seed corpus.
# KF_SKIP_SANITIZERS=1 leaves this out for quick rounds while developing.
if [ "${KF_SKIP_SANITIZERS:-0}" != 1 ]; then
    kf_build "$KF_ROOT/build-asan" -DCMAKE_CXX_COMPILER=clang++ -DKF_SANITIZE=ON -DKF_FUZZ=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
    (cd "$KF_ROOT/build-asan" && ctest --output-on-failure --parallel "$(nproc)" "$@")
fi

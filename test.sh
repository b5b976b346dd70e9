#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets the machine up (as root it installs what is missing), builds KF2718 with its tests and runs
# every test through CTest. Exits non-zero when anything fails, and also when the tests changed
# the machine's printing or font set-up (they print through a private scheduler of their own).
set -euo pipefail
KF_ROOT=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/setup.sh
. "$KF_ROOT/scripts/setup.sh"
# shellcheck source=scripts/machine-state.sh
. "$KF_ROOT/scripts/machine-state.sh"
# shellcheck source=scripts/print-queue.sh
. "$KF_ROOT/scripts/print-queue.sh"
kf_setup
kf_machine_state_record
kf_finish() {
    local status=$?
    kf_print_queue_down
    kf_machine_state_check || status=1
    exit "$status"
}
trap kf_finish EXIT

# Includes point down the layers (see the script).
"$KF_ROOT/scripts/check-includes.sh"
# The benchmarks and the resource tools are built too, so that they keep compiling.
kf_build "$KF_ROOT/build" -DKF_BUILD_BENCH=ON -DKF_BUILD_TOOLS=ON

export XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
kf_print_queue_up

# kf_ctest <build dir> <locale> [ctest arguments]: the tests of a build in one locale. Qt sets the
# C library's locale from the environment, so the users' hu_HU.UTF-8 (decimal comma, Hungarian
# dates) must give the same results as C.UTF-8.
kf_ctest() {
    local dir=$1 locale=$2
    shift 2
    echo "== tests in ${dir##*/} under $locale"
    (cd "$dir" && LANG=$locale LC_ALL=$locale ctest --output-on-failure --parallel "$(nproc)" "$@")
}

# The desktop test (label "desktop") starts its own X server and window manager and runs the
# program in hu_HU.UTF-8 itself, so it runs once; without Xvfb and openbox it says it skipped.
kf_ctest "$KF_ROOT/build" C.UTF-8 "$@"
kf_ctest "$KF_ROOT/build" hu_HU.UTF-8 -LE desktop "$@"
"$KF_ROOT/scripts/package-test.sh" "$KF_ROOT/build"

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), with the fuzz
# targets, each of which fuzzes its decoder for a few seconds from its seed corpus. Once, in the
# users' locale: memory faults do not depend on it, and the normal build ran both.
# KF_SKIP_SANITIZERS=1 leaves this out for quick rounds while developing.
if [ "${KF_SKIP_SANITIZERS:-0}" != 1 ]; then
    kf_build "$KF_ROOT/build-asan" -DCMAKE_CXX_COMPILER=clang++ -DKF_SANITIZE=ON -DKF_FUZZ=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
    kf_ctest "$KF_ROOT/build-asan" hu_HU.UTF-8 "$@"
fi

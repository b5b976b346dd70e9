#!/usr/bin/env bash
# Builds and runs every benchmark (each prints its figures and its ratio against the baseline it
# measures in the same run). Not part of ./test.sh: timings belong here, never in tests.
set -euo pipefail
KF_ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../scripts/setup.sh
. "$KF_ROOT/scripts/setup.sh"
kf_setup
kf_build "$KF_ROOT/build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
for b in "$KF_ROOT"/build/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" "$@"
done

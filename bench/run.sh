#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every benchmark and prints the table of bench/README.md (each figure of ours
# beside its baseline measured in the same run). Not part of ./test.sh: timings belong here, never
# in tests. As root it installs the office suite that the PDF baseline needs.
#   bench/run.sh [--update-readme] [benchmark options...]
set -euo pipefail
KF_ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../scripts/setup.sh
. "$KF_ROOT/scripts/setup.sh"
kf_setup
update_readme=0
if [ "${1:-}" = --update-readme ]; then
    update_readme=1
    shift
fi
if ! command -v soffice >/dev/null && [ "$(id -u)" -eq 0 ]; then
    echo "Installing the office suite for the PDF baseline (libreoffice-writer-nogui)..."
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        libreoffice-writer-nogui >/dev/null
fi
kf_build "$KF_ROOT/build" -DKF_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
results="$KF_ROOT/build/bench/results"
mkdir -p "$results"
rm -f "$results"/*.json
export KF_BENCH_FODT="$results/certificate.fodt"
python3 "$KF_ROOT/bench/make_certificate_fodt.py" "$KF_ROOT/app/resources/certificate.xml" \
    "$KF_BENCH_FODT"
for b in "$KF_ROOT"/build/bench/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_out="$results/$(basename "$b").json" --benchmark_out_format=json "$@"
done
table=$(python3 "$KF_ROOT/bench/report.py" "$results"/*.json)
echo
echo "$table"
if [ "$update_readme" = 1 ]; then
    python3 - "$KF_ROOT/bench/README.md" "$table" <<'PY'
import sys
path, table = sys.argv[1], sys.argv[2]
text = open(path).read()
head, _, _ = text.partition("## Latest figures")
open(path, "w").write(head + "## Latest figures\n\n" + table + "\n")
PY
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets the machine up (as root it installs what is missing), builds KF2718 and starts it.
set -euo pipefail
KF_ROOT=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/setup.sh
. "$KF_ROOT/scripts/setup.sh"
kf_setup
kf_build "$KF_ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
KF2718 is built ($KF_ROOT/build/app/kf2718), but there is no display to show its window on.
Run it under a virtual display:   xvfb-run -a ./run.sh
or without any window system:     QT_QPA_PLATFORM=offscreen ./run.sh
MSG
    exit 2
fi
exec "$KF_ROOT/build/app/kf2718" "$@"

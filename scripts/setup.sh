#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes this machine able to build and run KF2718: the Debian packages it needs, and nothing else
# (the program finds Wine's Tahoma itself; nothing here writes into /etc). Quick when everything
# is already there. Sourced by run.sh and test.sh.
set -euo pipefail

KF_PACKAGES=(
    cmake g++ qt6-base-dev qt6-base-dev-tools libjpeg62-turbo-dev libfreetype-dev libssl-dev libgtest-dev libgmock-dev
    libbenchmark-dev ccache ninja-build clang libclang-rt-14-dev
    fonts-liberation2 fonts-wine fonts-dejavu-core fontconfig
    cups cups-client libcups2-dev printer-driver-cups-pdf poppler-utils xvfb xauth
    qt6-translations-l10n locales openbox xdotool x11-utils x11-xkb-utils
    lintian appstream desktop-file-utils man-db
)

kf_missing_packages() {
    local missing=()
    for p in "${KF_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

kf_setup() {
    local missing
    missing=$(kf_missing_packages)
    if [ -n "$missing" ]; then
        if [ "$(id -u)" -eq 0 ]; then
            echo "Installing: $missing"
            export DEBIAN_FRONTEND=noninteractive
            apt-get update -qq
            # shellcheck disable=SC2086
            apt-get install -y -qq --no-install-recommends $missing >/dev/null
        else
            echo "These Debian packages are missing: $missing" >&2
            echo "Run this script as root once, or: sudo apt-get install $missing" >&2
            return 1
        fi
    fi
    # The users' locale: the tests run in it too.
    if ! locale -a 2>/dev/null | grep -qix 'hu_HU.utf-\?8'; then
        if [ "$(id -u)" -eq 0 ]; then
            sed -i 's/^# *\(hu_HU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
            grep -q '^hu_HU.UTF-8 UTF-8' /etc/locale.gen || echo 'hu_HU.UTF-8 UTF-8' >>/etc/locale.gen
            locale-gen >/dev/null
        else
            echo "The locale hu_HU.UTF-8 is missing: enable it in /etc/locale.gen and run locale-gen." >&2
        fi
    fi
}

# CI builds a fresh clone in another folder on this same machine: let ccache find its earlier
# results by paths relative to the source tree.
export CCACHE_BASEDIR="${KF_ROOT:-$PWD}"
export CCACHE_NOHASHDIR=1

# kf_build <build dir> [extra cmake arguments]: configures the folder (the first time, and again
# whenever arguments are given) and builds it, with Ninja and ccache when they are installed.
kf_build() {
    local dir=$1
    shift
    local generator=() launcher=()
    command -v ninja >/dev/null && [ ! -f "$dir/Makefile" ] && generator=(-G Ninja)
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    if [ ! -f "$dir/CMakeCache.txt" ] || [ $# -gt 0 ]; then
        cmake -S "$KF_ROOT" -B "$dir" "${generator[@]}" "${launcher[@]}" \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}

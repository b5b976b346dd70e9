#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests must leave as they found it: the system scheduler's default printer and every
# file of /etc/cups and /etc/fonts (name, mode, owner, content). Sourced by test.sh, which
# records the state before the tests and compares it after them.

kf_machine_state() {
    echo "default printer: $(env -u CUPS_SERVER lpstat -d 2>&1)"
    find /etc/cups /etc/fonts \( -type l -printf '%M %u:%g %p -> %l\n' \) -o -printf '%M %u:%g %p\n' \
        2>&1 | LC_ALL=C sort
    find /etc/cups /etc/fonts -type f -print0 2>/dev/null | LC_ALL=C sort -z |
        xargs -0 -r sha256sum 2>&1
}

# kf_machine_state_record: remembers the state in a file of its own.
kf_machine_state_record() {
    KF_MACHINE_STATE=$(mktemp /tmp/kf-machine-state.XXXXXX)
    kf_machine_state >"$KF_MACHINE_STATE"
}

# kf_machine_state_check: fails, showing the difference, when the state is not the recorded one.
kf_machine_state_check() {
    [ -n "${KF_MACHINE_STATE:-}" ] || return 0
    local now
    now=$(mktemp /tmp/kf-machine-state.XXXXXX)
    kf_machine_state >"$now"
    local status=0
    if ! diff -u --label before --label after "$KF_MACHINE_STATE" "$now" >&2; then
        echo "test.sh: the tests changed the machine's default printer, /etc/cups or /etc/fonts" >&2
        status=1
    fi
    rm -f "$KF_MACHINE_STATE" "$now"
    KF_MACHINE_STATE=
    return "$status"
}

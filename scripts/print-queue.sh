#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A real print queue for the printing tests that leaves the machine's own printing alone: a private
# CUPS scheduler with its own configuration, spool, logs and socket in a folder of its own, whose
# only queue (a cups-pdf queue, its default printer) writes every job as a PDF into KF_PDF_OUT.
# Clients reach it through CUPS_SERVER; the tests find the queue's name in KF_PRINT_QUEUE. Only
# root can run cups-pdf; without root the printing tests see no queue and skip what needs one.
#
# The system's scheduler, its default printer and /etc/cups are never touched, except for the
# one file cups-pdf insists on reading: /etc/cups/cups-pdf-<queue>.conf, under a queue name no
# real queue has, removed again by kf_print_queue_down (call it from an EXIT trap).

# Leftovers of runs that were killed before they could clean up: our own pattern only, and only
# when the run that made them has ended.
kf_print_queue_sweep() {
    local conf pid
    for conf in /etc/cups/cups-pdf-KFTEST_*.conf; do
        [ -f "$conf" ] || continue
        pid=${conf##*/cups-pdf-KFTEST_}
        pid=${pid%.conf}
        [[ $pid =~ ^[0-9]+$ ]] || continue
        kill -0 "$pid" 2>/dev/null || rm -f "$conf"
    done
}

kf_print_queue_up() {
    [ "$(id -u)" -eq 0 ] || return 0
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || return 0
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || return 0
    kf_print_queue_sweep

    KF_CUPS_DIR=$(mktemp -d /tmp/kf-cups.XXXXXX)
    chmod 0755 "$KF_CUPS_DIR" # the filters run as the scheduler's user, lp
    KF_PRINT_QUEUE=KFTEST_$$
    KF_PDF_OUT=$KF_CUPS_DIR/out
    KF_CUPS_PDF_CONF=/etc/cups/cups-pdf-$KF_PRINT_QUEUE.conf
    mkdir -p "$KF_CUPS_DIR"/{spool/tmp,cache,state,log,ppd,cups-pdf} "$KF_PDF_OUT"
    chmod 1777 "$KF_PDF_OUT"
    cat >"$KF_CUPS_DIR/cupsd.conf" <<CONF
Listen $KF_CUPS_DIR/sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel warn
MaxLogSize 0
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$KF_CUPS_DIR/cups-files.conf" <<CONF
ServerRoot $KF_CUPS_DIR
RequestRoot $KF_CUPS_DIR/spool
TempDir $KF_CUPS_DIR/spool/tmp
CacheDir $KF_CUPS_DIR/cache
StateDir $KF_CUPS_DIR/state
AccessLog $KF_CUPS_DIR/log/access_log
ErrorLog $KF_CUPS_DIR/log/error_log
PageLog $KF_CUPS_DIR/log/page_log
CONF
    printf 'Out %s\nLabel 0\nSpool %s\nAnonDirName %s\nLog %s\n' "$KF_PDF_OUT" \
        "$KF_CUPS_DIR/cups-pdf/SPOOL" "$KF_PDF_OUT" "$KF_CUPS_DIR/log" >"$KF_CUPS_PDF_CONF"

    cupsd -f -c "$KF_CUPS_DIR/cupsd.conf" -s "$KF_CUPS_DIR/cups-files.conf" &
    KF_CUPSD_PID=$!
    export CUPS_SERVER=$KF_CUPS_DIR/sock KF_PRINT_QUEUE KF_PDF_OUT
    local up=0
    for _ in $(seq 100); do
        if lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then # lpstat -r always exits 0
            up=1
            break
        fi
        sleep 0.1
    done
    # lpadmin warns that PPD files are deprecated; its messages go to the scheduler's log folder.
    local log=$KF_CUPS_DIR/log/lpadmin.log
    if [ "$up" = 1 ] &&
        lpadmin -p "$KF_PRINT_QUEUE" -E -v "cups-pdf:/$KF_PRINT_QUEUE" -P "$ppd" 2>>"$log" &&
        lpadmin -d "$KF_PRINT_QUEUE" 2>>"$log"; then
        echo "print queue: $KF_PRINT_QUEUE on the private scheduler $CUPS_SERVER"
        return 0
    fi
    echo "print queue: the private scheduler or its queue did not start:" >&2
    cat "$KF_CUPS_DIR"/log/{error_log,lpadmin.log} >&2 2>/dev/null || true
    return 1
}

kf_print_queue_down() {
    if [ -n "${KF_CUPSD_PID:-}" ]; then
        kill "$KF_CUPSD_PID" 2>/dev/null || true
        wait "$KF_CUPSD_PID" 2>/dev/null || true
        KF_CUPSD_PID=
    fi
    [ -z "${KF_CUPS_PDF_CONF:-}" ] || rm -f "$KF_CUPS_PDF_CONF"
    [ -z "${KF_CUPS_DIR:-}" ] || rm -rf "$KF_CUPS_DIR"
    KF_CUPS_PDF_CONF='' KF_CUPS_DIR=''
    return 0
}

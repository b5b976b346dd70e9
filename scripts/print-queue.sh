#!/usr/bin/env bash
# A real print queue for the printing tests: cupsd with a cups-pdf queue "PDF" as the default
# printer, writing into $KF_PDF_OUT. Only root can start the scheduler; without it the printing
# tests see no printer and skip what needs one.
KF_PDF_OUT=/tmp/kf-pdf-out
export KF_PDF_OUT

kf_cups_up() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; } # lpstat -r always exits 0

kf_print_queue_up() {
    [ "$(id -u)" -eq 0 ] || return 0
    command -v cupsd >/dev/null || return 0
    mkdir -p "$KF_PDF_OUT"
    chmod 1777 "$KF_PDF_OUT"
    printf 'Out %s\nLabel 0\n' "$KF_PDF_OUT" >/etc/cups/cups-pdf-PDF.conf
    if ! kf_cups_up; then
        cupsd -f &
        KF_CUPSD_PID=$!
        trap 'kill $KF_CUPSD_PID 2>/dev/null; wait $KF_CUPSD_PID 2>/dev/null' EXIT
        for _ in $(seq 100); do kf_cups_up && break; sleep 0.1; done
    fi
    lpadmin -p PDF -E -v cups-pdf:/PDF -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || true
    lpadmin -d PDF 2>/dev/null || true
}

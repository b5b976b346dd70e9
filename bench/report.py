#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the JSON results of the benchmarks and prints the table of bench/README.md: each figure
of ours beside its baseline from the same run, the ratio, the target and whether it is met.

usage: report.py <results.json>...
"""
import json
import platform
import subprocess
import sys

# (what, ours, baseline, how the ratio reads, target)
#   "times faster": baseline / ours, at least the target
#   "times the baseline": ours / baseline, at most the target
PAIRS = [
    ("Certificate to PDF, whole process: kf2718 --pdf vs an office suite converting an "
     "equivalent document", "BM_Kf2718Pdf", "BM_OfficePdf", "times faster", 20),
    ("Start-up to window shown, whole process: kf2718 vs a bare Qt Widgets window",
     "BM_Kf2718WindowShown", "BM_MinimalWindowShown", "times the baseline", 1.3),
    ("Certificate to PDF, whole process: kf2718 --pdf vs a bare Qt program writing the same page "
     "with QPdfWriter (600 dpi, PDF/A-1b)", "BM_Kf2718Pdf", "BM_BarePdf", "times the baseline",
     1.25),
    ("Certificate to PDF, peak memory: kf2718 --pdf vs the bare Qt program", "BM_Kf2718Pdf",
     "BM_BarePdf", "times the baseline (memory)", 1.5),
    ("Print to the preview painted at 100 %, in-process, vs a bare Qt program showing a maximized "
     "window that paints the same page (whole process)", "BM_PrintToPreviewPainted",
     "BM_BarePageWindowShown", "times the baseline", 1.5),
    ("Print to the preview painted at 100 % vs the bare window painting the same page, both "
     "in-process", "BM_PrintToPreviewPainted", "BM_BareWindowPainted", "times the baseline", None),
    ("Process start and loading: kf2718 --help vs /bin/true", "BM_Kf2718Help", "BM_True",
     "times the baseline", None),
    ("Preview repaint of the certificate at 100 % vs bare QPainter glyph runs of the same text",
     "BM_PreviewRepaint", "BM_BareGlyphRuns", "times the baseline", 1.5),
    ("Text layout of 1 MB of Hungarian text vs QTextLayout", "BM_DrawTextLayout/1048576",
     "BM_QTextLayout/1048576", "times faster", 2),
    ("Text layout of 10 MB vs QTextLayout", "BM_DrawTextLayout/10485760",
     "BM_QTextLayout/10485760", "times faster", 2),
    ("Save (form text, key, encryption, synced write, rename) vs a synced write of the same size",
     "BM_Save", "BM_SyncedWriteOfTheSameSize", "times the baseline", None),
    ("Load (read, key, decryption, restore) vs reading the same file", "BM_Load",
     "BM_ReadOfTheSameFile", "times the baseline", None),
    ("Preparing 1 000 pages vs 100 pages, time per page", "BM_Prepare/1000", "BM_Prepare/100",
     "times the baseline", 1.2),
    ("1 000 certificates, whole process, per certificate: one kf2718 --batch to one PDF vs "
     "1 000 separate kf2718 --pdf", "BM_BatchPdf/1000", "BM_SeparatePdfs/1000", "times faster",
     15),
    ("kf2718 --batch to one PDF, time per certificate: 10 000 rows vs 100 rows",
     "BM_BatchPdf/10000", "BM_BatchPdf/100", "times the baseline", 1.2),
    ("kf2718 --batch to one PDF, peak memory: 10 000 rows vs 100 rows", "BM_BatchPdf/10000",
     "BM_BatchPdf/100", "times the baseline (memory)", 1.5),
]
UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def seconds(run):
    if "us_per_page" in run:  # a per-page figure is the comparable one
        return run["us_per_page"] * 1e-6
    return run["real_time"] * UNITS[run.get("time_unit", "ns")]


def shown(value):
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("µs", 1e-6)):
        if value >= scale:
            return f"{value / scale:.3g} {unit}"
    return f"{value / 1e-9:.3g} ns"


def main(files):
    runs = {}
    for name in files:
        with open(name) as f:
            for run in json.load(f)["benchmarks"]:
                if run.get("run_type", "iteration") == "iteration" and "error_occurred" not in run:
                    key = run["name"].split("/iterations:")[0].replace("/manual_time", "")
                    runs[key] = run
    cpu = subprocess.run(["sh", "-c", "grep -m1 'model name' /proc/cpuinfo | cut -d: -f2"],
                         capture_output=True, text=True).stdout.strip()
    print(f"Machine: {cpu or platform.processor()}, {len(open('/proc/cpuinfo').read().split('processor')) - 1}"
          f" logical cores, {platform.system()} {platform.release()}.\n")
    print("| measure | ours | baseline | ratio | target | met |")
    print("|---|---|---|---|---|---|")
    for what, ours, base, reading, target in PAIRS:
        if ours not in runs or base not in runs:
            print(f"| {what} | not run | | | | |")
            continue
        if reading.endswith("(memory)"):
            a, b = runs[ours]["peak_rss_kib"] * 1024, runs[base]["peak_rss_kib"] * 1024
            ratio = a / b
            met = "yes" if ratio <= target else "no"
            print(f"| {what} | {a / 2**20:.1f} MiB | {b / 2**20:.1f} MiB | {ratio:.2f}× "
                  f"({reading}) | ≤ {target}× | {met} |")
            continue
        a, b = seconds(runs[ours]), seconds(runs[base])
        if reading == "times faster":
            ratio = b / a
            met = "yes" if target is None or ratio >= target else "no"
            goal = f"≥ {target}×" if target else "—"
        else:
            ratio = a / b
            met = "yes" if target is None or ratio <= target else "no"
            goal = f"≤ {target}×" if target else "—"
        print(f"| {what} | {shown(a)} | {shown(b)} | {ratio:.2f}× ({reading}) | {goal} | "
              f"{met if target else '—'} |")
    for pages in ("100", "1000"):
        run = runs.get(f"BM_Prepare/{pages}")
        if run and "kept_bytes_per_page" in run:
            print(f"\nPreparing {pages} pages keeps {run['kept_bytes_per_page'] / 1024:.1f} KiB of "
                  f"heap per page (peak {run['peak_bytes_per_page'] / 1024:.1f} KiB per page).",
                  end="")
    shown_preview = runs.get("BM_PrintToPreviewPainted")
    if shown_preview:
        wait = seconds(shown_preview)
        print(f"\nPrint to the preview painted at 100 %: {shown(wait)} (target ≤ 50 ms: "
              f"{'met' if wait <= 0.05 else 'not met'}).", end="")
    small, large = runs.get("BM_BatchPdf/100"), runs.get("BM_BatchPdf/10000")
    if small and large and "pdf_bytes" in small:
        extra = (large["pdf_bytes"] - small["pdf_bytes"]) / (10000 - 100)
        print(f"\nkf2718 --batch: each page after the 100th adds {extra / 1024:.2f} KiB to the PDF "
              f"(target ≤ 8 KiB: {'met' if extra <= 8 * 1024 else 'not met'}); 100 rows make "
              f"{small['pdf_bytes'] / 1024:.0f} KiB, 10 000 rows {large['pdf_bytes'] / 2**20:.1f} "
              f"MiB.", end="")
    print()


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])

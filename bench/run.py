#!/usr/bin/env python3
"""Runs every benchmark of `make bench`, prints one table and writes it to
bench/results.md. Usage: run.py <build folder> <results file>."""

import datetime
import json
import os
import platform
import re
import statistics
import subprocess
import sys
import tempfile

build, results = sys.argv[1], sys.argv[2]
bin_dir = os.path.abspath(os.path.join(build, "bin"))
program = os.path.join(bin_dir, "kx-start-bench")
baseline = os.path.join(bin_dir, "bare-mdi")
konfigurator = os.path.join(bin_dir, "kx-konfigurator")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
IDLE_SECONDS = 10


def run(args, **kwargs):
    return subprocess.run(args, env=env, check=True, capture_output=True, text=True, **kwargs)


def start_up(rounds=3, runs=10):
    """Medians over every run of the wall time from process start to the first
    frame that paints the start dialog (and to the complete start-up), and mean
    CPU time (user + system), ms, of the program and the baseline. Each ends
    itself on the spot, so no teardown is timed. hyperfine runs its
    commands one after the other; rounds that take turns keep a machine that
    speeds up or slows down meanwhile from favouring either."""
    commands = [program, program + " complete", baseline]
    wall = [[] for _ in commands]
    cpu = [[] for _ in commands]
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "startup.json")
        for _ in range(rounds):
            run(["hyperfine", "--shell=none", "--warmup", "3", "--runs", str(runs),
                 "--export-json", out] + commands)
            with open(out) as f:
                results = json.load(f)["results"]
            for i, r in enumerate(results):
                wall[i] += [t * 1000 for t in r["times"]]
                cpu[i].append((r["user"] + r["system"]) * 1000)
    return ([statistics.median(w) for w in wall], [statistics.mean(c) for c in cpu],
            rounds * runs)


def instructions(command, cwd=None):
    """Instructions executed up to the process's end, as callgrind counts them
    (millions): free of the machine's noise."""
    with tempfile.TemporaryDirectory() as tmp:
        err = run(["valgrind", "--tool=callgrind",
                   "--callgrind-out-file=" + os.path.join(tmp, "out")] + command, cwd=cwd).stderr
    return int(re.search(r"refs:\s+([\d,]+)", err).group(1).replace(",", "")) / 1e6


DATASHEET_BELT = "mKX40-600-R-AG-2GC-EV"


def datasheet_instructions():
    """The whole run of `kx-konfigurator --datasheet` for one belt with
    modules, in a folder of its own (millions), and the fonts its PDF embeds."""
    with tempfile.TemporaryDirectory() as tmp:
        with open(os.path.join(tmp, "belt.dat"), "w") as f:
            f.write(DATASHEET_BELT + "\r\n")
        count = instructions([konfigurator, "--datasheet", "belt.dat", "--output", "belt.pdf"],
                             cwd=tmp)
        listing = subprocess.run(["pdffonts", os.path.join(tmp, "belt.pdf")],
                                 capture_output=True, text=True).stdout.splitlines()
    return count, [line.split()[0] for line in listing[2:] if line.strip()]


def font_packages():
    """The installed font packages, which move every count with text in it."""
    out = subprocess.run(["dpkg-query", "-W", "-f", "${db:Status-Abbrev} ${Package} ${Version}\n",
                          "fonts-*"], capture_output=True, text=True).stdout
    return [" ".join(line.split()[1:]) for line in out.splitlines() if line.startswith("ii")]


def peak_memory(command, runs=5):
    """Median over runs of the maximum resident set, MiB."""
    sizes = []
    for _ in range(runs):
        err = run(["/usr/bin/time", "-v", command]).stderr
        sizes.append(int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", err).group(1)))
    return statistics.median(sizes) / 1024


def idle_cpu(command):
    """CPU time (user + system) of IDLE_SECONDS after start-up, ms."""
    out = run([command, "idle", str(IDLE_SECONDS)]).stdout
    return float(re.search(r"idle_cpu_ms ([\d.]+)", out).group(1))


def idle_cpu_pair(runs=5):
    """Medians over runs, program and baseline taking turns."""
    program_ms, baseline_ms = [], []
    for _ in range(runs):
        program_ms.append(idle_cpu(program))
        baseline_ms.append(idle_cpu(baseline))
    return statistics.median(program_ms), statistics.median(baseline_ms)


def in_process():
    out = run([os.path.join(build, "bench", "kx-bench"), "tickCosts", "idlePaints",
               "pictureStores"]).stdout
    return {m.group(1): float(m.group(2)) for m in re.finditer(r"KXBENCH (\S+) (\S+)", out)}


def machine():
    cpu = "unknown CPU"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    try:
        with open("/etc/debian_version") as f:
            debian = "Debian " + f.read().strip()
    except OSError:
        debian = platform.platform()
    qt = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout.strip() or "unknown"
    return f"{cpu}, {os.cpu_count()} cores, {debian}, Qt {qt}"


def fmt(value, digits):
    return f"{value:.{digits}f}"


def main():
    print("Start-up (hyperfine) ...", flush=True)
    (start_p, start_all, start_b), (cpu_p, _, cpu_b), start_runs = start_up()
    print("Start-up instructions (callgrind) ...", flush=True)
    instr_p, instr_all, instr_b = (instructions([program]), instructions([program, "complete"]),
                                   instructions([baseline]))
    print("Datasheet instructions (callgrind) ...", flush=True)
    instr_sheet, sheet_fonts = datasheet_instructions()
    print("Peak memory ...", flush=True)
    mem_p, mem_b = peak_memory(program), peak_memory(baseline)
    print(f"Idle CPU, 5 x {IDLE_SECONDS} s each ...", flush=True)
    idle_p, idle_b = idle_cpu_pair()
    print("Ticks, paints, pictures ...", flush=True)
    r = in_process()

    rows = []

    def ratio_row(measure, p, b, digits, limit):
        ratio = p / b if b else float("inf")
        rows.append((measure, fmt(p, digits), fmt(b, digits), f"{ratio:.2f}",
                     f"≤ {limit} ×", "yes" if ratio <= limit else "NO"))

    def limit_row(measure, p, digits, limit, unit):
        if limit is None:
            rows.append((measure, fmt(p, digits), "–", "–", "–", "–"))
            return
        rows.append((measure, fmt(p, digits), "–", "–", f"≤ {limit} {unit}".strip(),
                     "yes" if p <= limit else "NO"))

    ratio_row(f"Start-up to the first frame of wStart, median of {start_runs} (ms)",
              start_p, start_b, 1, 1.3)
    rows.append((f"The same start-up, CPU time (user + system), mean of {start_runs} (ms)",
                 fmt(cpu_p, 1), fmt(cpu_b, 1), f"{cpu_p / cpu_b:.2f}", "–", "–"))
    ratio_row("The same start-up, instructions (callgrind, millions)", instr_p, instr_b, 1, 1.3)
    rows.append((f"Start-up until the windows behind wStart are built too, median of {start_runs} "
                 "(ms), for information", fmt(start_all, 1), fmt(start_b, 1),
                 f"{start_all / start_b:.2f}", "–", "–"))
    ratio_row("The same complete start-up, instructions (callgrind, millions)", instr_all,
              instr_b, 1, 1.3)
    ratio_row("Peak memory, maximum resident set (MiB)", mem_p, mem_b, 1, 1.25)
    ratio_row(f"Idle CPU over {IDLE_SECONDS} s, wmM with 14 pieces, median of 5 (ms)",
              idle_p, idle_b, 1, 1.2)
    limit_row("Timer_Module tick, 14 pieces, nothing to do (µs)", r["tick_module_idle_us"], 2, 5, "µs")
    limit_row("Timer_Antrieb tick, 14 pieces, nothing to do (µs)", r["tick_drive_idle_us"], 2, 5, "µs")
    limit_row("The same ticks with cold caches, Timer_Module, for information (µs)",
              r["tick_module_cold_us"], 1, None, "")
    limit_row("The same ticks with cold caches, Timer_Antrieb, for information (µs)",
              r["tick_drive_cold_us"], 1, None, "")
    limit_row("Timer_Module tick, 14 pieces, a replacement (µs)", r["tick_module_request_us"], 1, 200, "µs")
    limit_row("Timer_Antrieb tick, 14 pieces, drive moved (µs)", r["tick_drive_request_us"], 1, 200, "µs")
    limit_row("Paint events in 100 unchanged ticks, wmM with 14 pieces", r["paints_modular"], 0, 0, "")
    limit_row("Paint events in 100 unchanged ticks, woM", r["paints_plain"], 0, 0, "")
    limit_row("Both picture stores created, with the start pictures drawn (ms)",
              r["stores_startup_ms"], 2, 15, "ms")
    limit_row("Every picture of both stores drawn once, for information (ms)",
              r["stores_all_ms"], 2, None, "")
    limit_row(f"Datasheet of {DATASHEET_BELT}, whole run of --datasheet, instructions "
              "(callgrind, millions), for information", instr_sheet, 1, None, "")

    header = ("Measure", "Program", "Baseline", "Ratio", "Goal", "Met")
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    table = "\n".join(lines)
    when = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    about = (f"Machine: {machine()}.  \nDate: {when}.  \n"
             f"Fonts installed: {', '.join(font_packages()) or 'none'}; the datasheet embeds "
             f"{', '.join(sheet_fonts) or 'no font'}.  \n"
             "Platform: QT_QPA_PLATFORM=offscreen for both programs; Release build. "
             "Baseline: bench/bare_mdi.cpp, the start dialog's shape with its words: a menu bar "
             "of five menus, three pictures and three captioned buttons, in Qt's default font. "
             "Start-up runs end on the spot once the measured point is reached (the first frame "
             "that paints wStart, or the baseline's window; or the windows behind wStart built), "
             "so neither wall times nor instructions include the teardown; the complete "
             "start-up is set against the baseline's first frame, as the baseline has nothing "
             "behind it. Tick times are the median of the mean of "
             "1000 ticks (nothing to do) or of single ticks (with a request), "
             "without the repaint that follows; a cold tick follows a pass over 32 MiB of "
             "other data, as an idle program's tick follows whatever else the machine did. "
             "The stores draw each picture on its first fetch; at a ratio of 1 the "
             "program takes the three start pictures as the build drew them, so its "
             "start-up draws none (the store row below draws them). "
             "The start-up shows the start dialog first and builds the two editors behind "
             "it and the hidden windows right after its first paint (or at once when "
             "anything asks for one); the row 'until the windows behind wStart are built' "
             "times that complete start. Idle CPU is the scheduler's time on a CPU "
             "(/proc/self/schedstat), program and baseline taking turns.")
    print()
    print(table)
    print()
    print(about.replace("  \n", "\n"))
    with open(results, "w") as f:
        f.write("# Benchmark results\n\nWritten by `make bench`.\n\n")
        f.write(about + "\n\n" + table + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())

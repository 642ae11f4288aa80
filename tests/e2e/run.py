"""Runs the end-to-end cases (case_*.py beside this file) on the real program.

    run.py --program BUILD/bin/kx-konfigurator --data DATA_DIR [--installed] [PATTERN ...]

PATTERNs (or KX_E2E_CASES, words separated by commas or spaces) pick the
cases whose "group/case" name holds one of them, e.g. `files`, `pipe`,
`language`. With KX_E2E_SHOTS=DIR, the screen of each failure goes there as
a PNG (ImageMagick's import); with KX_E2E_SHOTS_ALL=1 too, every case's last
screen. With --installed, the groups for an installed program run instead,
on the program where it lies.

Started by run.sh inside its own X server and D-Bus session.
"""

import argparse
import glob
import importlib
import os
import shutil
import sys
import threading
import time
import traceback

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kxdrive  # noqa: E402

# The whole suite; each wait has its own, shorter, deadline.
SUITE_SECONDS = 80


def load_groups():
    groups = []
    for path in sorted(glob.glob(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                              "case_*.py"))):
        module = importlib.import_module(os.path.basename(path)[:-3])
        groups.extend(getattr(module, "GROUPS", None) or [module.GROUP])
    return groups


def selected(case, patterns):
    return not patterns or any(p.lower() in case.full_name.lower() for p in patterns)


def run_group(group, cases, args, shots_all, results):
    program = None
    try:
        for case in cases:
            began = time.monotonic()
            try:
                if program is None:
                    program = kxdrive.Program(args.program, args.data, group, args.shots)
                    program.start()
                program.errors, program.shot, program.case_name = [], None, case.full_name
                case.function(program, *case.args)
                stopped = []
            except kxdrive.Failure as failure:
                stopped = [str(failure)]
            except Exception:  # a fault of the driver or the case itself
                stopped = [traceback.format_exc()]
            outcome = "\n  ".join((program.errors if program else []) + stopped)
            seconds = time.monotonic() - began
            shot = program.shot if program else None
            if program and program.process and (outcome or shots_all) and not shot:
                shot = program.screenshot(case.full_name)
            if outcome:
                print("FAIL %s (%.1f s)\n  %s" % (case.full_name, seconds, outcome))
                if shot:
                    print("  screenshot: " + shot)
                # The next case needs a program in a known state.
                program.stop()
                program = None
            else:
                print("PASS %s (%.1f s)" % (case.full_name, seconds))
            sys.stdout.flush()
            results.append((case, outcome))
    finally:
        if program:
            program.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--installed", action="store_true")
    parser.add_argument("patterns", nargs="*")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    args.data = os.path.abspath(args.data)
    shots_all = os.environ.get("KX_E2E_SHOTS_ALL") == "1"
    args.shots = os.environ.get("KX_E2E_SHOTS")
    if args.shots:
        args.shots = os.path.abspath(args.shots)
        if not shutil.which("import"):
            print("KX_E2E_SHOTS: no screenshots without ImageMagick's import")
    patterns = args.patterns or os.environ.get("KX_E2E_CASES", "").replace(",", " ").split()

    def give_up():
        print("FAIL the suite ran past %d s" % SUITE_SECONDS)
        sys.stdout.flush()
        os._exit(2)  # the programs die with the driver
    watchdog = threading.Timer(SUITE_SECONDS, give_up)
    watchdog.daemon = True
    watchdog.start()

    began = time.monotonic()
    results = []
    for group in load_groups():
        if group.installed != args.installed:
            continue
        cases = [c for c in group.cases if selected(c, patterns)]
        if cases:
            run_group(group, cases, args, shots_all, results)
    failed = [case.full_name for case, outcome in results if outcome]
    if failed and not args.shots:
        print("(KX_E2E_SHOTS=DIR keeps the screen of each failure)")
    print("%d cases, %d failed, %.1f s%s" % (len(results), len(failed), time.monotonic() - began,
                                             ": " + ", ".join(failed) if failed else ""))
    if not results:
        print("no case matches %r" % patterns)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

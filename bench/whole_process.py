#!/usr/bin/env python3
"""Small prefdesk-host commands as whole processes beside the sqlite3 program running the same
statements on the same files.

Builds prefdesk_bench and prefdesk-host (Release, build/bench), has prefdesk_bench write the
databases of both catalogue sizes, runs each command once with $PREFDESK_STATEMENT_LOG to get
the statements it ran (the data service's calls from its StatementRecorder, the local ones from
the engine's trace) and then times, alternately, the command and `sqlite3 server.db` running
that script with the local defaults database attached. Output goes to /dev/null for both.
Figures are medians of wall-clock times.

    bench/whole_process.py [runs]        (default 30)

Environment: BUILD_DIR; HOST, the program to time in the build folder (default prefdesk-host;
prefdesk-host-full shows what loading Qt and libpq costs).
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
BUILD = os.environ.get("BUILD_DIR", os.path.join(ROOT, "build", "bench"))
USER = "1"  # has a saved layout and a settings row
COMMANDS = [
    ["settings", "--user", USER],
    ["get", "--user", USER, "MaxHistoryRecords"],
    ["bar", "--user", USER],
    ["default-column", "--user", USER],
]
GOAL = 2.0


def build():
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DPREFDESK_BENCH=ON", "-DPREFDESK_TESTS=OFF",
                    "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "-j2", "--target", "prefdesk_bench", "prefdesk-host"],
                   check=True, stdout=subprocess.DEVNULL)


def seconds(argv, stdin=None):
    with open(os.devnull, "w") as null:
        start = time.perf_counter()
        subprocess.run(argv, stdin=stdin, stdout=null, stderr=null, check=True)
        return time.perf_counter() - start


def main(runs):
    build()
    host = os.path.join(BUILD, os.environ.get("HOST", "prefdesk-host"))
    sqlite3 = shutil.which("sqlite3")
    if sqlite3 is None:
        sys.exit("the sqlite3 program is not installed (apt-get install sqlite3)")
    work = tempfile.mkdtemp(prefix="prefdesk-whole-")
    env = dict(os.environ, PREFDESK_BENCH_DATABASES=work)
    subprocess.run([os.path.join(BUILD, "bench", "prefdesk_bench")], env=env, check=True)
    print(f"{time.strftime('%Y-%m-%dT%H:%M:%S%z')}  runs: {runs}  (medians, whole processes)  "
          f"load average {os.getloadavg()[0]:.2f}")
    print()
    print(f"program: {os.path.basename(host)}")
    header = f"{'command':<18}{'scale':>6}{'prefdesk-host':>15}{'sqlite3':>10}{'ratio':>8}{'goal':>6}  met?"
    print(header)
    print("-" * len(header))
    missed = 0
    for command in COMMANDS:
        if subprocess.run([host, command[0], "--help"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode != 0:
            continue  # a command this build does not have
        for scale in ("x1", "x10"):
            folder = os.path.join(work, scale)
            local, server = os.path.join(folder, "local.db"), os.path.join(folder, "server.db")
            argv = [host, *command, "--defaults", local, "--server", "sqlite:" + server]
            log = os.path.join(folder, command[0] + ".sql")
            subprocess.run(argv, env=dict(os.environ, PREFDESK_STATEMENT_LOG=log), check=True,
                           stdout=subprocess.DEVNULL)
            script = os.path.join(folder, command[0] + ".replay.sql")
            with open(script, "w", encoding="utf-8") as out, open(log, encoding="utf-8") as statements:
                out.write(f"ATTACH '{local}' AS local;\n")
                out.write(statements.read())
            program, replay = [], []
            for i in range(runs):
                with open(script, encoding="utf-8") as stdin:
                    pair = [lambda: seconds(argv), lambda: seconds([sqlite3, server], stdin)]
                    if i % 2:
                        pair.reverse()
                    times = [run() for run in pair]
                    if i % 2:
                        times.reverse()
                program.append(times[0])
                replay.append(times[1])
            a, b = statistics.median(program), statistics.median(replay)
            met = "yes" if a / b <= GOAL else "NO"
            missed += met == "NO"
            print(f"{' '.join(command[:1]):<18}{scale:>6}{a * 1e3:>12.2f} ms{b * 1e3:>7.2f} ms"
                  f"{a / b:>8.2f}{GOAL:>6.1f}  {met}")
    shutil.rmtree(work)
    print()
    print("all goals met" if missed == 0 else f"{missed} goal(s) missed")


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 30)

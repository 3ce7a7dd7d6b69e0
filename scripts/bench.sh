#!/usr/bin/env bash
# Builds the benchmarks in Release (in ${NATARIX_BUILD_DIR:-build}-bench, never
# the CI build folder), runs the core's cases beside their floors and prints
# one table of medians and ratios, the peak memory of the largest cases and,
# when it was built, the window's figures.
#   NATARIX_BENCH_REPETITIONS  repetitions per case (default 7); the table shows medians
#   NATARIX_BENCH_MIN_TIME     seconds per repetition (default 0.2)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}-bench"
repetitions="${NATARIX_BENCH_REPETITIONS:-7}"
min_time="${NATARIX_BENCH_MIN_TIME:-0.2}"

"$root/scripts/setup.sh"
(cd "$root" && cmake --preset bench -B "$build" >/dev/null)
cmake --build "$build" --parallel "$(nproc)" --target natarix_bench >/dev/null
# The window's benchmark exists only with the GUI; its build failing must not
# cost the core's figures, so it is reported below instead.
gui_built=no
if cmake --build "$build" --target help | grep -q '^natarix_gui_bench:'; then
  if cmake --build "$build" --parallel "$(nproc)" --target natarix_gui_bench >"$build/bench-gui-build.log" 2>&1; then
    gui_built=yes
  else
    gui_built=failed
  fi
fi

bench="$build/bench/core/natarix_bench"
json="$build/bench-core.json"
# The scratch files go beside the build, on a real disk; /tmp may be memory.
command=("$bench" "--benchmark_repetitions=$repetitions" --benchmark_report_aggregates_only=true
  --benchmark_enable_random_interleaving=true "--benchmark_min_time=$min_time"
  "--benchmark_out=$json" --benchmark_out_format=json)
if ! (cd "$build" && NATARIX_BENCH_DIR="$build" "${command[@]}" >"$build/bench-core.log" 2>&1); then
  cat "$build/bench-core.log" >&2
  exit 1
fi

echo "# Natarix benchmarks"
echo
echo "Processor: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//') ($(nproc) cores)"
echo "Command: NATARIX_BENCH_DIR=$build ${command[*]}"
echo
python3 - "$json" <<'EOF'
import json
import sys

report = json.load(open(sys.argv[1]))
context = report["context"]
runs = {}
for run in report["benchmarks"]:
    if run.get("aggregate_name") == "median":
        runs[run["run_name"].removesuffix("/manual_time")] = run


def duration(seconds):
    ms = seconds * 1e3
    if ms >= 100:
        return f"{ms:.0f} ms"
    if ms >= 1:
        return f"{ms:.2f} ms"
    return f"{ms * 1000:.1f} µs"


def size(count):
    for unit, step in (("MB", 1e6), ("KB", 1e3)):
        if count >= step:
            return f"{count / step:.1f} {unit}"
    return f"{count:.0f} B"


def number(value):
    return f"{value:,.0f}"


def seconds(run):
    return run["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]


def count(name, key):
    return runs.get(name, {}).get(key, 0)


rows = []
missed = []


# `goal` bounds the ratio; `limit` (seconds) the time itself, for work
# whose wait the volunteer feels whatever the machine.
def row(work, label, name, goal=None, limit=None):
    run = runs.get(name)
    if run is None:
        rows.append(f"| {work} | {label} | not run | | | | |")
        return
    ratio = run["ratio"]
    verdict = "—"
    goal_text = ""
    if goal is not None:
        verdict = "yes" if ratio <= goal else "**no**"
        goal_text = f"≤ {goal:g}x"
        if ratio > goal:
            missed.append(f"{work}, {label}: {ratio:.1f}x, goal {goal:g}x")
    if limit is not None:
        verdict = "yes" if seconds(run) < limit else "**no**"
        goal_text = f"< {limit * 1e3:g} ms"
        if seconds(run) >= limit:
            missed.append(f"{work}, {label}: {duration(seconds(run))}, goal {goal_text}")
    rows.append(f"| {work} | {label} | {duration(seconds(run))} | {duration(run['floor_seconds'])} | "
                f"{ratio:.1f}x | {goal_text} | {verdict} |")


for label in ("10KB", "1MB", "10MB"):
    name = f"definition_read/{label}"
    what = (f"{size(count(name, 'bytes'))}: {number(count(name, 'sections'))} sections, "
            f"{number(count(name, 'events'))} events, {number(count(name, 'classes'))} scoring classes")
    row("read definition list", what, name, 20 if label == "10MB" else None)
for label in ("10KB", "1MB", "10MB"):
    name = f"definition7_read/{label}"
    what = (f"{size(count(name, 'bytes'))}: {number(count(name, 'sections'))} sections, "
            f"{number(count(name, 'events'))} events, {number(count(name, 'classes'))} scoring classes")
    row("read definition list, format 7", what, name, 10 if label == "10MB" else None)
for swimmers in (10, 100, 1000):
    name = f"working_write/{swimmers}"
    what = f"{swimmers:,} swimmers, {number(count(name, 'entries'))} entries, {size(count(name, 'bytes'))}"
    row("save working file", what, name, 3 if swimmers == 1000 else None)
    row("working file text (CPU part of the save)", what, f"working_text/{swimmers}")
    row("read working file back", what, f"working_read/{swimmers}")
for officials in (10, 100):
    for entries in (100, 1000, 5000, 10000):
        name = f"pdf/{entries}/{officials}"
        what = (f"{entries:,} entries, {officials} officials: {number(count(name, 'pages'))} pages, "
                f"{size(count(name, 'bytes'))}")
        row("save PDF", what, name, 3 if entries == 10000 else None)
        row("PDF bytes (CPU part of the save)", what, f"pdf_bytes/{entries}/{officials}")
    what = f"10,000 vs 5,000 entries, {officials} officials"
    row("save PDF, entries doubled", what, f"pdf_doubling/{officials}", 2.2)
    row("PDF bytes, entries doubled", what, f"pdf_bytes_doubling/{officials}", 2.2)
name = "export/1000"
row("export end to end (DSV + PDF)",
    f"1,000 swimmers, {number(count(name, 'entries'))} entries, {size(count(name, 'bytes'))}", name)

for label in ("2x500", "100x5000"):
    name = f"result_import/{label}"
    what = (f"{number(count(name, 'lists'))} lists of {number(count(name, 'results'))} results, "
            f"{size(count(name, 'bytes'))}: {number(count(name, 'added'))} swims stored")
    row("import result lists", what, name, 3 if label == "100x5000" else None)
for label in ("2x500", "100x5000"):
    name = f"best_times/{label}"
    what = (f"{number(count(name, 'swimmers'))} swimmers, {number(count(name, 'events'))} events, "
            f"{number(count(name, 'stored'))} swims stored: {number(count(name, 'best_times'))} best times")
    row("best times of a club", what, name, limit=0.050 if label == "100x5000" else None)

print("| work | size | median time | floor | ratio | goal | met? |")
print("|---|---|---:|---:|---:|---|---|")
print("\n".join(rows))
print()
repetitions = next(iter(runs.values()))["repetitions"] if runs else 0
print(f"Medians of {repetitions} repetitions, wall-clock time. Every iteration runs the case and its floor in turn;")
print("the ratio is the median over the repetitions of the case's time over its floor's.")
print(f"Floor of reading: {context.get('floor_of_reading')} (warm file cache);"
      " discarding what was read is not counted.")
print(f"Floor of saving: {context.get('floor_of_saving')}; the export's floor saves its two files so.")
print(f"Floor of the CPU parts: {context.get('floor_of_text')}. Floor of a doubling: the same work for 5,000 entries.")
if "floor_of_import" in context:
    print(f"Floor of the import: {context['floor_of_import']}; the database is new for every import.")
    print(f"Floor of the best times: {context['floor_of_best_times']}; their goal is the time itself.")
print(f"Scratch folder on: {context.get('scratch_file_system')}.")
for officials in (10, 100):
    per_entry = [f"{entries:,}: {seconds(runs[f'pdf_bytes/{entries}/{officials}']) * 1e6 / entries:.2f} µs"
                 for entries in (100, 1000, 5000, 10000) if f"pdf_bytes/{entries}/{officials}" in runs]
    print(f"PDF bytes per entry, {officials} officials: " + ", ".join(per_entry))
print()
print("Every goal met." if not missed else "Goals missed: " + "; ".join(missed))
EOF

echo
echo "## Peak memory (each case in a child process of its own)"
echo
(cd "$build" && NATARIX_BENCH_DIR="$build" "$bench" --peak-memory)

if [ "$gui_built" != no ]; then
  echo
  echo "## The window"
  echo
  if [ "$gui_built" = yes ]; then
    (cd "$build" && QT_QPA_PLATFORM=offscreen "$build/bench/gui/natarix_gui_bench" --table)
  else
    echo "natarix_gui_bench did not build; see $build/bench-gui-build.log"
  fi
fi

#!/usr/bin/env bash
# Builds the benchmarks (Release, into ./build-bench) and runs every one in
# bench/, one after another: each bench/NAME.cpp as build-bench/bench/bench_NAME,
# each bench/NAME.py as `python3 bench/NAME.py BUILD_DIR WORK_DIR` (exit 77:
# skipped). Every benchmark prints one line per target,
#   TARGET name: value unit (limit L) ok|MISSED
# and the run ends with a table of them all, each with how many cores were
# free just before its benchmark ran, and "N met, N missed". Exit status 1
# when a target is missed or a benchmark fails.
#
#   scripts/bench.sh                      build and run them all
#   scripts/bench.sh --only NAME...       only these (picture_cores, bench_startup, player_start)
#   scripts/bench.sh --build DIR          use that build folder as it is configured
#   scripts/bench.sh --quick              fewer rounds where a benchmark offers it, 5 minutes at
#                                         most each and 10 in all (those left are listed as not run)
#
# Without a display it runs itself under xvfb-run, so that the start-up
# benchmarks see an X server and the player's runs under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=build-bench
configure=1
quick=0
only=()
while [ $# -gt 0 ]; do
  case "$1" in
    --only) shift; while [ $# -gt 0 ] && [[ "$1" != --* ]]; do only+=("${1#bench_}"); shift; done ;;
    --build) build="$2"; configure=0; shift 2 ;;
    --quick) quick=1; shift ;;
    -h|--help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "bench.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
  esac
done

if [ -z "${DISPLAY:-}" ] && [ -z "${BENCH_UNDER_XVFB:-}" ] && command -v xvfb-run >/dev/null; then
  args=(--build "$build")
  [ "$configure" = 1 ] && args=()
  [ "$quick" = 1 ] && args+=(--quick)
  [ ${#only[@]} -gt 0 ] && args+=(--only "${only[@]}")
  BENCH_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1200x24" bash "$0" "${args[@]}"
fi

# The benchmarks in bench/, or those asked for.
names=()
for src in bench/*.cpp bench/*.py; do
  [ -e "$src" ] || continue
  name=$(basename "${src%.*}")
  if [ ${#only[@]} -gt 0 ]; then
    wanted=0
    for o in "${only[@]}"; do [ "$o" = "$name" ] && wanted=1; done
    [ "$wanted" = 1 ] || continue
  fi
  names+=("$name")
done
if [ ${#names[@]} -eq 0 ]; then
  echo "bench.sh: no benchmark named ${only[*]} in bench/" >&2
  exit 2
fi

echo "== building into $build"
if [ "$configure" = 1 ]; then
  nice cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRENWICK_TESTS=OFF -DBRENWICK_BENCH=ON >/dev/null || exit 1
fi
targets=()
for name in "${names[@]}"; do
  if [ -e "bench/$name.cpp" ]; then targets+=("bench_$name"); else targets+=(all); fi
done
mapfile -t targets < <(printf '%s\n' "${targets[@]}" | sort -u)
[[ " ${targets[*]} " == *" all "* ]] && targets=(all)
log="$build/bench-build.log"
nice cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >"$log" 2>&1 || {
  tail -n 40 "$log"
  echo "bench.sh: the build failed (whole log: $log)" >&2
  exit 1
}

# Free cores now: the same spin on every core at once against one alone.
free_cores() {
  python3 - <<'EOF'
import multiprocessing as mp, os, time
def spin(_):
    x = 0
    for i in range(1500000):
        x += i
    return x
n = os.cpu_count()
t = time.perf_counter(); spin(0); one = time.perf_counter() - t
with mp.Pool(n) as pool:
    pool.map(spin, range(n))
    t = time.perf_counter(); pool.map(spin, range(n)); all_ = time.perf_counter() - t
print("%.1f/%d" % (min(n, n * one / all_), n))
EOF
}

limit=1800      # seconds for one benchmark
budget=86400    # and for them all
[ "$quick" = 1 ] && { limit=300; budget=600; export BRENWICK_BENCH_QUICK=1; }
started=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
table=()
met=0
missed=0
for name in "${names[@]}"; do
  left=$((budget - (SECONDS - started)))
  if [ "$left" -le 0 ]; then
    table+=("$(printf '%-20s %6s  not run: the time for the run is over' "$name" -)")
    continue
  fi
  [ "$left" -lt "$limit" ] && limit=$left
  free=$(free_cores)
  echo
  echo "== $name ($free cores free)"
  out="$work/$name.out"
  if [ -e "bench/$name.cpp" ]; then
    (cd "$work" && timeout "$limit" "$root/$build/bench/bench_$name") 2>&1 | tee "$out"
  else
    timeout "$limit" python3 "bench/$name.py" "$root/$build" "$work/$name" 2>&1 | tee "$out"
  fi
  status=${PIPESTATUS[0]}
  if [ "$status" = 77 ]; then
    table+=("$(printf '%-20s %6s  skipped: %s' "$name" "$free" "$(tail -n 1 "$out")")")
    continue
  fi
  lines=0
  missedHere=0
  while IFS= read -r line; do
    table+=("$(printf '%-20s %6s  %s' "$name" "$free" "${line#TARGET }")")
    lines=$((lines + 1))
    if [[ "$line" == *" ok" ]]; then met=$((met + 1)); else missed=$((missed + 1)); missedHere=1; fi
  done < <(grep '^TARGET ' "$out")
  # A benchmark may end with 1 for a target it missed; any other failure counts.
  if [ "$status" != 0 ] && { [ "$status" != 1 ] || [ "$missedHere" = 0 ]; }; then
    table+=("$(printf '%-20s %6s  ran to its end: exit status %s MISSED' "$name" "$free" "$status")")
    missed=$((missed + 1))
  elif [ "$lines" = 0 ]; then
    table+=("$(printf '%-20s %6s  (no targets)' "$name" "$free")")
  fi
done

echo
echo "== targets"
printf '%-20s %6s  %s\n' benchmark free target
printf '%s\n' "${table[@]}"
echo "$met met, $missed missed ($((SECONDS - started)) s)"
[ "$missed" = 0 ]

#!/usr/bin/env bash
# Prints the processor time Vemo.exe uses while it waits for an answer, as
# the host system counts it: runs game_answer_wait_bench.exe under Wine and,
# once the game waits, reads the Vemo.exe process's times from /proc over
# ten seconds. Needs the build (scripts/test or scripts/run builds it).
# Not a test: the figure depends on the machine and its load.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/lib/env.sh"

cmake --build "$build_dir" --target game_answer_wait_bench >/dev/null
export WINEPREFIX
WINEPREFIX=$(wine_prefix bench)

xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
wineserver -k 2>/dev/null || true
start_xvfb
export WINEPATH="$build_dir/bin"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

ready=$(mktemp -u /tmp/vemo_bench_ready.XXXXXX)
export VEMO_BENCH_READY="Z:${ready//\//\\}"
cd "$build_dir/tests"
"$wine" ./game_answer_wait_bench.exe 2>/dev/null | tr -d '\r' &
bench=$!
for _ in $(seq 1 600); do
    [ -e "$ready" ] && break
    sleep 0.1
done
if [ ! -e "$ready" ]; then
    echo "the game never waited for an answer"
    exit 1
fi
rm -f "$ready"
pid=""
for p in $(pgrep -f 'standin.Vemo\.exe' || true); do
    if tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
        pid=$p
    fi
done
if [ -z "$pid" ]; then
    echo "Vemo.exe not found"
    exit 1
fi
start=$(date +%s%N)
before=$(ticks "$pid")
sleep 10
after=$(ticks "$pid")
wall_ms=$((($(date +%s%N) - start) / 1000000))
awk -v t=$((after - before)) -v hz="$hz" -v w="$wall_ms" 'BEGIN {
    ms = t * 1000 / hz
    printf "Vemo.exe waiting for an answer (host count): %.0f ms of processor time in %d ms = %.2f %% of one core\n", ms, w, 100 * ms / w
}'
wait "$bench"

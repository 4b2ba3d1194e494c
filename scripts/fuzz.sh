#!/usr/bin/env bash
# Runs every fuzz target for a given time and prints what it reached.
#   scripts/fuzz.sh <folder of fuzz_* binaries> <seconds per target>
# New inputs go to a scratch corpus; the seeds and regression inputs in
# fuzz/corpus/<name>/ are read, never written. A crash, leak, time-out or
# memory excess fails the run and leaves the input in build/fuzz/artifacts/.
set -euo pipefail
bin=$1
seconds=${2:-60}
root="$(cd "$(dirname "$0")/.." && pwd)"
artifacts="$root/build/fuzz/artifacts"
mkdir -p "$artifacts"
status=0
printf '%-16s %12s %10s %8s %s\n' target executions "exec/s" cov result
for target in "$bin"/fuzz_*; do
    name=${target##*/fuzz_}
    work=$(mktemp -d)
    log="$work/log"
    result=ok
    "$target" "$work" "$root/fuzz/corpus/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$name-" >"$log" 2>&1 || result=FAILED
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    printf '%-16s %12s %10s %8s %s\n' "$name" "${runs:--}" "${speed:--}" "${cov:--}" "$result"
    if [[ $result != ok ]]; then
        tail -n 40 "$log"
        status=1
    fi
    rm -rf "$work"
done
exit $status

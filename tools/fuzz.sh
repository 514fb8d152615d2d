#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs every fuzz target in turn, one job each and niced, for
# the given minutes per target (default 1) or, when given, until that many
# executions, from its seed corpus and the inputs that once failed. New interesting inputs go to build-fuzz/corpus/<target>,
# a finding to build-fuzz/findings/<target>; the script fails on a finding.
# Installs clang and its libFuzzer runtime when they are missing (Debian 12).
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-1}"
runs="${2:--1}"
targets=(convert steamtable valvedata batch casefile)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset fuzz >/dev/null
nice cmake --build --preset fuzz -j2

status=0
for t in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$t"
    findings="build-fuzz/findings/$t"
    mkdir -p "$corpus" "$findings"
    # The seeds as bytes: .hex files are hexadecimal text.
    for seed in fuzz/corpus/"$t"/* fuzz/found/"$t"/*; do
        [ -f "$seed" ] || continue
        name="$(basename "$seed")"
        case "$seed" in
        *.hex) python3 -c 'import re, sys
sys.stdout.buffer.write(bytes.fromhex(re.sub("#.*", "", open(sys.argv[1]).read())))' \
            "$seed" >"$corpus/${name%.hex}" ;;
        *) cp "$seed" "$corpus/$name" ;;
        esac
    done
    echo "== fuzz_$t: $minutes min"
    # One process, niced, so that others on the machine can still build.
    set +e
    nice -n 19 "build-fuzz/fuzz/fuzz_$t" -max_total_time=$((minutes * 60)) -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"build-fuzz/fuzz_$t.log" 2>&1
    rc=$?
    set -e
    grep -E '^#[0-9]+ +DONE|^stat::(number_of_executed_units|average_exec_per_sec)|ERROR|SUMMARY|^Done' \
        "build-fuzz/fuzz_$t.log" || true
    if [ $rc -ne 0 ] || ls "$findings"/* >/dev/null 2>&1; then
        echo "fuzz_$t: a finding in $findings (log: build-fuzz/fuzz_$t.log)"
        status=1
    fi
done
exit $status

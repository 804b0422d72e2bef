#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for RUNS inputs (default one million),
# starting from seeds made with corvinel-cli. Usage: fuzz/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DCORVINEL_FUZZ=ON -DCORVINEL_TESTS=OFF -DCORVINEL_BENCH=OFF
fi
cmake --build "$dir" --target load_file_fuzzer csv_import_fuzzer csv_dialect_fuzzer frequency_text_fuzzer \
    clone_engine_fuzzer grid_paste_fuzzer yaml_apply_fuzzer corvinel-cli

work=$dir/fuzz-work
mkdir -p "$work/config" "$work/rdf" "$work/csv"
export XDG_CONFIG_HOME=$PWD/$work/config
cli=$dir/cli/corvinel-cli
printf 'Location,Name,Frequency,Mode,Skip\r\n1,"A,""b""",145.12345,FM,P\r\n2,\xef\xbd\xb1,0.594,,\r\n' \
    >"$work/seed.csv"
"$cli" new --country 2 -o "$work/rdf/new.rdf"
"$cli" import "$work/seed.csv" "$work/rdf/new.rdf" -o "$work/rdf/channels.rdf" >/dev/null
{ printf '\002'; "$cli" export "$work/rdf/channels.rdf"; } >"$work/csv/export.csv"
{ printf '\022'; cat "$work/seed.csv"; } >"$work/csv/seed.csv"

"$dir/fuzz/load_file_fuzzer" -runs="$runs" -max_len=70000 -print_final_stats=1 "$work/rdf"
"$dir/fuzz/csv_import_fuzzer" -runs="$runs" -max_len=4096 -print_final_stats=1 "$work/csv"
# Lists in other programs' formats seed the format recognition; the library's lists too.
mkdir -p "$work/dialect"
{ printf '\000'; printf 'Channel Number\tReceive Frequency\tOperating Mode\tName\n0\t145,500\tFM\tA\n'; } \
    >"$work/dialect/commercial"
{ printf '\004'; printf '# notes\n145.5;Calling;NFM\n433,5;UHF\n'; } >"$work/dialect/plain"
{ printf '\010'; cat data/library/pmr446.csv; } >"$work/dialect/library"
"$dir/fuzz/csv_dialect_fuzzer" -runs="$runs" -max_len=4096 -print_final_stats=1 "$work/dialect"
mkdir -p "$work/freq"
printf '145.12345' >"$work/freq/mhz"
printf '2147484' >"$work/freq/khz"
"$dir/fuzz/frequency_text_fuzzer" -runs="$runs" -max_len=64 -print_final_stats=1 "$work/freq"
# Whole transfers (a read, and a write answered with acknowledgements) seed the engines.
mkdir -p "$work/engine"
cp fuzz/seeds/clone_engine/*.bin "$work/engine/"
"$dir/fuzz/clone_engine_fuzzer" -runs="$runs" -max_len=20000 -print_final_stats=1 "$work/engine"
mkdir -p "$work/paste"
{ printf '\001'; printf '88.1\tWFM\tRADIO\t1\n9999\tAM\tBAD\t0\n'; } >"$work/paste/text"
{ printf '\047'; "$cli" export "$work/rdf/channels.rdf" | tr ',' '\t'; } >"$work/paste/export"
"$dir/fuzz/grid_paste_fuzzer" -runs="$runs" -max_len=2048 -print_final_stats=1 "$work/paste"
mkdir -p "$work/yaml"
{ printf '\012'; "$cli" dump "$work/rdf/channels.rdf"; } >"$work/yaml/dump"
"$dir/fuzz/yaml_apply_fuzzer" -runs="$runs" -max_len=8192 -print_final_stats=1 "$work/yaml"

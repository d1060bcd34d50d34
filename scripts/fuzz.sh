#!/usr/bin/env bash
# Builds the settings engine's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for the given seconds (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
out=build/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -fexec-charset=CP932 -Isrc tests/fuzz/IniFuzz.cpp src/settings/IniFile.cpp src/settings/ValueForms.cpp \
  -o "$out/ini_fuzz" 2>/dev/null || clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined \
  -fno-sanitize-recover=all -Isrc tests/fuzz/IniFuzz.cpp src/settings/IniFile.cpp src/settings/ValueForms.cpp \
  -o "$out/ini_fuzz"
cp -n tests/fuzz/seeds/* "$out/corpus/" 2>/dev/null || true
status=0
(cd "$out" && ./ini_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 corpus >fuzz.log 2>&1) || status=$?
grep -E 'stat::number_of_executed_units|Done|ERROR|SUMMARY' "$out/fuzz.log" || true
if [ "$status" -ne 0 ]; then
  echo "fuzz: 0 passed, 1 failed (see $out/fuzz.log and the crash file beside it)"
  exit 1
fi
echo "fuzz: 1 passed, 0 failed"

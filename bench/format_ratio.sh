#!/bin/sh
# Prints FormatNumber(x, 4) against std::to_chars with 4 fixed decimals, as a ratio.
# Usage: bench/format_ratio.sh path/to/numtext_bench
set -eu
bench=${1:-build/release/bench/numtext_bench}
"$bench" --benchmark_filter='BM_FormatNumber4|BM_ToCharsFixed4' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
python3 -c '
import json, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(sys.stdin)["benchmarks"]
        if b.get("aggregate_name") == "median"}
ours = runs["BM_FormatNumber4"]
for name, label in (("BM_ToCharsFixed4", "into a std::string"), ("BM_ToCharsFixed4Bare", "into a buffer")):
    floor = runs[name]
    print(f"FormatNumber(x, 4) {ours:.1f} ns vs std::to_chars fixed 4 {label} {floor:.1f} ns: ratio {ours / floor:.2f}")
'

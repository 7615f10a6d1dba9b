#!/bin/sh
# A whole run of the terminal program on the longest report (N = 1000 observed
# values, M = 31767 projected periods): its peak memory (/usr/bin/time), then
# its wall time from start to end, questions, fit, every row and the 2.9 MB
# written (hyperfine: 3 runs to warm up, then 20 measured).
set -e
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
sh "$here/longest_run_input.sh"

/usr/bin/time -v "$binary" < answers > /dev/null 2> time.txt
lines=$(wc -l < Ebig.TXT)
bytes=$(wc -c < Ebig.TXT)
peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
echo "whole run: $lines lines, $bytes bytes, peak memory ${peak} kB (goal: under 8192 kB)"

if ! hyperfine --warmup 3 --runs 20 --style none --export-json times.json \
    "'$binary' < answers > /dev/null" > hyperfine.txt 2>&1; then
  cat hyperfine.txt >&2
  exit 1
fi
python3 - times.json <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print("whole run: %.1f ms mean, %.1f ms median, %.1f ms fastest, +-%.1f ms (hyperfine, 20 runs)"
      % (1e3 * r["mean"], 1e3 * r["median"], 1e3 * r["min"], 1e3 * r["stddev"]))
PY

#!/bin/sh
# Wall time of a whole run of the terminal program on the longest report
# (N = 1000, M = 31767): start, questions, fit, every row, the 2.9 MB written.
# hyperfine runs it 3 times to warm up, then 20 times measured.
set -e
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
sh "$here/longest_run_input.sh"
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

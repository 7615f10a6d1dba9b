#!/bin/sh
# Peak memory of a whole run of the terminal program on the longest report:
# N = 1000 observed values, M = 31767 projected periods.
set -e
binary=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
awk 'BEGIN { printf "T\r\n"; for (i = 1; i <= 1000; i++) printf "%d %.6f\r\n", i, 100 + 2 * i ^ 0.8 + 3 * log(i + 1) + 0.37 * (i % 7) }' > Dbig.TXT
{
  printf 'big\n31767\n95\n100\n2\n0.8\n\n\n0.5\n0.0001\n3\n1\n1.5\n0.3\n\n\n\n\n50\n10\n1\n0.0001\n0.5\n0.0002\n\n\n\n\n'
  printf '1.96\n1\n'
} > answers
/usr/bin/time -v "$binary" < answers > /dev/null 2> time.txt
lines=$(wc -l < Ebig.TXT)
bytes=$(wc -c < Ebig.TXT)
peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
echo "whole run: $lines lines, $bytes bytes, peak memory ${peak} kB (goal: under 8192 kB)"

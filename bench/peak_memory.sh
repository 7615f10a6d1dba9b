#!/bin/sh
# Peak memory of a whole run of the terminal program on the longest report:
# N = 1000 observed values, M = 31767 projected periods.
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

#!/bin/sh
# tendencia-lote on a planner's sheet of 1000 monthly series of 144 values
# (lote_sheet.py): series a second from start to end, on every processor, and
# the peak memory of the whole process (/usr/bin/time). Goal on 2 cores: 2
# series a second or more, 200 MB or less.
set -e
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
python3 "$here/lote_sheet.py" 1000 144 > hoja.csv
/usr/bin/time -v "$binary" hoja.csv > salida.txt 2> time.txt || true
tail -1 salida.txt
python3 - time.txt <<'PY'
import re, sys
text = open(sys.argv[1]).read()
clock = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (\S+)", text).group(1)
seconds = 0.0
for part in clock.split(":"):
    seconds = 60 * seconds + float(part)
peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1))
user = float(re.search(r"User time \(seconds\): (\S+)", text).group(1))
system = float(re.search(r"System time \(seconds\): (\S+)", text).group(1))
print("tendencia-lote: 1000 series in %.1f s, %.2f series a second (goal: 2 or more); "
      "processor time %.1f s; peak memory %.1f MB (goal: 200 MB or less)"
      % (seconds, 1000 / seconds, user + system, peak / 1024))
PY

#!/bin/sh
# Writes, in the current folder, the input of the longest run of the terminal
# program: the data file Dbig.TXT (N = 1000 observed values) and the typed
# answers for M = 31767 projected periods, every kind of term and a typed t.
set -e
awk 'BEGIN { printf "T\r\n"; for (i = 1; i <= 1000; i++) printf "%d %.6f\r\n", i, 100 + 2 * i ^ 0.8 + 3 * log(i + 1) + 0.37 * (i % 7) }' > Dbig.TXT
{
  printf 'big\n31767\n95\n100\n2\n0.8\n\n\n0.5\n0.0001\n3\n1\n1.5\n0.3\n\n\n\n\n50\n10\n1\n0.0001\n0.5\n0.0002\n\n\n\n\n'
  printf '1.96\n1\n'
} > answers

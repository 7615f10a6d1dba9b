#!/bin/sh
# A whole run of the worked example under valgrind's memcheck: no error, no leak.
set -e
binary=$1
command -v valgrind >/dev/null || { echo "FAIL: valgrind is not installed"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'T\r\n1 2\r\n2 4\r\n3 7\r\n' > Dt.TXT
{ printf 't\n2\n80\n'; printf '\n1\n1\n'; i=0; while [ $i -lt 22 ]; do echo; i=$((i+1)); done
  printf '95\n'; printf '\n1\n1\n'; i=0; while [ $i -lt 22 ]; do echo; i=$((i+1)); done
  printf '2001\n'; } > answers
valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
  --errors-for-leak-kinds=definite,indirect,possible --log-file=memcheck.log \
  "$binary" < answers > /dev/null || { cat memcheck.log; echo "FAIL: memcheck found errors"; exit 1; }
grep -q "ERROR SUMMARY: 0 errors" memcheck.log || { cat memcheck.log; exit 1; }
grep -q " 2005 " Et.TXT || { echo "FAIL: the run did not complete"; exit 1; }
grep -E "ERROR SUMMARY|in use at exit" memcheck.log

#!/bin/sh
# check_install.sh BUILD_DIR EXPECTED_LIST VERSION PROGRAM...
# Installs the build as the Debian package does (prefix /usr) under a scratch
# DESTDIR and checks what lands there: exactly the files EXPECTED_LIST names for
# the PROGRAMs built, man pages groff reads without a warning, a desktop entry
# the validator accepts, a well-formed icon, and an installed program that runs
# and reports VERSION. Then uninstall must leave no file behind.
set -u
build=$1 expected_list=$2 version=$3
shift 3
programs=" $* "

scratch=$(mktemp -d)
manifest="$build/install_manifest.txt"
# `make uninstall` reads the manifest of the user's last `make install`; this
# scratch install must not replace it.
kept=""
if [ -f "$manifest" ]; then
  kept="$scratch/kept_manifest"
  cp "$manifest" "$kept"
fi
restore() {
  if [ -n "$kept" ]; then cp "$kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$scratch"
}
trap restore EXIT
failures=0
fail() {
  echo "FALLO: $*"
  failures=$((failures + 1))
}

root="$scratch/root"
if ! DESTDIR="$root" cmake --install "$build" --prefix /usr > "$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  fail "cmake --install"
  exit 1
fi

for program in $programs; do
  grep -q "^$program: " "$expected_list" ||
    fail "$program se construye pero $expected_list no dice qué instala"
done
awk -v programs="$programs" '
  /^#/ || NF == 0 { next }
  $1 ~ /:$/ { if (index(programs, " " substr($1, 1, length($1) - 1) " ")) print $2; next }
  { print $1 }' "$expected_list" | sort > "$scratch/expected"
# A file outside the prefix keeps its absolute path, and so never matches.
(cd "$root" && find . ! -type d | sed 's|^\./usr/||; s|^\./|/|' | sort) > "$scratch/installed"
if ! diff -u "$scratch/expected" "$scratch/installed" > "$scratch/diff"; then
  fail "los ficheros instalados no son los esperados (- esperado, + instalado):"
  cat "$scratch/diff"
fi

for page in "$root"/usr/share/man/man1/*; do
  [ -f "$page" ] || continue
  warnings=$(groff -man -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff: ${page#"$root"}: $warnings"
done

desktop="$root/usr/share/applications/tendencia.desktop"
if [ -f "$desktop" ]; then
  complaints=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$complaints" ] ||
    fail "desktop-file-validate: $complaints"
  # The entry and each of its actions start a program of their own.
  for exec_program in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop"); do
    [ -x "$root/usr/bin/$exec_program" ] || fail "el menú inicia $exec_program, que no se instala"
  done
fi

icon="$root/usr/share/icons/hicolor/scalable/apps/tendencia.svg"
if [ -f "$icon" ]; then
  python3 -c 'import sys, xml.etree.ElementTree as x; r = x.parse(sys.argv[1]).getroot(); sys.exit(r.tag != "{http://www.w3.org/2000/svg}svg")' "$icon" ||
    fail "el icono no es un SVG bien formado"
fi

answer=$("$root/usr/bin/tendencia" --version 2>&1)
[ "$answer" = "tendencia $version" ] ||
  fail "tendencia --version instalado dice \"$answer\", el paquete es la versión $version"

# Uninstall reads the manifest this install wrote.
if ! DESTDIR="$root" cmake --build "$build" --target uninstall > "$scratch/uninstall.log" 2>&1; then
  cat "$scratch/uninstall.log"
  fail "uninstall"
fi
left=$(cd "$root" && find . ! -type d)
[ -z "$left" ] || fail "uninstall deja: $left"
[ ! -e "$root/usr/share/doc/tendencia" ] || fail "uninstall deja la carpeta share/doc/tendencia"
[ -d "$root/usr/bin" ] || fail "uninstall quita la carpeta bin, que no es solo de tendencia"

[ "$failures" -eq 0 ] || exit 1
echo "Instalación correcta: $(wc -l < "$scratch/installed") ficheros"

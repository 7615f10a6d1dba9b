#!/bin/sh
# Installs the Debian packages the build and the tests need, when missing.
# Run as root or with sudo; otherwise it only says what is missing.
set -e
packages="cmake g++ make python3 libgtest-dev libbenchmark-dev $*"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Instalando:$missing"
if [ "$(id -u)" = 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "Faltan paquetes y no hay permisos para instalarlos:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing

#!/bin/bash
# Installs what is missing from Debian's packages, builds Ribolia, then
# starts it (./build.sh run) or runs the whole test suite (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

PAQUETS=(g++ cmake make qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev libgtest-dev
         libbenchmark-dev fonts-dejavu-core appstream desktop-file-utils shared-mime-info
         poppler-utils)

installa_el_que_falta() {
  local falten=()
  for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || falten+=("$p")
  done
  [ ${#falten[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${falten[@]}"
}

installa_el_que_falta
cmake --preset default
cmake --build --preset default -j2

case "${1:-run}" in
  run) exec ./build/src/ribolia ;;
  test) ctest --preset default -j2 ;;
  *) echo "ús: $0 [run|test]" >&2; exit 2 ;;
esac

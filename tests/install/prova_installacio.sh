#!/bin/bash
# Installs the build into a temporary prefix, moves the prefix, and checks
# that the moved program finds its help file, starts offscreen and that the
# desktop files are in place.
# Usage: prova_installacio.sh CMAKE BUILD_DIR CAMI_AJUDA_PROGRAM
set -euo pipefail
cmake=$1
build=$2
cami_ajuda=$3
arrel=$(mktemp -d)
trap 'rm -rf "$arrel"' EXIT
falla() { echo "FALLA: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$arrel/primer" >/dev/null
mv "$arrel/primer" "$arrel/p"
p=$arrel/p
id=cat.ribolia.Ribolia
for f in bin/ribolia share/ribolia/Ribolia.hlp share/ribolia/ribolia_es.qm share/ribolia/ribolia_en.qm share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/doc/ribolia/copyright; do
  [ -f "$p/$f" ] || falla "no s'ha instal·lat $f"
done
[ -x "$p/bin/ribolia" ] || falla "bin/ribolia no és executable"
[ ! -e "$p/bin/Ribolia.hlp" ] || falla "l'ajuda no ha d'anar a bin"

# The help is found from the executable's folder, not from this tree.
cp "$cami_ajuda" "$p/bin/"
trobat=$(env -u RIBOLIA_DIR_AJUDA QT_QPA_PLATFORM=offscreen "$p/bin/$(basename "$cami_ajuda")")
[ "$trobat" = "$p/share/ribolia/Ribolia.hlp" ] || falla "l'ajuda es busca a $trobat"

# The installed program starts and keeps running until it is stopped.
set +e
env -u RIBOLIA_DIR_AJUDA QT_QPA_PLATFORM=offscreen timeout 4 "$p/bin/ribolia"
rc=$?
set -e
[ $rc -eq 124 ] || falla "el programa instal·lat ha acabat amb $rc abans d'hora"

# A desktop that reads the installed types takes *.srb files for researches.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$p/share/mime"
  grep -q '^[0-9]*:application/x-ribolia-research:\*\.srb$' "$p/share/mime/globs2" ||
    falla "el tipus MIME no reconeix *.srb"
fi
echo "Instal·lació correcta a un prefix mogut"

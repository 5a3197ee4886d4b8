#!/bin/bash
# Checks the install of the program in build/ as a desktop sees it: put into
# a scratch prefix, its launcher and metainfo valid, its icon under the
# launcher's name, its window (on Xvfb) carrying the icon and the
# launcher's class; then the Debian package made by cpack, with those files,
# a stripped program and the libraries it links as dependencies.
set -euo pipefail
. "$(dirname -- "$0")/dipendenze.sh" installazione "$@"
cd "$(dirname -- "$0")/.."

id=org.velmorakov.VelmoraKOV
taglie=(16 22 24 32 48 64 128 256)
prova=$(mktemp -d)
# Installs and cpack rewrite build/install_manifest.txt: a real install's
# list, kept for undoing it, is put back.
[[ -f build/install_manifest.txt ]] && cp -p build/install_manifest.txt "$prova/manifest"
rimetti() {
    [[ -f "$prova/manifest" ]] && cp -p "$prova/manifest" build/install_manifest.txt
    rm -rf "$prova"
}
trap rimetti EXIT
sbaglio() { echo "installazione: $*" >&2; exit 1; }

cmake --build build --target velmorakov file_icone
P=$prova/P
cmake --install build --prefix "$P" --strip >/dev/null

lanciatore=$P/share/applications/$id.desktop
desktop-file-validate "$lanciatore"
appstreamcli validate --no-net "$P/share/metainfo/$id.metainfo.xml"
grep -qx "Exec=$P/bin/velmorakov" "$lanciatore" || sbaglio "the launcher does not start $P/bin/velmorakov"
grep -qx "Icon=$id" "$lanciatore" || sbaglio "the launcher does not name the icon $id"
grep -qx "StartupWMClass=VelmoraKOV" "$lanciatore" || sbaglio "the launcher does not give the window class"
for t in "${taglie[@]}"; do
    f=$P/share/icons/hicolor/${t}x$t/apps/$id.png
    file "$f" | grep -q "PNG image data, $t x $t," || sbaglio "no $t x $t icon: $f"
done
file "$P/bin/velmorakov" | grep -q ', stripped' || sbaglio "the installed program is not stripped"
echo "install: launcher, metainfo and icons in place"

# The window of the installed program on a display of its own; its data
# copied to a scratch home.
cat >"$prova/finestra.sh" <<'EOF'
#!/bin/bash
set -u
HOME=$1/casa XDG_DATA_HOME= "$1/P/bin/velmorakov" 2>/dev/null &
pid=$!
finestra=
for _ in $(seq 100); do
    sleep 0.1
    finestra=$(xwininfo -root -tree | awk '/\("velmorakov" "VelmoraKOV"\)/ {print $1; exit}')
    [[ -n "$finestra" ]] && break
done
if [[ -n "$finestra" ]]; then
    xprop -id "$finestra" WM_CLASS
    xprop -id "$finestra" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '
    echo
fi
kill "$pid"
EOF
chmod +x "$prova/finestra.sh"
mkdir "$prova/casa"
visto=$(xvfb-run -a -s "-screen 0 1024x768x24" "$prova/finestra.sh" "$prova")
echo "$visto"
grep -qx 'WM_CLASS(STRING) = "velmorakov", "VelmoraKOV"' <<<"$visto" || sbaglio "no window of class VelmoraKOV"
for t in 16 32 48; do
    grep -q "Icon ($t x $t)" <<<"$visto" || sbaglio "the window carries no $t x $t icon"
done

# The package.
rm -f build/velmorakov_*.deb
(cd build && cpack -G DEB >/dev/null)
pacchetto=$(ls build/velmorakov_*.deb)
contenuto=$(dpkg-deb -c "$pacchetto" | awk '{print $NF}')
for f in ./usr/bin/velmorakov ./usr/share/VelmoraKOV/Dati/Impostazioni.txt \
         ./usr/share/VelmoraKOV/Temperamenti/Equabile.txt ./usr/share/applications/$id.desktop \
         ./usr/share/metainfo/$id.metainfo.xml; do
    grep -qx "$f" <<<"$contenuto" || sbaglio "$pacchetto lacks $f"
done
for t in "${taglie[@]}"; do
    grep -qx "./usr/share/icons/hicolor/${t}x$t/apps/$id.png" <<<"$contenuto" || sbaglio "$pacchetto lacks the $t x $t icon"
done
dipende=$(dpkg-deb -f "$pacchetto" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
    grep -q "\b$d\b" <<<"$dipende" || sbaglio "$pacchetto does not depend on $d: $dipende"
done
dpkg-deb --fsys-tarfile "$pacchetto" | tar -xO ./usr/bin/velmorakov >"$prova/velmorakov"
file "$prova/velmorakov" | grep -q ', stripped' || sbaglio "the program in $pacchetto is not stripped"
grep -qx "Exec=/usr/bin/velmorakov" <(dpkg-deb --fsys-tarfile "$pacchetto" | tar -xO ./usr/share/applications/$id.desktop) ||
    sbaglio "the packaged launcher does not start /usr/bin/velmorakov"
echo "package: $pacchetto, Depends: $dipende"

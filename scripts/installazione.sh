#!/bin/bash
# Checks the install of the program in build/ as a desktop sees it: put, as
# the README says, under ~/.local of a scratch home that already holds the
# user's own data folder, its launcher and metainfo valid, its icon under
# the launcher's name, its window (on Xvfb) carrying the icon and the
# launcher's class; then the Debian package made by cpack, with those files,
# a stripped program and the libraries it links as dependencies; then the
# README's undo. Neither the install nor its undo nor cpack changes the
# user's data folder, and the install adds no file to build/ (an install
# through sudo would leave it root's).
set -euo pipefail
. "$(dirname -- "$0")/dipendenze.sh" installazione "$@"
cd "$(dirname -- "$0")/.."

id=org.velmorakov.VelmoraKOV
taglie=(16 22 24 32 48 64 128 256)
prova=$(mktemp -d)
# The installs here rewrite build/install_manifest.txt: a real install's
# list, kept for undoing it, is put back.
[[ -f build/install_manifest.txt ]] && cp -p build/install_manifest.txt "$prova/manifest"
rimetti() {
    [[ -f "$prova/manifest" ]] && cp -p "$prova/manifest" build/install_manifest.txt
    rm -rf "$prova"
}
trap rimetti EXIT
sbaglio() { echo "installazione: $*" >&2; exit 1; }
# Every file and folder of a tree, each file with its bytes' sum.
impronta() { (cd "$1" && find . -printf '%y %p\n' | sort && find . -type f -exec sha256sum {} + | sort -k2); }
# Every entry of build/ with its inode and owner: a file added or replaced shows.
albero() { find build \( -path build/_CPack_Packages -o -path build/tmp \) -prune -o -printf '%i %U %p\n' | sort -k3; }

cmake --build build --target velmorakov file_icone
# A list deleted since the configure is made again by the next build of the
# program, by whoever builds: a later install through sudo finds it theirs.
rm -f build/install_manifest.txt
cmake --build build --target velmorakov >/dev/null
[[ -f build/install_manifest.txt && -O build/install_manifest.txt ]] ||
    sbaglio "a build of the program did not make build/install_manifest.txt again"

# A user with no data folder yet: the first start of a program installed
# elsewhere copies the shipped data into it.
altrove=$prova/altrove
cmake --install build --prefix "$altrove" >/dev/null
nuova=$prova/nuova
mkdir "$nuova"
HOME=$nuova XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$altrove/bin/velmorakov" 2>/dev/null &
pid=$!
for _ in $(seq 150); do
    [[ -d $nuova/.local/share/VelmoraKOV/Dati ]] && break
    sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null || true
diff -r data/VelmoraKOV "$nuova/.local/share/VelmoraKOV" >&2 ||
    sbaglio "the first start did not copy the shipped data into the new user's folder"
echo "first start: the new user's data folder made from the shipped one"

# The user's own data folder, made before the install: settings, the equal
# temperament and one of theirs, each unlike the shipped files.
casa=$prova/casa
utente=$casa/.local/share/VelmoraKOV
mkdir -p "$utente/Dati" "$utente/Temperamenti"
sed '1s/.*/"No Colori Quinte"\r/' data/VelmoraKOV/Dati/Impostazioni.txt >"$utente/Dati/Impostazioni.txt"
printf 'il mio equabile\r\n' >"$utente/Temperamenti/Equabile.txt"
printf 'il mio temperamento\r\n' >"$utente/Temperamenti/Mio.txt"
impronta "$utente" >"$prova/utente"
stessi_dati() {
    impronta "$utente" | cmp -s - "$prova/utente" || sbaglio "$1 changed the user's data folder: $(impronta "$utente" | diff "$prova/utente" - || true)"
}

P=$casa/.local
albero >"$prova/albero"
cmake --install build --prefix "$P" --strip >/dev/null
albero | diff "$prova/albero" - >&2 || sbaglio "the install added or replaced files in build/"
stessi_dati "the install"
[[ -f $P/share/velmorakov/VelmoraKOV/Dati/Impostazioni.txt ]] || sbaglio "the shipped data is not under $P/share/velmorakov/"

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
echo "install: launcher, metainfo and icons in place, the user's data folder as it was, build/ with no new file"

# The window of the installed program on a display of its own, in the home
# that holds the user's data folder.
cat >"$prova/finestra.sh" <<'EOF'
#!/bin/bash
set -u
HOME=$1/casa XDG_DATA_HOME= "$1/casa/.local/bin/velmorakov" 2>/dev/null &
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
visto=$(xvfb-run -a -s "-screen 0 1024x768x24" "$prova/finestra.sh" "$prova")
echo "$visto"
grep -qx 'WM_CLASS(STRING) = "velmorakov", "VelmoraKOV"' <<<"$visto" || sbaglio "no window of class VelmoraKOV"
for t in 16 32 48; do
    grep -q "Icon ($t x $t)" <<<"$visto" || sbaglio "the window carries no $t x $t icon"
done
stessi_dati "the installed program's start"
echo "start: the user's data folder used as it is"

# The package: made apart from the README's install, whose list stays.
rm -f build/velmorakov_*.deb
cp build/install_manifest.txt "$prova/installati"
(cd build && cpack -G DEB >/dev/null)
cmp -s build/install_manifest.txt "$prova/installati" || sbaglio "cpack rewrote build/install_manifest.txt"
stessi_dati "cpack"
pacchetto=$(ls build/velmorakov_*.deb)
contenuto=$(dpkg-deb -c "$pacchetto" | awk '{print $NF}')
for f in ./usr/bin/velmorakov ./usr/share/velmorakov/VelmoraKOV/Dati/Impostazioni.txt \
         ./usr/share/velmorakov/VelmoraKOV/Temperamenti/Equabile.txt ./usr/share/applications/$id.desktop \
         ./usr/share/metainfo/$id.metainfo.xml; do
    grep -qx "$f" <<<"$contenuto" || sbaglio "$pacchetto lacks $f"
done
for t in "${taglie[@]}"; do
    grep -qx "./usr/share/icons/hicolor/${t}x$t/apps/$id.png" <<<"$contenuto" || sbaglio "$pacchetto lacks the $t x $t icon"
done
dipende=$(dpkg-deb -f "$pacchetto" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation qt6-translations-l10n; do
    grep -q "\b$d\b" <<<"$dipende" || sbaglio "$pacchetto does not depend on $d: $dipende"
done
dpkg-deb --fsys-tarfile "$pacchetto" | tar -xO ./usr/bin/velmorakov >"$prova/velmorakov"
file "$prova/velmorakov" | grep -q ', stripped' || sbaglio "the program in $pacchetto is not stripped"
grep -qx "Exec=/usr/bin/velmorakov" <(dpkg-deb --fsys-tarfile "$pacchetto" | tar -xO ./usr/share/applications/$id.desktop) ||
    sbaglio "the packaged launcher does not start /usr/bin/velmorakov"
echo "package: $pacchetto, Depends: $dipende"

# The version grows with every commit: 1.0.<commits>, dated by the last
# commit, in the package's name, its Version and the metainfo's release.
# A tree without its history (an exported copy) is 1.0.0 of the day of its
# configure.
commit=0
if radice=$(git rev-parse --show-toplevel 2>/dev/null) && [[ $(realpath "$radice") == $(realpath .) ]]; then
    commit=$(git rev-list --count HEAD)
    data=$(git log -1 --format=%cs)
fi
versione=1.0.$commit
[[ $pacchetto == build/velmorakov_${versione}_amd64.deb ]] || sbaglio "the package is $pacchetto, not of version $versione"
campo=$(dpkg-deb -f "$pacchetto" Version)
[[ $campo == "$versione" ]] || sbaglio "$pacchetto has Version $campo, not $versione"
release=$(dpkg-deb --fsys-tarfile "$pacchetto" | tar -xO ./usr/share/metainfo/$id.metainfo.xml | grep -o '<release [^>]*>')
[[ $release == "<release version=\"$versione\" date=\"${data:-$(date -u +%F)}\"/>" ]] ||
    sbaglio "the packaged metainfo's release is $release, not $versione"
copia=$prova/senza_git
mkdir -p "$copia/sorgenti"
tar -c --exclude=./.git --exclude='./build*' . | tar -x -C "$copia/sorgenti"
cmake -S "$copia/sorgenti" -B "$copia/build" -G Ninja -DVK_TEST=OFF >/dev/null
grep -q '<release version="1.0.0" date="'"$(date -u +%F)"'"/>' "$copia/build/desktop/$id.metainfo.xml" &&
    grep -q '^set(CPACK_PACKAGE_VERSION "1.0.0")$' "$copia/build/CPackConfig.cmake" ||
    sbaglio "a tree without git is not 1.0.0 of today"
echo "version: $versione ($commit commits), a tree without git 1.0.0"

# The README's undo: every file the install listed goes, the user's stay.
xargs -rd '\n' rm < build/install_manifest.txt
[[ -z $(find "$P" -type f -not -path "$utente/*") ]] || sbaglio "the undo left installed files: $(find "$P" -type f -not -path "$utente/*")"
stessi_dati "the undo"
echo "undo: the installed files gone, the user's data folder as it was"

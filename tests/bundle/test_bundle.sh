#!/usr/bin/env bash
# test_bundle.sh BUILD SOURCE QT_PLUGIN_DIR
# The installed program folder is self-sufficient and a reinstall keeps the
# user's files: installs BUILD into a temporary folder, starts the program
# from it offscreen with no library or plugin path set and reads what it
# maps, checks every bundled file's libraries with ldd, reinstalls over the
# folder while the program runs, builds the release archive and compares it
# with the folder, and writes the desktop launcher.
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
qt_plugins=$3
work=$(mktemp -d)
folder="$work/Programmi e dati/Tessaria"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
section() { echo "== $*"; }

excluded=()
while read -r line; do
  line=${line%%#*}
  [ -n "${line// /}" ] && excluded+=("${line// /}")
done < "$source/tools/bundle/excluded-libraries"
is_excluded() {
  local pattern
  for pattern in "${excluded[@]}"; do
    # shellcheck disable=SC2053
    [[ $1 == $pattern ]] && return 0
  done
  return 1
}
inside() { [[ $1 == "$folder"/* ]]; }

install_folder() {
  cmake --install "$build" --prefix "$folder" > "$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: the install failed" >&2
    exit 1
  }
}

# Starts the folder's program offscreen, as from a file manager: no library
# path, no plugin path. Sets $started to its pid once the platform plugin
# is mapped.
start_program() {
  (cd "$work" && exec env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen "$folder/tessaria" \
    > "$work/program.log" 2>&1) &
  started=$!
  pids+=("$started")
  local i
  for i in $(seq 1 200); do
    grep -q libqoffscreen "/proc/$started/maps" 2> /dev/null && sleep 0.5 && return 0
    kill -0 "$started" 2> /dev/null || break
    sleep 0.1
  done
  cat "$work/program.log" >&2
  echo "FAIL: the installed program did not start" >&2
  exit 1
}

# ---- A fresh install ---------------------------------------------------------
section "install into a fresh folder"
install_folder
for f in tessaria qt.conf tessaria.png Guida.pdf unins000.dll plugins/platforms/libqxcb.so \
  plugins/platforms/libqoffscreen.so plugins/imageformats/libqjpeg.so \
  plugins/printsupport/libcupsprintersupport.so plugins/multimedia/libgstreamermediaplugin.so \
  lib/libQt6Core.so.6 lib/libQt6Widgets.so.6 lib/libQt6Multimedia.so.6 lib/libQt6PrintSupport.so.6 \
  tessdata/ita.traineddata; do
  [ -f "$folder/$f" ] || fail "the folder has no $f"
done
[ -e "$folder/.tessaria-install" ] && fail "the staging folder was left behind"
if [ -f "$qt_plugins/platforms/libqwayland-generic.so" ] && [ ! -f "$folder/plugins/platforms/libqwayland-generic.so" ]; then
  fail "the machine has the Wayland platform plugin, the folder does not"
fi
runpath=$(patchelf --print-rpath "$folder/tessaria")
[ "$runpath" = '$ORIGIN/lib' ] || fail "the executable's RUNPATH is '$runpath'"
grep -qx 'Prefix = .' "$folder/qt.conf" && grep -qx 'Plugins = plugins' "$folder/qt.conf" ||
  fail "qt.conf does not point at the folder: $(cat "$folder/qt.conf")"
(cd "$folder" && find . -type f | sort) > "$work/delivered"

section "ldd of every bundled file"
elves=("$folder/tessaria")
while IFS= read -r -d '' f; do elves+=("$f"); done < <(find "$folder/lib" "$folder/plugins" -type f -print0)
for elf in "${elves[@]}"; do
  lddout=$(ldd "$elf")
  if grep -q "not found" <<< "$lddout"; then
    fail "${elf#"$folder"/}: $(grep "not found" <<< "$lddout" | tr -s ' \t\n' ' ')"
  fi
  declare -A where=()
  while IFS= read -r line; do
    # "libfoo.so.1 => /path/with any blanks/libfoo.so.1 (0x...)"
    [[ $line =~ ^[[:space:]]*([^[:space:]]+)\ =\>\ (/.*)\ \(0x[0-9a-f]+\)$ ]] &&
      where[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
  done <<< "$lddout"
  # What the file itself needs comes from the folder, or is the machine's by
  # the list; what the machine's libraries need in turn is theirs.
  for name in $(patchelf --print-needed "$elf"); do
    path=${where[$name]:-}
    is_excluded "$name" && continue
    inside "$path" || fail "${elf#"$folder"/} finds $name at '$path', outside the folder"
  done
  unset where
done

section "what the running program maps"
start_program
first=$started
while read -r mapped; do
  if [[ $mapped == */libQt6* || $mapped == */plugins/* ]]; then
    inside "$mapped" || fail "the program maps Qt's $mapped from outside the folder"
  elif [[ $mapped == *.so* ]] && ! inside "$mapped"; then
    [ -e "$folder/lib/$(basename "$mapped")" ] && fail "the program maps $mapped, not the folder's copy"
    base=$(basename "$mapped")
    soname=$(patchelf --print-soname "$mapped" 2> /dev/null || echo "$base")
    [ -e "$folder/lib/$soname" ] && fail "the program maps $mapped, not the folder's $soname"
  fi
done < <(awk '$6 ~ /^\// {print $6}' "/proc/$first/maps" | sort -u)
grep -q "$folder/plugins/platforms/libqoffscreen.so" "/proc/$first/maps" ||
  fail "the offscreen platform plugin is not the folder's"

# ---- Reinstall over a folder in use ------------------------------------------
section "reinstall keeps the user's files, the running copy goes on"
printf '[Accesso]\nValore=0A1B2C3D4E5F\n' > "$folder/unins000.dll"
mkdir -p "$folder/Foto_Ricevute" "$folder/Documenti_Allegati"
head -c 2826000 /dev/urandom > "$folder/Archivio_Luce.pro"
head -c 40000 /dev/urandom > "$folder/Foto_Ricevute/Luce_1.jpg"
head -c 12345 /dev/urandom > "$folder/Documenti_Allegati/bolletta marzo.pdf"
head -c 5000 /dev/urandom > "$folder/Database_Luce.xls"
user_files=(unins000.dll Archivio_Luce.pro Foto_Ricevute/Luce_1.jpg "Documenti_Allegati/bolletta marzo.pdf"
  Database_Luce.xls)
(cd "$folder" && sha256sum "${user_files[@]}") > "$work/user.sha256"
# A library an earlier install carried and this one does not.
cp "$folder/lib/libQt6Core.so.6" "$folder/lib/libold.so.1"
old_inode=$(stat -c %i "$folder/tessaria")
install_folder
(cd "$folder" && sha256sum --quiet -c "$work/user.sha256") || fail "the reinstall changed a user's file"
[ "$(stat -c %i "$folder/tessaria")" != "$old_inode" ] || fail "the executable was rewritten in place, not renamed"
[ -e "$folder/lib/libold.so.1" ] && fail "a library no longer carried was left in the folder"
kill -0 "$first" 2> /dev/null || fail "the copy running during the reinstall stopped"
grep -q "libQt6Core.so.6 (deleted)" "/proc/$first/maps" ||
  fail "the running copy's libraries were not replaced by rename"
start_program
grep -q "$folder/lib/libQt6Core.so.6" "/proc/$started/maps" || fail "the reinstalled program does not start"

# ---- The release archive -----------------------------------------------------
section "the release archive holds the folder, nothing else"
release="$build/Tessaria-3.0-Linux-x86_64.tar.gz"
rm -f "$release"
cmake --build "$build" --target package > "$work/package.log" 2>&1 || {
  cat "$work/package.log" >&2
  fail "the package target failed"
}
if [ -f "$release" ]; then
  tar -tzf "$release" | grep -v '/$' | sed 's|^Tessaria/|./|' | sort > "$work/archived"
  tar -tzf "$release" | grep -v '^Tessaria/' && fail "the archive holds files outside Tessaria/"
  diff "$work/delivered" "$work/archived" > "$work/archive.diff" ||
    fail "the archive differs from a fresh folder: $(cat "$work/archive.diff")"
  mkdir "$work/unpacked"
  tar -xzf "$release" -C "$work/unpacked"
  [ -x "$work/unpacked/Tessaria/tessaria" ] || fail "the archived program is not executable"
else
  fail "the package target wrote no $release"
fi

# ---- The desktop launcher ----------------------------------------------------
section "the desktop launcher follows the folder"
home="$work/home"
mkdir -p "$home"
HOME="$home" bash "$source/tools/bundle/launcher.sh" "$folder" > /dev/null
launcher="$home/.local/share/applications/tessaria.desktop"
expect_line() {
  grep -qxF "$1" "$launcher" || fail "the launcher lacks the line: $1 (it holds: $(cat "$launcher"))"
}
expect_line "Name=Tessaria 3.0"
expect_line "Comment=Archivio delle ricevute di bollette e pagamenti"
expect_line "Exec=\"$folder/tessaria\""
expect_line "Icon=$folder/tessaria.png"
moved="$work/chiavetta/Tessaria"
mkdir -p "$work/chiavetta"
mv "$folder" "$moved"
HOME="$home" bash "$source/tools/bundle/launcher.sh" "$moved" > /dev/null
expect_line "Exec=\"$moved/tessaria\""
expect_line "Icon=$moved/tessaria.png"
[ "$(find "$home/.local/share/applications" -type f | wc -l)" = 1 ] || fail "the launcher's folder holds other files"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "the program folder is self-sufficient"

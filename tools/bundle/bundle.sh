#!/usr/bin/env bash
# bundle.sh STAGE FOLDER QT_PLUGIN_DIR
# The last step of installing the program folder. STAGE, a folder inside
# FOLDER, already holds this build's executable and delivered files; this
# adds the Qt plugins of tools/bundle/plugins and every library that they and
# the executable need, except those of tools/bundle/excluded-libraries, points
# each one at the folder's own copies (RUNPATH, qt.conf), and then renames
# every file into FOLDER. Renaming never touches a file that a running copy
# of the program has open or mapped, and the executable goes last, so an
# install cut short leaves the earlier executable with libraries it can use.
# Nothing else in FOLDER (the user's files) is touched.
set -euo pipefail

stage=$1
folder=$2
qt_plugins=$3
here=$(cd "$(dirname "$0")" && pwd)

fail() {
  echo "bundle.sh: $*" >&2
  exit 1
}
command -v patchelf > /dev/null || fail "patchelf is missing (bash tools/deps.sh installs it)"
[ -x "$stage/tessaria" ] || fail "$stage/tessaria is missing"

excluded=()
while read -r line; do
  line=${line%%#*}
  [ -n "${line// /}" ] && excluded+=("${line// /}")
done < "$here/excluded-libraries"

is_excluded() {
  local pattern
  for pattern in "${excluded[@]}"; do
    # shellcheck disable=SC2053 # the list holds shell patterns
    [[ $1 == $pattern ]] && return 0
  done
  return 1
}

# ---- The plugins ------------------------------------------------------------
rm -rf "$stage/lib" "$stage/plugins"
mkdir -p "$stage/lib" "$stage/plugins"
elves=("$stage/tessaria") # what is walked for libraries, in its system form
while read -r need pattern; do
  [ -z "$need" ] || [[ $need == \#* ]] && continue
  found=0
  for source in "$qt_plugins"/$pattern; do
    [ -f "$source" ] || continue
    found=1
    relative=${source#"$qt_plugins"/}
    target="$stage/plugins/$relative"
    [ -e "$target" ] && continue
    mkdir -p "$(dirname "$target")"
    cp -L "$source" "$target"
    elves+=("$source")
  done
  if [ "$found" = 0 ] && [ "$need" = needed ]; then
    fail "the Qt plugin $pattern is missing from $qt_plugins"
  fi
done < "$here/plugins"

# ---- The libraries they need, walked from each file's own NEEDED entries ----
declare -A carried=()
while [ ${#elves[@]} -gt 0 ]; do
  elf=${elves[0]}
  elves=("${elves[@]:1}")
  declare -A where=()
  while IFS= read -r line; do
    # "libfoo.so.1 => /path/with any blanks/libfoo.so.1 (0x...)"
    [[ $line =~ ^[[:space:]]*([^[:space:]]+)\ =\>\ (/.*)\ \(0x[0-9a-f]+\)$ ]] &&
      where[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
  done < <(ldd "$elf")
  for name in $(patchelf --print-needed "$elf"); do
    is_excluded "$name" && continue
    [ -n "${carried[$name]:-}" ] && continue
    path=${where[$name]:-not}
    [ "$path" = not ] && fail "$elf needs $name, which this machine does not have"
    cp -L "$path" "$stage/lib/$name"
    carried[$name]=1
    elves+=("$path")
  done
  unset where
done

# ---- Each file finds the folder's copies -------------------------------------
for lib in "$stage"/lib/*; do
  chmod 644 "$lib"
  patchelf --set-rpath '$ORIGIN' "$lib"
done
while IFS= read -r -d '' plugin; do
  chmod 644 "$plugin"
  patchelf --set-rpath '$ORIGIN/../../lib' "$plugin"
done < <(find "$stage/plugins" -type f -print0)
# The executable's RUNPATH ($ORIGIN/lib) comes from the build.
cat > "$stage/qt.conf" << 'CONF'
[Paths]
Prefix = .
Libraries = lib
Plugins = plugins
CONF

# ---- Into place --------------------------------------------------------------
declare -A fresh=()
while IFS= read -r -d '' file; do
  fresh[${file#"$stage"/}]=1
done < <(find "$stage" -type f -print0)

# Everything but the executable first, each file by rename.
for relative in "${!fresh[@]}"; do
  [ "$relative" = tessaria ] && continue
  mkdir -p "$(dirname "$folder/$relative")"
  mv -f "$stage/$relative" "$folder/$relative"
done
mv -f "$stage/tessaria" "$folder/tessaria"

# Libraries and plugins an earlier install carried and this one does not go;
# a running copy keeps its mapping of a removed file.
while IFS= read -r -d '' old; do
  relative=${old#"$folder"/}
  [ -n "${fresh[$relative]:-}" ] || rm -f "$old"
done < <(find "$folder/lib" "$folder/plugins" -type f -print0)
find "$folder/plugins" -mindepth 1 -type d -empty -delete
rm -rf "$stage"

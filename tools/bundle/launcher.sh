#!/usr/bin/env bash
# launcher.sh FOLDER
# Writes the desktop menu's launcher for the program installed in FOLDER:
# ~/.local/share/applications/tessaria.desktop, replacing an earlier one (the
# folder may have moved). The launcher starts the folder's executable with no
# argument and shows the folder's icon.
set -euo pipefail

folder=$(realpath "$1")
applications="$HOME/.local/share/applications"

# A string value of a desktop entry escapes its backslashes; Exec also quotes
# the path, escapes what is special inside quotes, and doubles '%'.
escape_string() {
  local s=$1
  printf '%s' "${s//\\/\\\\}"
}
quote_exec() {
  local s=$1
  s=${s//\\/\\\\}
  s=${s//\"/\\\"}
  s=${s//\`/\\\`}
  s=${s//\$/\\\$}
  s=${s//%/%%}
  escape_string "\"$s\""
}

mkdir -p "$applications"
launcher="$applications/tessaria.desktop"
temporary=$(mktemp "$applications/.tessaria.desktop.XXXXXX")
cat > "$temporary" << ENTRY
[Desktop Entry]
Type=Application
Name=Tessaria 3.0
Comment=Archivio delle ricevute di bollette e pagamenti
Exec=$(quote_exec "$folder/tessaria")
Icon=$(escape_string "$folder/tessaria.png")
Terminal=false
Categories=Office;Finance;
ENTRY
chmod 644 "$temporary"
mv -f "$temporary" "$launcher"
echo "Launcher: $launcher"

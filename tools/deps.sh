#!/usr/bin/env bash
# Installs the Debian 12 packages that building and running need, skipping
# those already present (the QR code reader, the OCR engine and its Italian
# data, which the build copies into the program folder, among them). `deps.sh test` adds what only the tests use: the
# formatter, the PDF text extractor, the fuzzing compiler and a headless
# spreadsheet program that opens the exported file, and the SANE drivers whose
# "test" scanner the scanner window's tests use.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config patchelf
  qt6-base-dev qt6-multimedia-dev qt6-pdf-dev qt6-wayland libgl-dev libsane-dev
  libzxing-dev libtesseract-dev tesseract-ocr-ita
  fonts-dejavu-core fonts-liberation
)
if [ "${1:-}" = test ]; then
  packages+=(
    poppler-utils clang-format libsane1
    clang libclang-rt-14-dev llvm-14
    libreoffice-calc-nogui
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the viewer need, and
# nothing when all of them are present. Runs apt-get as root, through sudo
# otherwise; says what it would run when it can do neither.
set -euo pipefail

packages=(
  build-essential cmake make          # compiler and build
  qt6-base-dev                        # Qt 6 Widgets, Gui (QPdfWriter), Core
  pkg-config libnetcdf-dev            # the NetCDF export (netCDF C library)
  netcdf-bin                          # ncdump: the NetCDF export's header test
  libgtest-dev googletest             # unit tests
  libbenchmark-dev                    # make bench
  fonts-dejavu-core                   # a sans-serif font for the windows and the PDFs
  poppler-utils                       # pdftotext, pdfinfo: report tests read the PDFs
  xvfb xauth                          # running the viewer without a display
  clang-format                        # make format, make format-check: the code style
)
if [ "${WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-dev)
fi
packages+=("$@")                      # extra packages a make target needs

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  run=(sudo)
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
  run=(sudo)
else
  echo "Cannot install as $(id -un) without sudo. Please run:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -q
"${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian 12 packages Vellex needs to build, run and test.
# Asks apt only when something is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-liberation fontconfig
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  poppler-utils desktop-file-utils dpkg-dev
  # The Qt 5.15 build of the older college systems, with the compiler they have.
  qtbase5-dev qttranslations5-l10n g++-11
  # The package test checks the .deb as a Debian archive would (lintian) and the
  # AppStream metadata (appstreamcli).
  lintian appstream
  # Printing goes through libcups; the tests start their own cupsd (cups-daemon) with
  # queues made by lpadmin (cups-client) that pass the PDF through gziptoany
  # (cups-core-drivers).
  libcups2-dev cups-daemon cups-client cups-core-drivers
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Устанавливаются пакеты: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"

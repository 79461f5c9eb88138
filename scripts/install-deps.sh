#!/usr/bin/env bash
# Installs the Debian packages Quarvex needs to build, test and run. Safe to run
# again: packages already present are left alone.
set -euo pipefail

packages=(
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6charts6 libqt6opengl6-dev
  libgl-dev libglx-dev libopengl-dev fontconfig fonts-dejavu-core
  cmake ninja-build g++ clang-format clang-tidy libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth poppler-utils locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
else
  echo "install-deps: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run the program under a decimal-comma locale, which a fresh
# machine has not generated.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "install-deps: generating the de_DE.UTF-8 locale"
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

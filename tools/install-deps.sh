#!/bin/sh
# Installs every Debian package Guheng needs to build, run and test.
# Idempotent and non-interactive; run as root.
set -eu

packages="
  cmake g++ ninja-build clang libclang-rt-14-dev clang-format
  qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei
  xvfb xauth imagemagick x11-utils xdotool cups poppler-utils libcups2-dev
"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing

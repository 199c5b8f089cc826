#!/usr/bin/env bash
# Installs the Debian packages that building, checking and testing the suite need (run as root). xvfb and
# xdg-utils are for running the programs by hand: under xvfb-run without a display, and opening files and
# web pages through the desktop.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
    cmake make g++ pkg-config \
    qt6-base-dev libgl-dev \
    libsqlite3-dev \
    libgtest-dev libgmock-dev googletest \
    clang-format git \
    xvfb xauth xdg-utils

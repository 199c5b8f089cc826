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
    libsqlite3-dev sqlite3 \
    libgtest-dev libgmock-dev googletest \
    qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6sql6-sqlite \
    xvfb xauth xdg-utils \
    desktop-file-utils libxml2-utils python3-xdg python3-gi gir1.2-glib-2.0 \
    libcups2-dev cups cups-client cups-filters poppler-utils \
    clang libclang-rt-dev ninja-build \
    fonts-liberation \
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi \
    clang-format git

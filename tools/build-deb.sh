#!/usr/bin/env bash
# Builds the Debian package the same way every time: every date in it (the
# files' times, and those of the pictures built into the game) is the date
# of the changelog's last entry, as Debian's own tools take it, so that two
# builds of one commit are the same byte for byte.
#   tools/build-deb.sh     # build-package/quintrel_<version>_amd64.deb
# JOBS=N sets the build's parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l docs/changelog -S Timestamp)
export SOURCE_DATE_EPOCH
cmake --preset package
cmake --build --preset package -j "${JOBS:-$(nproc)}"
cd build-package
cpack -G DEB

#!/usr/bin/env bash
# Runs a test executable as an unprivileged user when started as root, so that file permissions hold.
set -euo pipefail
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
runtime=$(mktemp -d /tmp/geodario-nobody-XXXXXX)
trap 'rm -rf "$runtime"' EXIT
# The build folder may lie where that user cannot read (a clone under /root): run a copy from here.
cp "$1" "$runtime/"
exe="$runtime/$(basename "$1")"
shift
chown -R nobody:nogroup "$runtime"
chmod 700 "$runtime"
cd "$runtime"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$runtime" XDG_RUNTIME_DIR="$runtime" TMPDIR="$runtime" "$exe" "$@"

#!/usr/bin/env bash
# Runs a test executable as an unprivileged user when started as root, so that file permissions hold.
set -euo pipefail
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
runtime=$(mktemp -d /tmp/geodario-nobody-XXXXXX)
chown nobody:nogroup "$runtime"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
# The test binary and the folders above it must be readable by that user.
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$runtime" XDG_RUNTIME_DIR="$runtime" TMPDIR="$runtime" "$@"

#!/usr/bin/env bash
# Starts the real program from a temporary program folder under Xvfb and waits for the login window.
set -euo pipefail
exe=$1
shots=${2:-}
dir=$(mktemp -d /tmp/geodario-smoke-XXXXXX)
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$dir/"
[ -f "$(dirname "$exe")/unins000.dll" ] && cp "$(dirname "$exe")/unins000.dll" "$dir/"
cat > "$dir/run.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
unset QT_QPA_PLATFORM
./geodario & pid=$!
found=""
for _ in $(seq 1 300); do # up to 30 s: a loaded machine starts slowly
    if found=$(xdotool search --onlyvisible --name "Geodario - Accesso" 2>/dev/null) && [ -n "$found" ]; then
        break
    fi
    sleep 0.1
done
status=1
if [ -n "$found" ] && kill -0 $pid 2>/dev/null; then
    sleep 0.5
    [ -n "${2:-}" ] && import -window root "$2" 2>/dev/null
    status=0
else
    echo "no visible window with the login caption appeared" >&2
fi
kill $pid 2>/dev/null
wait $pid 2>/dev/null
exit $status
INNER
chmod +x "$dir/run.sh"
XDG_RUNTIME_DIR="$dir" xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/run.sh" "$dir" "$shots"
echo "login window shown"

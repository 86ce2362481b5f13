#!/usr/bin/env bash
# The saved window stays where it was across runs under a real window manager: the program
# is started three times on a virtual display with openbox; after each run the saved outer
# frame must equal the one it started with. Skipped (exit 77) where Xvfb or openbox is missing.
set -euo pipefail
program="${VELANTAR_BIN:?}"
command -v xvfb-run >/dev/null && command -v openbox >/dev/null || exit 77

dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cd "$dir"
export VELANTAR_PORTS=""

# The settings: a sizeable, restored window at the geometry of each case below; no link at start.
cat > run.sh <<SH
#!/usr/bin/env bash
openbox >/dev/null 2>&1 &
wm=\$!
sleep 1
for i in 1 2 3; do
  "$program" >/dev/null 2>&1 &
  app=\$!
  sleep 2
  kill -TERM \$app
  wait \$app
  od -An -t d4 -w20 -j 244 -N 20 Tolmera10.dat | tr -s ' ' | sed 's/^ //'
done
kill \$wm
SH
chmod +x run.sh

# A first run writes the defaults; then the window geometry words are set.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "\"$program\" & p=\$!; sleep 2; kill -TERM \$p; wait \$p" \
  >/dev/null 2>&1 || true
[ -s Tolmera10.dat ] || { echo "no settings file written"; exit 1; }
# Each saved outer frame (width height top left), the minimum 620 x 400 among them, must
# come back unchanged after every run.
for geometry in "700 500 50 60" "620 400 50 60"; do
  read -r width height top left <<<"$geometry"
  python3 - "$width" "$height" "$top" "$left" <<'PY'
import struct, sys
width, height, top, left = map(int, sys.argv[1:])
w = list(struct.unpack('<89i', open('Tolmera10.dat', 'rb').read()))
w[60], w[61], w[62], w[63], w[64], w[65], w[68] = 1, 1, width, height, top, left, 0
open('Tolmera10.dat', 'wb').write(struct.pack('<89i', *w))
PY
  expected="1 $geometry"
  results="$(xvfb-run -a -s "-screen 0 1024x768x24" ./run.sh)"
  echo "$results"
  while read -r line; do
    [ "$line" = "$expected" ] || { echo "saved geometry moved: '$line', expected '$expected'"; exit 1; }
  done <<<"$results"
  [ "$(wc -l <<<"$results")" -eq 3 ]
done

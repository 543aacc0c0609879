#!/usr/bin/env bash
# Gives the Wine prefix $WINEPREFIX the drives that the dialog tests need,
# besides C: (fixed) and Z: (fixed):
#   M: a removable disk, N: a network drive (folders under build/wine/drives)
#   O: a CD-ROM drive without a medium: its folder never exists, so the
#      drive is listed but not ready.
# Wine reads the kinds of its drives when its session starts: run this while
# no wineserver of the prefix runs. Idempotent.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/lib/env.sh"

: "${WINEPREFIX:?}"
folders="$wine_dir/drives"
mkdir -p "$folders/removable" "$folders/network"
rm -rf "$folders/no-medium"
ln -sfn "$folders/removable" "$WINEPREFIX/dosdevices/m:"
ln -sfn "$folders/network" "$WINEPREFIX/dosdevices/n:"
ln -sfn "$folders/no-medium" "$WINEPREFIX/dosdevices/o:"

# The kinds, in the machine's registry (HKLM\Software\Wine\Drives).
reg="$WINEPREFIX/system.reg"
if ! grep -q '^\[Software\\\\Wine\\\\Drives\]' "$reg"; then
    printf '\n[Software\\\\Wine\\\\Drives] %s\n"m:"="floppy"\n"n:"="network"\n"o:"="cdrom"\n' \
        "$(date +%s)" >> "$reg"
fi

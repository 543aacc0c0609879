#!/usr/bin/env bash
# Makes the base Wine prefix of the project (build/wine/base) when missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/lib/env.sh"

[ -f "$wine_base_prefix/system.reg" ] && exit 0

echo "setup: making the Wine prefix in $wine_base_prefix"
rm -rf "$wine_base_prefix"
mkdir -p "$wine_dir"
export WINEPREFIX="$wine_base_prefix"
# No display: this wineserver session only makes the prefix and ends.
env -u DISPLAY "$wine" wineboot -i >/dev/null 2>&1
# Without a window manager Wine waits about two seconds whenever a window is
# hidden unless it manages the windows itself.
env -u DISPLAY "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

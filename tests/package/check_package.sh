#!/usr/bin/env bash
# Builds the Debian package, checks its contents and dependencies, unpacks it into a
# scratch root and starts the unpacked torvanel on the offscreen platform.
set -euo pipefail
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null
package=$(ls "$scratch"/out/torvanel_*.deb)
echo "package: $(basename "$package")"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libc6; do
  grep -q "$library" <<<"$depends" || { echo "missing dependency on $library"; exit 1; }
done

root="$scratch/root"
dpkg-deb -x "$package" "$root"
for file in usr/bin/torvanel \
            usr/share/applications/it.torvanel.Torvanel.desktop \
            usr/share/metainfo/it.torvanel.Torvanel.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/torvanel.png \
            usr/share/icons/hicolor/scalable/apps/torvanel.svg; do
  [ -f "$root/$file" ] || { echo "not in the package: $file"; exit 1; }
done

if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$package" || true
fi

# The program runs until its window is closed: still running after two seconds is a good start.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/torvanel" || status=$?
if [ "$status" -ne 124 ]; then
  echo "the unpacked torvanel ended early with status $status"
  exit 1
fi
echo "the unpacked torvanel started and kept running"

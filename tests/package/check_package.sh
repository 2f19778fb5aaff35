#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks its contents and dependencies,
# runs lintian (an error fails; the findings are kept in BUILD_DIR/lintian.txt), unpacks
# the package into a scratch root and starts the unpacked program: its window must be
# mapped and close normally.
# usage: check_package.sh BUILD_DIR
set -euo pipefail
build_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null
package=$(ls "$scratch"/out/torvanel_*.deb)
echo "package: $(basename "$package")"

fields() { dpkg-deb -f "$package" "$1" | tr -d ' ' | tr ',' '\n' | sed 's/(.*//'; }
expect_in() { # FIELD PACKAGE...
  local field=$1
  shift
  for name in "$@"; do
    fields "$field" | grep -qx "$name" || { echo "$field lacks $name: $(dpkg-deb -f "$package" "$field")"; exit 1; }
  done
}
expect_in Depends libqt6widgets6 libqt6gui6 libc6
expect_in Recommends fonts-comic-neue fonts-liberation fonts-dejavu-core qt6-wayland

root="$scratch/root"
dpkg-deb -x "$package" "$root"
for file in usr/bin/torvanel \
            usr/share/applications/it.torvanel.Torvanel.desktop \
            usr/share/metainfo/it.torvanel.Torvanel.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/torvanel.png \
            usr/share/icons/hicolor/scalable/apps/torvanel.svg \
            usr/share/man/man1/torvanel.1.gz \
            usr/share/doc/torvanel/copyright \
            usr/share/doc/torvanel/changelog.gz; do
  [ -f "$root/$file" ] || { echo "not in the package: $file"; exit 1; }
done

status=0
lintian --display-info --tag-display-limit 0 --fail-on error "$package" >"$build_dir/lintian.txt" 2>&1 || status=$?
echo "lintian findings (also in $build_dir/lintian.txt):"
sed 's/^/  /' "$build_dir/lintian.txt"
[ "$status" -eq 0 ] || { echo "lintian found errors (status $status)"; exit 1; }

"$here/window_check.sh" "$root/usr/bin/torvanel"

#!/usr/bin/env bash
# Follows the README on a minimal Debian 12 root, as a newcomer would, so that a missing
# install step fails here rather than on someone's machine. The root is debootstrap's
# minbase plus git and ca-certificates; the commit under test (HEAD) is cloned into it.
#   1. A user without sudo runs scripts/run.sh: it must stop with the install line.
#   2. Root runs that line.
#   3. The user runs scripts/run.sh again: it builds, and the calculator's window must
#      appear on this machine's private X server and close normally.
#   4. Root clones again and runs scripts/package.sh, then scripts/test.sh; lintian's
#      findings on the release package close the run.
# The root is removed on every exit path and nothing stays mounted. Only debootstrap's
# tarball of downloaded packages is kept, in /var/cache, refreshed weekly.
# usage: scripts/fresh-machine-check.sh   (as root)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
release=bookworm
user=newcomer
cache=/var/cache/torvanel-fresh-machine
tarball=$cache/$release-minbase-$(dpkg --print-architecture).tgz
include=git,ca-certificates

[ "$(id -u)" -eq 0 ] || { echo "The check needs root: debootstrap, chroot and mounts." >&2; exit 1; }
# Only the window check's display reaches the root.
unset DISPLAY WAYLAND_DISPLAY
"$repo/scripts/setup.sh" test debootstrap

# The Debian mirror this machine's apt uses.
debian_mirror() {
  local file line uris="" suites=""
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    while read -r line; do
      line=$(sed -E 's/\[[^]]*\] *//' <<<"$line")
      read -r -a words <<<"$line"
      if [ "${words[0]:-}" = deb ] && [ "${words[2]:-}" = "$release" ]; then
        echo "${words[1]}"
        return
      fi
    done <"$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    while IFS= read -r line || [ -n "$line" ]; do
      case $line in
        URIs:*) uris=${line#URIs:} ;;
        Suites:*) suites=" ${line#Suites:} " ;;
        "")
          if [[ $suites == *" $release "* ]]; then read -r -a words <<<"$uris"; echo "${words[0]}"; return; fi
          uris="" suites="" ;;
      esac
    done < <(cat "$file"; echo)
  done
  echo "no Debian $release mirror in /etc/apt/sources.list*" >&2
  return 1
}
mirror=$(debian_mirror)

work=$(mktemp -d /var/tmp/torvanel-fresh-machine.XXXXXX)
root=$work/root
cleanup() {
  local status=$? pid mounted
  set +e # every part of the cleanup runs, whatever fails before it
  trap - INT TERM
  kill $(jobs -p) 2>/dev/null
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
  wait
  # Deepest first; never remove the folder while anything below it is still mounted.
  mounts_below() { awk -v top="$work/" 'index($2, top) == 1 { print $2 }' /proc/mounts | sort -r; }
  for mounted in $(mounts_below); do umount "$mounted" 2>/dev/null || umount -l "$mounted"; done
  if [ -n "$(mounts_below)" ]; then
    echo "still mounted below $work; left in place" >&2
  else
    rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
# Long steps run in the background and are waited for, so that a signal reaches the trap
# at once, not when the step ends.
in_background() {
  "$@" &
  wait $!
}

step_started=$SECONDS
step() {
  echo "=== [fresh machine, $((SECONDS - step_started)) s] $* ==="
}

step "minimal Debian 12 root from $mirror"
mkdir -p "$cache"
if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
  in_background debootstrap --variant=minbase --include="$include" --make-tarball="$tarball.new" \
    "$release" "$work/tarball" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log"; rm -f "$tarball.new"; exit 1; }
  mv "$tarball.new" "$tarball"
fi
in_background debootstrap --variant=minbase --include="$include" --unpack-tarball="$tarball" \
  "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 30 "$work/debootstrap.log"; exit 1; }
# The same package sources as this machine: Debian and its updates and security archives.
rm -f "$root/etc/apt/sources.list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && cp "$file" "$root$file"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --make-private "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"

git -C "$repo" bundle create --quiet "$root/srv/torvanel.bundle" HEAD
chroot "$root" useradd --create-home --shell /bin/bash "$user"
! chroot "$root" sh -c 'command -v sudo' >/dev/null || { echo "the root has sudo" >&2; exit 1; }

# A login-like shell in the root as USER, with nothing of this machine's environment but
# a display where given.
as() {
  local who=$1 home=/home/$1
  shift
  [ "$who" = root ] && home=/root
  chroot --userspec="$who:$who" "$root" /usr/bin/env -i HOME="$home" USER="$who" LOGNAME="$who" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${DISPLAY:+DISPLAY=$DISPLAY} \
    /bin/bash -c "cd && $*" </dev/null
}
clone='git -c advice.detachedHead=false clone -q /srv/torvanel.bundle torvanel && cd torvanel'

step "$user, without sudo: scripts/run.sh must stop with the install line"
status=0
as "$user" "$clone && scripts/run.sh" >"$work/no-sudo.log" 2>&1 || status=$?
cat "$work/no-sudo.log"
[ "$status" -ne 0 ] || { echo "run.sh went on without root" >&2; exit 1; }
install_line=$(sed -n 's/^ *\(apt-get update && apt-get install .*\)$/\1/p' "$work/no-sudo.log")
[ -n "$install_line" ] || { echo "run.sh did not say what to install" >&2; exit 1; }

step "root: $install_line"
in_background as root "$install_line" >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log"; exit 1; }

step "$user: scripts/run.sh builds and starts the calculator"
export -f as
export root
in_background "$repo/tests/package/window_check.sh" --map-timeout 1800 \
  bash -c "as $user 'cd torvanel && scripts/run.sh'"

step "root: scripts/package.sh"
in_background as root "$clone && scripts/package.sh" >"$work/package.log" 2>&1 ||
  { tail -n 30 "$work/package.log"; exit 1; }
tail -n 1 "$work/package.log"

step "root: scripts/test.sh"
test_as_root() { as root "cd torvanel && scripts/test.sh" 2>&1 | tee "$work/test.log"; }
in_background test_as_root

step "lintian on the release package"
as root "lintian --display-info --tag-display-limit 0 --fail-on error torvanel/build/release/torvanel_*.deb"
echo "=== [fresh machine] summary ==="
grep -E '^=== |tests passed|tests failed|^\[  PASSED  \]|^\[  FAILED  \]' "$work/test.log"
step "passed"

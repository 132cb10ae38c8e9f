#!/usr/bin/env bash
# Builds the Debian package of the game and checks it on a fresh Debian 12 system.
#
#   scripts/package.sh               build build-package/sorimo_<version>_<arch>.deb, run lintian
#                                    on it, then install it on a fresh minimal Debian 12 (made with
#                                    debootstrap in a temporary folder) and start it from there
#   scripts/package.sh --build-only  only build the package and run lintian
#
# The fresh system proves that `apt install ./sorimo_*.deb` brings every library the program
# needs and that the menu entry's command starts it. Making it needs root (debootstrap, chroot)
# and the network; like scripts/setup.sh, the script goes through sudo when you are not root.
set -euo pipefail
cd "$(dirname "$0")/.."
check=1
case "${1:-}" in
  "") ;;
  --build-only) check=0 ;;
  *) echo "usage: scripts/package.sh [--build-only]" >&2; exit 2 ;;
esac
sudo=""
if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
fail() { echo "package: FAIL: $*" >&2; exit 1; }

# Installs the Debian packages the check needs (not the game's: scripts/setup.sh does those).
need() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "package: installing ${missing[*]}" >&2
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" \
    2> >(grep -v '^debconf:' >&2) >/dev/null
}

# ---- The package: a build of the program alone, then CPack (whose Debian generator looks at
# the program with `file` before dpkg-shlibdeps).
scripts/setup.sh
need file
cmake -S . -B build-package -DSORIMO_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/sorimo_*.deb
(cd build-package && cpack -G DEB >/dev/null)
debs=(build-package/sorimo_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=$(realpath "${debs[0]}")
echo "package: built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

need lintian
echo "package: lintian's report (errors fail the check):"
lintian --fail-on error "$deb" || fail "lintian reports errors"
echo "package: lintian reports no error"
[ $check = 1 ] || exit 0

# ---- A fresh Debian 12 system in a temporary folder.
need debootstrap
root=$($sudo mktemp -d /tmp/sorimo-fresh.XXXXXX)
$sudo chmod 755 "$root"  # a system's root folder, readable by its users (apt's _apt among them)
cleanup() {
  $sudo umount -l "$root/proc" 2>/dev/null || true
  $sudo rm -rf "$root"
}
trap cleanup EXIT
mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
[ -n "$mirror" ] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian
echo "package: making a fresh Debian 12 system from $mirror..."
$sudo debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  fail "debootstrap failed: $(tail -5 "$root.log")"
$sudo rm -f "$root.log"
$sudo cp /etc/resolv.conf "$root/etc/resolv.conf"
$sudo mount -t proc proc "$root/proc"
$sudo cp "$deb" "$root/tmp/"
$sudo cp scripts/package_check.sh "$root/tmp/"
$sudo chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive /bin/bash /tmp/package_check.sh "/tmp/$(basename "$deb")" ||
  fail "the package did not pass on the fresh system"
echo "package: $(basename "$deb") installs and starts on a fresh Debian 12 system"

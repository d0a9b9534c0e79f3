#!/usr/bin/env bash
# 32-bit Wine needs the kernel to run 32-bit x86 programs. Kernels built without
# IA-32 emulation cannot; there the programs run under qemu's user-mode emulator,
# registered for 32-bit x86 executables with binfmt_misc. Debian 12's own qemu 7.2
# crashes under Wine, so the emulator comes from the release's backports suite, taken
# from the same package archive that the machine's apt sources name for the release.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/ensure-packages.sh"

runs_i386() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

# "deb SUITE ARCHIVE" for every suite the machine's apt sources name, as apt reads them
# (one-line and deb822 files alike).
configured_suites() { apt-get indextargets --no-release-info --format '$(TARGET_OF) $(RELEASE) $(REPO_URI)' | sort -u; }

runs_i386 && exit 0

log "this kernel cannot run 32-bit x86 programs: registering qemu-i386 for them"
if ! command -v qemu-i386-static >/dev/null || ! qemu-i386-static --version | grep -q 'version [1-9][0-9]'; then
  release="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  backports="$release-backports"
  suites="$(configured_suites)"
  if ! grep -q "^deb $backports " <<<"$suites"; then
    archive="$(awk -v suite="$release" '$1 == "deb" && $2 == suite { print $3; exit }' <<<"$suites")"
    if [ -z "$archive" ]; then
      echo "the apt sources name no package archive for $release, whose $backports suite has qemu" >&2
      exit 1
    fi
    echo "deb $archive $backports main" | as_root tee /etc/apt/sources.list.d/quorvantile-backports.list >/dev/null
  fi
  update_package_indexes
  apt_install -t "$backports" qemu-user-static
fi

[ -e /proc/sys/fs/binfmt_misc/register ] || as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':qemu-i386:M::%s:%s:/usr/bin/qemu-i386-static:F' "$magic" "$mask" |
    as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
fi

runs_i386 || { echo "32-bit x86 programs still cannot run here" >&2; exit 1; }

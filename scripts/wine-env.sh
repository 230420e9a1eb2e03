# Sourced by every script that runs a Windows program of the project.
# Sets the Wine prefix and makes sure 32-bit x86 code can run at all.

ROOT_DIR=${ROOT_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$ROOT_DIR/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Some kernels (paravirtualised guests) cannot execute i386 code. There the
# 32-bit Wine loader runs through qemu-i386 (registered below); qemu then
# needs a fixed guest address space, or Wine's start-up spends a minute
# probing memory above 2 GiB. Native kernels ignore this variable.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x81000000}

ensure_i386_exec() {
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    return 0
  fi
  local bm=/proc/sys/fs/binfmt_misc
  if [[ ! -e $bm/register ]]; then
    mount -t binfmt_misc binfmt_misc "$bm" 2>/dev/null || true
  fi
  if [[ -e $bm/register && ! -e $bm/qemu-i386 && -x /usr/bin/qemu-i386-static ]]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > "$bm/register" 2>/dev/null || true
  fi
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "wine-env: this machine cannot run 32-bit x86 programs" >&2
    return 1
  fi
}

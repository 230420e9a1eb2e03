#!/usr/bin/env bash
# Makes a Debian machine ready to build and test the setup program:
# the i686 mingw cross compiler, 32-bit Wine, Xvfb and the X tools the
# end-to-end tests use, GoogleTest sources, pytest and nginx.
# Idempotent; runs apt only when something is missing. Needs root.
set -euo pipefail

PKGS=(
  wine wine32:i386 wine64
  xvfb xauth xdotool x11-utils imagemagick
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  googletest cmake make
  nginx-light python3-pytest
  fonts-wqy-microhei
)

missing=()
have_i386=$(dpkg --print-foreign-architectures | grep -c '^i386$' || true)
for p in "${PKGS[@]}"; do
  name=${p%%:*}; arch=${p#*:}
  [[ "$arch" == "$p" ]] && arch=""
  query=$name${arch:+:$arch}
  if ! dpkg-query -W -f='${Status}' "$query" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# Kernels that cannot run i386 code natively need qemu for Wine's 32-bit loader.
if [[ -x /lib/ld-linux.so.2 ]] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
    missing+=(qemu-user-static)
  fi
fi

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages (${missing[*]}); run as root" >&2
  exit 1
fi

if [[ "$have_i386" == "0" ]]; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# Known only once libc6:i386 is in: whether i386 code runs without qemu.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1 && \
   ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
  apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
fi

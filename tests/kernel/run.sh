#!/usr/bin/env bash
# The kernel end-to-end test. Boots the distribution's kernel under qemu with a small
# initramfs (busybox, the HID modules, the guest test program and its shared libraries), in
# which the guest program plugs the emulated keyboard in through uhid and runs the keyboard
# link on the real hidapi backend. The guest's verdict becomes this script's exit status.
#
# Usage: tests/kernel/run.sh [guest test program]
#   Without an argument the guest program is built with the "kernel" preset first.
# Environment:
#   TOLVANE_KERNEL_TIMEOUT  hard limit of the qemu run in seconds (default 180)
#   TOLVANE_KERNEL_IMAGE    the kernel to boot (default: the newest /boot/vmlinuz-*)
#   TOLVANE_KEEP_INITRD     a path to keep the initramfs at, for a look inside
set -euo pipefail

repo="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck disable=SC1091  # found through $repo at run time
source "$repo/scripts/deps.sh"
tolvane_install_deps qemu-system-x86 linux-image-amd64 busybox-static cpio kmod

started=$SECONDS
marker="TOLVANE-KERNEL-RESULT"

fail() {
    echo "kernel test: $*" >&2
    exit 1
}

guest="${1:-}"
if [ -z "$guest" ]; then
    (cd "$repo" && cmake --preset kernel >/dev/null && cmake --build --preset kernel -j 2)
    guest="$repo/build/kernel/tests/kernel/kernel_guest_tests"
fi
[ -x "$guest" ] || fail "no guest test program at $guest"

kernel="${TOLVANE_KERNEL_IMAGE:-$(find /boot -maxdepth 1 -name 'vmlinuz-*' | sort -V | tail -n 1)}"
if [ -z "$kernel" ] || [ ! -r "$kernel" ]; then
    fail "no readable kernel image in /boot"
fi
kver="${kernel##*/vmlinuz-}"
[ -d "/lib/modules/$kver" ] || fail "no modules for kernel $kver under /lib/modules"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root"/{bin,sbin,usr/bin,usr/sbin,lib,lib64,proc,sys,dev,tmp,modules,test,data}

cp /bin/busybox "$root/bin/busybox"

# The modules in load order, dependencies first; built-in ones need no loading.
declare -A seen=()
modules=()
add_module() {
    local name="$1" file deps dep
    [ -z "${seen[$name]:-}" ] || return 0
    seen[$name]=1
    file="$(modinfo -k "$kver" -F filename "$name")" || fail "kernel $kver has no module $name"
    deps="$(modinfo -k "$kver" -F depends "$name")"
    for dep in ${deps//,/ }; do
        add_module "$dep"
    done
    case "$file" in
        "" | "(builtin)"*) return 0 ;;
    esac
    modules+=("$file")
}
for name in hid uhid hid-generic; do
    add_module "$name"
done
# busybox's insmod takes plain modules only.
: >"$root/modules/order"
for file in "${modules[@]}"; do
    base="$(basename "$file")"
    base="${base%%.ko*}.ko"
    case "$file" in
        *.ko.xz)
            command -v xz >/dev/null || tolvane_install_deps xz-utils
            xz -dc "$file" >"$root/modules/$base"
            ;;
        *.ko.zst)
            command -v zstd >/dev/null || tolvane_install_deps zstd
            zstd -qdc "$file" >"$root/modules/$base"
            ;;
        *.ko.gz) gzip -dc "$file" >"$root/modules/$base" ;;
        *.ko) cp "$file" "$root/modules/$base" ;;
        *) fail "unexpected module file $file" ;;
    esac
    echo "$base" >>"$root/modules/order"
done

# The guest program with the shared libraries it loads (libudev has no static build) and
# the loader at the path the program names.
cp "$guest" "$root/test/kernel_guest_tests"
if ldd "$guest" >"$work/ldd" 2>&1; then
    while read -r first arrow path _; do
        if [ "$arrow" = "=>" ] && [ "${path#/}" != "$path" ]; then
            cp -L "$path" "$root/lib/"
        elif [ "${first#/}" != "$first" ]; then
            mkdir -p "$root$(dirname "$first")"
            cp -L "$first" "$root$first"
        fi
    done <"$work/ldd"
fi
# Debug information only makes the initramfs larger.
find "$root/test" "$root/lib" -type f -exec strip --strip-debug {} +

# The layout the guest writes and reads back.
cp "$repo/examples/till.dat" "$root/data/till.dat"

cat >"$root/init" <<EOF
#!/bin/busybox sh
/bin/busybox --install -s
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
status=0
for module in \$(cat /modules/order); do
    insmod /modules/\$module || status=1
done
echo "guest: kernel \$(uname -r), modules: \$(cat /modules/order | tr '\n' ' ')"
if [ \$status -eq 0 ]; then
    cd /test
    LD_LIBRARY_PATH=/lib TOLVANE_LAYOUT=/data/till.dat ./kernel_guest_tests --gtest_color=no
    status=\$?
fi
echo "guest: what the kernel said about HID devices:"
dmesg | grep -E 'hid|uhid' | sed 's/^/  /'
if [ \$status -eq 0 ]; then
    echo "$marker: passed"
else
    echo "$marker: failed (status \$status)"
fi
sync
poweroff -f
EOF
chmod +x "$root/init"

(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) >"$work/initrd.gz"
if [ -n "${TOLVANE_KEEP_INITRD:-}" ]; then
    cp "$work/initrd.gz" "$TOLVANE_KEEP_INITRD"
fi
echo "kernel test: booting $kernel with a $(du -h "$work/initrd.gz" | cut -f1) initramfs"

# KVM is present on our machines but hangs: plain emulation is slower and always works.
set +e
timeout --kill-after=10 "${TOLVANE_KERNEL_TIMEOUT:-180}" \
    qemu-system-x86_64 -accel tcg -m 512 -nographic -no-reboot -nic none \
    -kernel "$kernel" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 panic=-1 quiet" </dev/null 2>&1 | tr -d '\r' | tee "$work/console.log"
qemu_status=${PIPESTATUS[0]}
set -e

elapsed=$((SECONDS - started))
if grep -q "^$marker: passed" "$work/console.log"; then
    echo "kernel test: passed in ${elapsed} s"
    exit 0
fi
if grep -q "^$marker: failed" "$work/console.log"; then
    fail "the guest reported failures (after ${elapsed} s)"
fi
if [ "$qemu_status" -eq 124 ] || [ "$qemu_status" -eq 137 ]; then
    fail "no result within ${TOLVANE_KERNEL_TIMEOUT:-180} s; the machine was stopped"
fi
fail "the machine ended without a result (qemu status $qemu_status, after ${elapsed} s)"

#!/usr/bin/env bash
# Builds the Debian packages and checks them: lintian, the desktop entry and AppStream
# validators, the expected file lists, the manual, and an install into a throwaway root,
# from which the command-line programmer writes the example layout into a virtual keyboard,
# the desktop programmer and the card-reader tool start, and a small host program builds
# against libvaskor-dev through pkg-config and runs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps "${TOLVANE_PACKAGE_CHECK_PACKAGES[@]}"

scripts/package.sh
packages=build/default/packages
version=$(sed -n '1s/.*(\(.*\)).*/\1/p' packaging/debian/changelog)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"

fail() {
    echo "check-packages: $*" >&2
    exit 1
}

expected_packages=(tolvane libvaskor0 libvaskor-dev)
if [ -f pellimore/CMakeLists.txt ]; then
    expected_packages+=(pellimore)
fi

echo "== file lists"
for package in "${expected_packages[@]}"; do
    deb="$packages/${package}_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "$deb was not built"
    sed "s/@MULTIARCH@/$multiarch/; s/@VERSION@/$version/" "packaging/expected/$package.txt" \
        >"$work/$package.expected"
    dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort \
        >"$work/$package.actual"
    diff -u "$work/$package.expected" "$work/$package.actual" ||
        fail "$package: the files differ from packaging/expected/$package.txt"
    dpkg-deb -x "$deb" "$root"
done

echo "== lintian"
lintian --fail-on error,warning "$packages"/*.deb

echo "== desktop entries and AppStream metadata"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== the manual"
manual="$root/usr/share/doc/tolvane/MZR-40 User Manual.pdf"
grep -qF '/usr/share/doc/tolvane' "$root/usr/bin/tolvane" ||
    fail "the program does not look for its manual in /usr/share/doc/tolvane"
pages=$(pdfinfo "$manual" | sed -n 's/^Pages: *//p')
[ "$pages" -ge 5 ] || fail "the manual has only $pages pages"
pictures=0
for file in $(sed -n 's/^ *!\[[^]]*\](\([^)]*\)) *$/\1/p' manual/UserManual.md); do
    if [ -f "build/default/manual/screenshots/$file" ]; then
        pictures=$((pictures + 1))
    fi
done
embedded=$(pdfimages -list "$manual" | tail -n +3 | wc -l)
[ "$embedded" -eq "$pictures" ] ||
    fail "the manual holds $embedded pictures, $pictures screenshots were rendered"
echo "$pages pages, $embedded screenshots"

echo "== libraries resolve inside the installed tree"
export LD_LIBRARY_PATH="$root/usr/lib/$multiarch"
for binary in "$root"/usr/bin/* "$root"/usr/lib/"$multiarch"/*.so.* \
    "$root"/usr/lib/"$multiarch"/tolvane/*.so.*; do
    [ -L "$binary" ] && continue
    listing=$(ldd "$binary")
    if grep -q 'not found' <<<"$listing"; then
        fail "$binary: $(grep 'not found' <<<"$listing")"
    fi
    if grep -E 'lib(vaskor|hidio)\.so' <<<"$listing" | grep -vqF "$root"; then
        fail "$binary loads a suite library from outside the installed tree"
    fi
done

echo "== tolvane-cli writes the example layout into a virtual keyboard"
"$root/usr/bin/tolvane-cli" --virtual-keyboard="$work/keyboard.state" \
    write examples/till.dat --verify
"$root/usr/bin/tolvane-cli" --virtual-keyboard="$work/keyboard.state" --quiet \
    diff examples/till.dat keyboard

echo "== tolvane starts"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/tolvane" --help >/dev/null

if [ -f pellimore/CMakeLists.txt ]; then
    echo "== pellimore starts"
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/pellimore" --help >/dev/null
fi

echo "== a host program builds against libvaskor-dev"
export PKG_CONFIG_SYSROOT_DIR="$root"
export PKG_CONFIG_LIBDIR="$root/usr/lib/$multiarch/pkgconfig"
# shellcheck disable=SC2046  # pkg-config's words are meant to be split
g++ -std=c++17 -Wall -Werror packaging/check/HostProgram.cpp -o "$work/host" \
    $(pkg-config --cflags --libs vaskor)
"$work/host"
# The documented switch points the installed library at its virtual keyboard.
[ "$(VASKOR_VIRTUAL_KEYBOARD='' "$work/host")" = "keyboard attached: yes" ] ||
    fail "VASKOR_VIRTUAL_KEYBOARD did not give the installed library its virtual keyboard"

echo "check-packages: all packages are sound"

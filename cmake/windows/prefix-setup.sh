#!/bin/sh
# The test prefix's set-up for windows on a virtual display.
#
# No window manager runs on the virtual display, so wine is told to manage its windows
# itself: it then draws their captions, and does not wait (two seconds, each time) for a
# manager to take a window away when one is destroyed.
#
# Fonts: a fresh wine prefix has no face with Chinese letters, so Chinese
# renders as boxes. This gives it one: Noto Sans CJK SC stands for the Hei face "黑体" the
# key information box and the pictures ask for, and is linked behind Tahoma, the face of
# menus and message boxes, for the letters Tahoma lacks. The dialog font itself ("Microsoft
# Sans Serif") is left unlinked, which keeps its base units as they are. On Windows the
# system's own faces serve.
set -eu
export WINEDEBUG="${WINEDEBUG:--all}"
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
done_mark="$WINEPREFIX/.tolvane-setup"
[ -e "$done_mark" ] && exit 0
[ -e "$font" ] || { echo "prefix-setup: $font is missing (package fonts-noto-cjk)" >&2; exit 1; }
wineboot --init >/dev/null 2>&1 || true
cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"

# REG_MULTI_SZ as regedit's hex(7): UTF-16LE bytes, NUL ended twice.
multi_sz() {
    { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE; printf '\000\000\000\000'; } |
        od -An -v -tx1 | tr -s ' \n' ',,' | sed 's/^,//; s/,$//'
}
link="$(multi_sz "NotoSansCJK-Regular.ttc,Noto Sans CJK SC")"
reg="$(mktemp --suffix=.reg)"
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"\351\273\221\344\275\223"="Noto Sans CJK SC"\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    printf '"Tahoma"=hex(7):%s\r\n\r\n' "$link"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="N"\r\n'
} | iconv -f UTF-8 -t UTF-16 > "$reg"
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$done_mark"

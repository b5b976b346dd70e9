#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder and checks it as Debian and the package's users
# would: lintian reports nothing, the AppStream metadata and the desktop entry validate, and the
# manual page tells every option that --help tells. As root it then installs the package and an
# ordinary user (nobody, with a home of its own) saves, loads and exports a certificate with the
# installed program; the package is purged again at the end. A kf2718 that was installed before
# is never touched: the installing part is skipped then.
#   scripts/package-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
fail() {
    echo "package: $*" >&2
    exit 1
}
cd "$build"
rm -f kf2718_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; fail "cpack failed"; }
deb=$(ls kf2718_*.deb)

work=$(mktemp -d /tmp/kf-package.XXXXXX)
cleanup() { rm -rf "$work"; }
trap cleanup EXIT

# --- The package as Debian's tools see it ---
contents=$(dpkg-deb -c "$deb")
metainfo=./usr/share/metainfo/hu.tolgyesvarhely.kf2718.metainfo.xml
desktop=./usr/share/applications/kf2718.desktop
manpage=./usr/share/man/man1/kf2718.1.gz
for f in ./usr/bin/kf2718 "$desktop" ./usr/share/icons/hicolor/scalable/apps/kf2718.svg \
    "$metainfo" "$manpage" ./usr/share/doc/kf2718/copyright ./usr/share/doc/kf2718/changelog.Debian.gz; do
    grep -q " $f\$" <<<"$contents" || fail "$f is missing from $deb"
done
if grep -q ' \./etc/' <<<"$contents"; then
    fail "$deb installs into /etc: $(grep ' \./etc/' <<<"$contents")"
fi

tags=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root privileges' || true)
if [ -n "$tags" ]; then
    lintian --tag-display-limit 0 -i "$deb" >&2 || true
    fail "lintian reports on $deb:
$tags"
fi

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "the AppStream metadata does not validate"; }
desktop-file-validate "$work/root/$desktop" || fail "the desktop entry does not validate"

# The manual page and --help tell the same options.
man_text=$(zcat "$work/root/$manpage" | sed 's/\\-/-/g')
help_options=$("$build/app/kf2718" --help | grep -oE '(^|[[:space:]])--[a-z]+' | tr -d ' ' | sort -u)
[ -n "$help_options" ] || fail "kf2718 --help names no option"
for option in $help_options; do
    grep -qF -- "$option" <<<"$man_text" || fail "the manual page does not tell $option"
done

if [ "$(id -u)" -ne 0 ]; then
    echo "package: $deb built and checked (installing it needs root)"
    exit 0
fi
status=$(dpkg-query -W -f='${db:Status-Status}' kf2718 2>/dev/null || true)
if [ -n "$status" ] && [ "$status" != not-installed ]; then
    echo "package: $deb built and checked; kf2718 is already on this machine ($status)," \
        "so it is left alone and the installed program is not tested"
    exit 0
fi

# --- The installed program, run by an ordinary user ---
trap 'dpkg -P kf2718 >/dev/null 2>&1 || true; cleanup' EXIT
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i $deb failed"; }
# (Outputs are read whole before grep looks at them: grep -q would end a pipe early.)
grep -qF -- '--save' <<<"$(man kf2718 2>/dev/null)" || fail "man kf2718 does not show the manual page"

uid=65534 # nobody, present on every Debian system; /etc/passwd stays as it is
chmod 0755 "$work"
home=$work/home
mkdir -m 0700 "$home" "$work/runtime"
chown "$uid:$uid" "$home" "$work/runtime"
lang=C.UTF-8
grep -qix 'hu_HU.utf8' <<<"$(locale -a 2>/dev/null)" && lang=hu_HU.UTF-8
as_user() {
    setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/runtime" LANG="$lang" "$@"
}
passphrase='Jelszó ő 1'

printf '%s\n' "$passphrase" | as_user /usr/bin/kf2718 --field Edit1="Minta Kft." \
    --field Edit3="Csomag Teszt" --field NumEdit1="123 456" --save ||
    fail "the installed program could not save as an ordinary user"
save=$home/.local/share/kf2718/KF2718.txt
[ -f "$save" ] || fail "no save file at $save"
[ "$(stat -c '%a %u' "$save")" = "600 $uid" ] || fail "$save is $(stat -c '%a %u' "$save")"
[ "$(stat -c '%a %u' "${save%/*}")" = "700 $uid" ] || fail "${save%/*} is $(stat -c '%a %u' "${save%/*}")"
[ ! -e /usr/bin/KF2718.txt ] || fail "a save file appeared beside the installed program"

printf '%s\n' "$passphrase" | as_user /usr/bin/kf2718 --load "$save" --pdf "$home/igazolas.pdf" ||
    fail "the installed program could not load its save as an ordinary user"
text=$(pdftotext -layout "$home/igazolas.pdf" -)
for expected in "Minta Kft." "Csomag Teszt" "123 456 Ft."; do
    grep -qF "$expected" <<<"$text" || fail "the PDF from the loaded save lacks \"$expected\""
done
# Without any font set-up of ours the certificate still has its typeface.
grep -q Tahoma <<<"$(pdffonts "$home/igazolas.pdf")" || fail "the PDF was not set in Tahoma"

if printf 'más jelszó\n' | as_user /usr/bin/kf2718 --load "$save" --pdf "$home/x.pdf" 2>/dev/null; then
    fail "a wrong pass phrase loaded the save"
fi
echo "package: $deb lintian-clean; installed, saved and loaded by an ordinary user; purged"

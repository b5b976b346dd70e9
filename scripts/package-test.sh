#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it, exports a certificate with the
# installed program and removes the package again. Installing needs root; otherwise only the
# package is built and its contents are checked.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null 2>&1
deb=$(ls -t kf2718_*.deb | head -n 1)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/kf2718 ./usr/share/applications/kf2718.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kf2718.svg; do
    grep -q " $f\$" <<<"$contents" || { echo "package: $f is missing from $deb" >&2; exit 1; }
done
if [ "$(id -u)" -ne 0 ]; then
    echo "package: $deb built (installing it needs root)"
    exit 0
fi
dpkg -i "$deb" >/dev/null
trap 'dpkg -P kf2718 >/dev/null' EXIT
out=$(mktemp -d)
env -u QT_QPA_PLATFORM /usr/bin/kf2718 --field Edit3="Csomag Teszt" --pdf "$out/igazolas.pdf"
if ! grep -q "Csomag Teszt" <<<"$(pdftotext "$out/igazolas.pdf" -)"; then
    echo "package: the installed program's PDF lacks the typed name" >&2
    exit 1
fi
rm -rf "$out"
echo "package: $deb installed, exported a PDF, purged"

#!/usr/bin/env bash
# Builds the Debian package in build/package and checks it: the files it must
# hold, its dependencies, its desktop entries and metadata, and lintian.
# Exits non-zero with a message naming what is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh dpkg-dev file desktop-file-utils appstream lintian

build_dir=build/package
# Debian's own hardening flags (fortified functions, read-only relocations);
# no debug information, the package is stripped anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DRK_BUILD_TESTS=OFF -DRK_BUILD_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)

debs=("$build_dir"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package.sh: expected one .deb in $build_dir" >&2; exit 1; }
deb=${debs[0]}
name=$(dpkg-deb -f "$deb" Package)

failures=()
fail() { failures+=("$1"); }

# Every program with a manual page, the two models' desktop integration, and
# the user guide's pages with the pictures its build made.
expected=("usr/share/doc/$name/copyright" "usr/share/doc/$name/changelog.Debian.gz")
for page in dist/man/*.1; do
    program=$(basename "$page" .1)
    expected+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
for guide in rk520-zh rk520-en rk7400-ru rk7400-en; do
    expected+=("usr/share/doc/$name/guide/$guide/index.html"
               "usr/share/doc/$name/guide/pictures/$guide-window.png"
               "usr/share/doc/$name/guide/pictures/$guide-table.png"
               "usr/share/doc/$name/guide/pictures/$guide-write-preview.png")
done
for model in rk520 rk7400; do
    expected+=("usr/bin/$model"
               "usr/share/applications/$model.desktop"
               "usr/share/mime/packages/$model.xml"
               "usr/share/icons/hicolor/scalable/apps/$model.svg"
               "usr/share/icons/hicolor/scalable/mimetypes/application-x-$model.document.svg"
               "usr/share/metainfo/org.rkradio.$model.metainfo.xml")
done
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./||')
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "missing file: /$path"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6svg6 \
                  fonts-noto-cjk qt6-translations-l10n; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

# The installed desktop entries and metadata, as the desktop will read them.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for entry in "$unpacked"/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry" >/dev/null || fail "desktop-file-validate: $(desktop-file-validate "$entry")"
done
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.xml >/dev/null 2>&1 ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.xml 2>&1)"

# Errors fail; warnings are shown.
lintian_report=$(lintian --fail-on error "$deb" 2>/dev/null) || fail "lintian: errors, or it did not run"
[ -z "$lintian_report" ] || echo "$lintian_report"

if [ ${#failures[@]} -gt 0 ]; then
    printf 'package.sh: %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "$deb: $(du -k "$deb" | cut -f1) KiB, checked"

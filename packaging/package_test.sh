#!/usr/bin/env bash
# Builds the Debian package from a built tree into a scratch folder, then checks its
# contents, its declared dependencies, lintian's verdict, the desktop entry and the
# AppStream metadata.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$(ls "$scratch"/vellex_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no vellex_*.deb in $scratch"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/vellex ./usr/bin/vellex-print ./usr/bin/appconv \
            ./usr/share/applications/vellex.desktop ./usr/share/mime/packages/vellex.xml \
            ./usr/share/icons/hicolor/scalable/apps/vellex.svg ./usr/share/doc/vellex/README.md \
            ./usr/share/doc/vellex/copyright ./usr/share/doc/vellex/changelog.Debian.gz \
            ./usr/share/metainfo/ru.vellex.Vellex.metainfo.xml ./usr/share/man/man1/vellex.1.gz \
            ./usr/share/man/man1/vellex-print.1.gz ./usr/share/man/man1/appconv.1.gz; do
  grep -qx "$path" <<<"$contents" || fail "$path is not in the package"
done
# Nothing of the build tree: no tests, benchmarks or static libraries.
if grep -E '_tests$|_bench$|\.a$' <<<"$contents"; then fail "build leftovers in the package"; fi

# Hardened as Debian builds its packages: position-independent, full RELRO.
unpacked="$scratch/root"
dpkg-deb -x "$deb" "$unpacked"
for program in vellex vellex-print appconv; do
  elf="$unpacked/usr/bin/$program"
  readelf -h "$elf" | grep -q 'Type:.*DYN' || fail "$program is not position-independent"
  readelf -d "$elf" | grep -q 'BIND_NOW\|FLAGS.*NOW' || fail "$program lacks full RELRO (BIND_NOW)"
  readelf -lW "$elf" | grep -q GNU_RELRO || fail "$program lacks RELRO"
  # Stripped, and without the compiler's version note.
  if readelf -SW "$elf" | grep -qE '\] \.(symtab|debug_info|comment) '; then
    fail "$program is not stripped (symbols, debug information or .comment)"
  fi
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation \
           qt6-translations-l10n; do
  grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
# The screen plugins come with libqt6gui6; the separate plugin package is not needed.
if grep -q qt6-qpa-plugins <<<"$depends"; then fail "Depends names qt6-qpa-plugins: $depends"; fi
[ "$(dpkg-deb -f "$deb" Package)" = vellex ] || fail "package name"

# The version is written in project() only; the package, the AppStream release and the
# distribution specs must all carry it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
case "$(dpkg-deb -f "$deb" Version)" in
  "$version"-*) ;;
  *) fail "package version $(dpkg-deb -f "$deb" Version) is not $version-…" ;;
esac
metainfo="$unpacked/usr/share/metainfo/ru.vellex.Vellex.metainfo.xml"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
zcat "$unpacked/usr/share/doc/vellex/changelog.Debian.gz" | head -n1 | grep -qF "($version-" ||
  fail "changelog.Debian does not start with version $version"
for spec in "$source/packaging/alt/vellex.spec" "$source/packaging/redos/vellex.spec"; do
  grep -qE "^Version:[[:space:]]+$version\$" "$spec" || fail "$spec: Version is not $version"
done

# What a Debian archive would say about the package: no error and no warning.
command -v lintian >/dev/null || fail "lintian is missing (make deps installs it)"
lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in the package"
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (make deps installs appstream)"
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$source/packaging/vellex.desktop" || fail "desktop entry"
else
  echo "desktop-file-validate missing: desktop entry not validated"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$source/packaging/vellex-mime.xml" || fail "MIME XML"
fi
echo "package OK: $(basename "$deb")"

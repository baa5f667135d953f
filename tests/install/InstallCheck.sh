#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR under a made-up prefix and checks what lands where, and that
# the desktop's own validators accept the desktop entry and the AppStream file.
#   InstallCheck.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=/opt/zettmar-install-check

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" > /dev/null
if [[ -e "$prefix" ]]; then
  echo "installed into $prefix itself instead of below DESTDIR" >&2
  exit 1
fi
root="$stage$prefix"

expected=$(
  printf '%s\n' bin/zettmar share/applications/zettmar.desktop \
    share/icons/hicolor/scalable/apps/zettmar.svg share/metainfo/de.zettmar.zettmar.metainfo.xml \
    share/doc/zettmar/copyright share/doc/zettmar/changelog.gz share/man/man1/zettmar.1.gz
  (cd "$source/resources" && find help -type f | sed 's|^|share/zettmar/|')
)
actual=$(cd "$root" && find . -type f | sed 's|^\./||')
if ! diff <(sort <<< "$expected") <(sort <<< "$actual"); then
  echo "the installed files differ from the expected list (< expected, > installed)" >&2
  exit 1
fi
[[ -x "$root/bin/zettmar" ]] || { echo "bin/zettmar is not executable" >&2; exit 1; }

desktop-file-validate "$root/share/applications/zettmar.desktop"
appstreamcli validate-tree --no-net "$root"

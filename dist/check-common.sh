# Shared by the dist/check-* scripts: their arguments, a scratch directory removed at exit,
# an installation into it, and failure counting.
#   check-* CMAKE BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 CMAKE BUILD_DIR SOURCE_DIR VERSION" >&2; exit 2; }
cmake_command=$1 version=$4
build_dir=$(cd "$2" && pwd) source_dir=$(cd "$3" && pwd)
app_id=org.example.zelvoria
icon_sizes=(16 22 24 32 48 64 128 256)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zelvoria-check.XXXXXX")
process_groups=()
end_groups() {
  local g
  for g in "${process_groups[@]}"; do kill -KILL -- "-$g" 2>/dev/null || true; done
  process_groups=() # ended: their numbers may soon belong to other processes
}
trap 'end_groups; rm -rf "$scratch"' EXIT

# Runs a command in a process group of its own for at most $1 seconds, and then ends everything
# in the group, whether the command finished, ran out of time or this script is interrupted.
# Returns the command's status; 124 means the deadline struck.
bounded() {
  local seconds=$1 status=0; shift
  timeout -k 5 "$seconds" "$@" & # timeout leads a new process group, and signals all of it
  process_groups+=($!)
  wait $! || status=$?
  end_groups
  return "$status"
}

# Says why a check cannot be done here, and counts it as skipped.
skip() { echo "SKIPPED: $*"; exit 77; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
finish() {
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
  echo "all checks passed"
}

# Installs the build as a package would, under /usr inside the scratch directory; prints the
# root of the installed tree.
install_scratch() {
  DESTDIR="$scratch/root" "$cmake_command" --install "$build_dir" --prefix /usr >"$scratch/install.log" \
    || { cat "$scratch/install.log" >&2; exit 1; }
  echo "$scratch/root/usr"
}

# Makes the Debian package with CPack into the scratch directory; prints the package's path.
make_package() {
  local deb=$scratch/package/zelvoria_${version}_$(dpkg --print-architecture).deb
  (cd "$build_dir" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) \
    || { cat "$scratch/cpack.log" >&2; exit 1; }
  [ -f "$deb" ] || { echo "FAIL: no $(basename "$deb"); made: $(cd "$scratch/package" && ls ./*.deb 2>/dev/null)" >&2; exit 1; }
  echo "$deb"
}

# Width x height of a PNG file, read from its header; empty if it is no PNG.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
  od -An -tu1 -j16 -N8 "$1" | awk '{ print ($1*16777216 + $2*65536 + $3*256 + $4) "x" ($5*16777216 + $6*65536 + $7*256 + $8) }'
}

# Every file an installation holds, relative to the prefix, sorted.
expected_files() {
  {
    echo bin/zelvoria
    echo lib/zelvoria/zelvoria
    echo lib/zelvoria/synth/libzelvoria-synth.so
    for n in $(seq 1 20); do echo "lib/zelvoria/song$n.msc"; done
    echo "share/applications/$app_id.desktop"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"; done
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/doc/zelvoria/copyright
    echo share/doc/zelvoria/changelog.gz
    echo share/man/man1/zelvoria.1.gz
  } | sort
}

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the static Qt that the Windows program links, once per machine, and prints its prefix.
#
# The source is Debian's own qt6-base source package, unpacked with Debian's patches (security
# fixes included), of the same upstream version as the build machine's Qt, whose moc, rcc and uic
# serve as host tools: nothing this build makes is ever run. The few changes of this project's own
# (qt-patches/) go on top. The result lives in a cache outside the clone, keyed by the Qt version,
# the configure options and those changes, so every later run and CI reuse it.
# It is built aside and moved into place whole, so an interrupted build never counts as done.
#
#   build-qt.sh              build if missing, print the prefix
#   build-qt.sh --prefix     print the prefix only (nothing is built)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../../cmake" && pwd)/mingw-w64-x86_64.cmake
cache_root=${TINTFORGE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tintforge}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${host_version%%+*}

# Only what the program and its tests use: Core, Gui, Widgets, Test, the windows platform plugin
# and the styles. OpenGL and Direct2D stay on: in this Qt, turning either off breaks the windows
# plugin (OpenGL is loaded at run time, if ever, from the system). Debian's source lacks
# wintab.h, so tablet events are off.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_testlib=ON
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d1_1=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    # Size: optimised for size, every function and datum in a section of its own, so that the
    # program's link keeps only what it reaches (Qt 6.4's gc_binaries sets no flags itself).
    # (Link-time optimisation does not work with this MinGW-w64: docs/performance.md says why.)
    # PCRE2 without its just-in-time compiler: the program matches no regular expressions
    # where speed would tell, and PCRE2's interpreter gives the same matches.
    -DFEATURE_optimize_size=ON
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections -DPCRE2_DISABLE_JIT"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    # Widgets and dialogs no code path of the program or its tests reaches. (QMainWindow, its
    # tool bar and menu bar stay: Qt 6.4's compatibility code includes their headers whatever
    # the features say; the themed Windows style draws spin boxes, tab bars, tab widgets and
    # progress bars whatever the features say, and its precompiled header takes in
    # QInputDialog, so those stay too.)
    -DFEATURE_graphicsview=OFF
    -DFEATURE_mdiarea=OFF
    -DFEATURE_calendarwidget=OFF
    -DFEATURE_datetimeedit=OFF
    -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF
    -DFEATURE_splashscreen=OFF
    -DFEATURE_toolbox=OFF
    -DFEATURE_dockwidget=OFF
    -DFEATURE_statusbar=OFF
    -DFEATURE_keysequenceedit=OFF
    -DFEATURE_fontcombobox=OFF
    -DFEATURE_fontdialog=OFF
    -DFEATURE_colordialog=OFF
    -DFEATURE_progressdialog=OFF
    -DFEATURE_errormessage=OFF
    -DFEATURE_wizard=OFF
    -DFEATURE_undoview=OFF
    -DFEATURE_columnview=OFF
    -DFEATURE_tablewidget=OFF
    -DFEATURE_datawidgetmapper=OFF
    -DFEATURE_commandlinkbutton=OFF
    -DFEATURE_textbrowser=OFF
    -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_scroller=OFF
    # The program opens scripts through the system's own dialog, called directly: Qt's file
    # dialog is never shown. (Its file system model stays: Qt 6.4's compatibility header for it
    # in Widgets names no feature, so the precompiled header of OpenGL Widgets breaks.)
    -DFEATURE_filedialog=OFF
    # Style sheets: the program sets none. (Fusion stays: the window tests run on the offscreen
    # platform, whose style it is.)
    -DFEATURE_style_stylesheet=OFF
    # Text formats, pictures and desktop services the program never reads, writes or shows.
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_pdf=OFF
    -DFEATURE_picture=OFF
    -DFEATURE_movie=OFF
    -DFEATURE_imageformat_ppm=OFF
    -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_systemtrayicon=OFF
    -DFEATURE_undocommand=OFF
    -DFEATURE_undostack=OFF
    -DFEATURE_undogroup=OFF
    # Gestures: no widget of the program grabs one. Text shaping: the program's texts are in
    # the game's 8-bit Latin code page, which needs none, and Qt then lays out text as with
    # QFont::PreferNoShaping (both windows' pixels under Wine come out the same).
    -DFEATURE_gestures=OFF
    -DFEATURE_harfbuzz=OFF
    # Core: MIME types (the program looks up no file types), SHA-3 built for size rather than
    # speed (the program hashes nothing itself), calendars other than the Gregorian, and shared
    # memory between processes.
    -DFEATURE_mimetype=OFF
    -DFEATURE_sha3_fast=OFF
    -DFEATURE_jalalicalendar=OFF
    -DFEATURE_hijricalendar=OFF
    -DFEATURE_islamiccivilcalendar=OFF
    -DFEATURE_sharedmemory=OFF
    -DFEATURE_systemsemaphore=OFF
)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion 2>/dev/null || echo none)
# Small changes to Qt's source, each with its reason at its head, applied in this order.
patches=("$here"/qt-patches/*.patch)
key=$(printf '%s\n' "$upstream" "$compiler" "${options[@]}" "$(cat "$toolchain" "${patches[@]}")" |
    sha256sum | cut -c1-12)
prefix="$cache_root/qt-$upstream-windows-$key"

if [[ "${1:-}" == --prefix ]]; then
    echo "$prefix"
    exit 0
fi
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache_root"
exec 9>"$cache_root/.qt-build.lock"
flock 9
# Another run may have finished it while this one waited.
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "$cache_root/.qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
started=$SECONDS
log() { printf 'build-qt: %s (%d s)\n' "$*" $((SECONDS - started)) >&2; }
# Keeps the failing step's log beside the cache and shows where it failed.
failed() {
    cp "$work/$1.log" "$cache_root/qt-$1-failed.log"
    grep -E -A15 '^FAILED|CMake Error|error:' "$work/$1.log" | head -n 60 >&2 ||
        tail -n 40 "$work/$1.log" >&2
    echo "build-qt: the $1 step failed; its whole log is $cache_root/qt-$1-failed.log" >&2
    exit 1
}

# A deb-src list made from the machine's own apt sources (the same entries with the source type),
# in a private apt state, so that neither the machine's configuration nor this project names a
# mirror.
apt_dir="$work/apt"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/archives/partial"
for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f "$f" ]] && sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f "$f" ]] && sed -nE 's/^deb[[:space:]]+/deb-src /p' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
apt_opts=(
    -o "APT::Sandbox::User=root"
    -o "Dir::Etc::SourceList=/dev/null"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache::archives=$apt_dir/archives"
    -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
)
log "fetching the qt6-base source package"
apt-get "${apt_opts[@]}" -qq update
source_version=$(apt-cache "${apt_opts[@]}" showsrc qt6-base |
    sed -n 's/^Version: //p' | grep "^$upstream+" | sort -V | tail -n 1)
[[ -n "$source_version" ]] || { echo "build-qt: no qt6-base source of version $upstream" >&2; exit 1; }
(cd "$work" && apt-get "${apt_opts[@]}" -qq --download-only source "qt6-base=$source_version" >/dev/null)
# apt has checked the files against the signed index; dpkg-source's own signature check has no
# keyring here, so its warnings go to a log.
dpkg-source -x "$work"/qt6-base_*.dsc "$work/src" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log" >&2; exit 1; }
log "unpacked qt6-base $source_version"
for patch in "${patches[@]}"; do
    patch -p1 -s -d "$work/src" <"$patch" || { echo "build-qt: $patch does not apply" >&2; exit 1; }
done

log "configuring"
cmake -G Ninja -S "$work/src" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 || failed configure

log "building with $jobs jobs"
cmake --build "$work/build" --parallel "$jobs" >"$work/build.log" 2>&1 || failed build

DESTDIR="$work/stage" cmake --install "$work/build" >/dev/null
# The licence texts the static library is bound by (Qt's own and those of the third-party code
# it bundles), for the program's distribution to carry.
mkdir -p "$work/stage$prefix/licenses"
find "$work/src/LICENSES" -name '*.txt' ! -name 'LicenseRef-Qt-Commercial*' \
    -exec cp {} "$work/stage$prefix/licenses/" \;
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
mv "$work/stage$prefix" "$prefix"
printf 'qt6-base %s\n' "$source_version" >"$prefix/.complete"
log "installed into $prefix"
echo "$prefix"

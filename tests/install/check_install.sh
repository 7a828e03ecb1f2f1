#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs into a temporary prefix and runs the programs there
# as a user who never ran them; the installed files must stay as installed.
set -euo pipefail
build=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2 && exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME=$work/home XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
cd "$work"  # nothing may depend on the current folder
bin=$prefix/bin
installed_files() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort); }
before=$(installed_files)

for program in Selkan selkan-cli selkan-sim; do
  version=$("$bin/$program" --version) || fail "$program --version failed"
  [[ $version =~ ^$program\ [0-9]+\.[0-9]+ ]] || fail "$program --version said: $version"
done

"$bin/selkan-cli" new "$work/radio.dat" --type 1 --band 0 || fail "selkan-cli new failed"
[ "$(stat -c %s "$work/radio.dat")" = 4096 ] || fail "selkan-cli new made no 4096-byte file"
[ -n "$("$bin/selkan-cli" show "$work/radio.dat")" ] || fail "selkan-cli show printed nothing"

# Selkan quits once its main window shows, fails at once on a message box; the limit is for hangs.
start_selkan() {
  caption=$(timeout 20 "$bin/Selkan" --quit-after-start 2>"$work/err") || fail "Selkan: $(cat "$work/err")"
  [ -n "$caption" ] || fail "Selkan showed no caption"
}
start_selkan && english=$caption

# A language chosen by the user lives in the user's copy of Selkan.ini.
mkdir -p "$XDG_CONFIG_HOME/Selkan"
sed 's/^Language=.*/Language=Chinese/' "$prefix/share/selkan/Selkan.ini" >"$XDG_CONFIG_HOME/Selkan/Selkan.ini"
start_selkan
[ "$caption" != "$english" ] || fail "the user's Selkan.ini was not read: caption '$caption'"

[ "$(installed_files)" = "$before" ] || fail "the installed files changed"

# Without its catalog Selkan says so on the terminal (no box waits for nobody) and fails.
cp -a "$prefix" "$work/bare" && rm "$work/bare"/share/selkan/ChineseQ47.qm
status=0 && timeout 20 "$work/bare/bin/Selkan" --quit-after-start 2>"$work/err" || status=$?
[ $status = 1 ] && grep -q '^Selkan: 加载语言链接库失败$' "$work/err" || fail "no catalog: $status $(cat "$work/err")"
[ ! -e "$bin/Selkan.ini" ] || fail "Selkan.ini was made beside the program"

desktop=$prefix/share/applications/org.selkan.Selkan.desktop
grep -q '^Exec=Selkan ' "$desktop" || fail "the menu entry does not start Selkan"
for size in 16x16 32x32 48x48 256x256 scalable; do
  ls "$prefix/share/icons/hicolor/$size/apps/org.selkan.Selkan."* >/dev/null 2>&1 || fail "no $size icon"
done
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$desktop" || fail "desktop-file"
metainfo=$prefix/share/metainfo/org.selkan.Selkan.metainfo.xml
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "$metainfo" || fail "metainfo"
echo "installed programs work"

# Sourced by scripts/run, scripts/test and scripts/check: makes sure the
# Debian packages the build needs, and those a script names as arguments of
# selkan_ensure_packages, are installed. As root it installs what is missing
# with apt-get; otherwise it names the missing packages and stops.
SELKAN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  fonts-wqy-microhei qt6-translations-l10n  # the Chinese user interface: a CJK font, Qt's own texts
  clang libclang-rt-14-dev  # the clang build of scripts/check; the libFuzzer programs (README, "Fuzzing")
  fonts-liberation2  # Times New Roman's metrics, in which the forms are laid out
  desktop-file-utils appstream  # the install test validates the menu entry and the metadata
  poppler-utils  # the tests read printed listings (PDF) back with pdftotext and pdfinfo
  acl  # the tests give a file an ACL with setfacl and check that a save keeps it
  bsdutils  # the tests run selkan-cli on a terminal with script, as a user runs it
)

selkan_missing_packages() {
  local pkg
  for pkg in "${SELKAN_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      printf '%s\n' "$pkg"
    fi
  done
}

selkan_ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "note: not a Debian system; make sure these are installed: ${SELKAN_PACKAGES[*]} $*" >&2
    return 0
  fi
  local missing
  missing=$(selkan_missing_packages "$@" | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: $missing" >&2
    echo "Install them as root:  apt-get install -y $missing" >&2
    exit 1
  fi
  echo "Installing: $missing" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
}

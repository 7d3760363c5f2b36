# Installs the Debian packages that the project needs and the machine lacks.
# Sourced by scripts/run and scripts/test; quick when nothing is missing.

tallyworth_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 xvfb xauth
  cups cups-client cups-bsd libcups2-dev poppler-utils libmicrohttpd-dev libhttp-parser-dev curl
  libqrencode-dev zbar-tools
  cups-filters ghostscript mupdf-tools
  chromium nodejs
  desktop-file-utils appstream dpkg-dev file xdotool python3 time
  nginx-light systemd strace
  mmdebstrap podman runc python3-prometheus-client
)

tallyworth_install_missing() {
  local missing=()
  local pkg
  for pkg in "${tallyworth_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "These Debian packages are missing and this is not root: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
}

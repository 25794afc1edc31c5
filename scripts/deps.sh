# Installs the Debian packages the build needs when any is missing (as root, or with sudo).
QUORVANE_PACKAGES=(g++ cmake make libgtest-dev libbenchmark-dev qt6-base-dev xvfb xauth)

quorvane_install_deps() {
  local missing=()
  for p in "${QUORVANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

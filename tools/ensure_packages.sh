# Sourced by ./test and ./run: installs the Debian packages the build needs when any
# of them is missing (as root directly, otherwise through sudo).
ensure_packages() {
    local needed=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
                  libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth
                  fonts-dejavu-core)
    local missing=()
    local p
    for p in "${needed[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

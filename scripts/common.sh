# Shared by run.sh and test.sh: installs the Debian packages that are missing, and only those.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libsqlite3-dev fonts-dejavu-core fonts-liberation2)

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Installing Debian packages only when some are missing, for the set-up commands; sourced, not run.
#
#   install_packages PACKAGE …   apt-get installs those not installed yet (sudo when not root); when every one
#                                is there, apt is not touched at all.

missing_packages() { # packages, of which those not installed are printed
    local package
    for package in "$@"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]]; then
            echo "$package"
        fi
    done
}

install_packages() { # packages
    local missing
    mapfile -t missing < <(missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return
    fi
    local as_root=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Sourced, not run, by the scripts before anything else:
#     . scripts/dipendenze.sh WHAT "$@"
# It makes sure the Debian packages for WHAT are installed:
#   programma     the program alone (./run.sh)
#   test          the program, the tests and the benchmarks (./test.sh)
#   fuzz          clang with libFuzzer (scripts/fuzz.sh)
#   installazione the checks of an install and of the package
# Run by a user, it prints the apt-get lines to run as root and fails when
# something is missing. Run as root, it installs what is missing; run
# through sudo, it then runs the calling script again as the user who
# called sudo, so the build and the program are never root's. A machine
# that has every package needs no network.

vk_script=$(realpath -- "$0")
vk_radice=$(realpath -- "$(dirname -- "${BASH_SOURCE[0]}")/..")

vk_programma=(qt6-base-dev cmake ninja-build g++ fonts-liberation qt6-translations-l10n)
case "${1:-}" in
    programma) vk_pacchetti=("${vk_programma[@]}") ;;
    test) vk_pacchetti=("${vk_programma[@]}" libgtest-dev libbenchmark-dev) ;;
    fuzz) vk_pacchetti=(clang libclang-rt-dev cmake ninja-build) ;;
    installazione) vk_pacchetti=(desktop-file-utils appstream dpkg-dev file xvfb xauth x11-utils) ;;
    *) echo "dipendenze.sh: unknown set of packages '${1:-}'" >&2; return 2 ;;
esac
shift

vk_mancanti=()
if command -v dpkg-query >/dev/null 2>&1; then  # elsewhere the tools must already be there
    for vk_p in "${vk_pacchetti[@]}"; do
        vk_stato=$(dpkg-query -W -f='${Status}' "$vk_p" 2>/dev/null || true)
        [[ "$vk_stato" == *"install ok installed"* ]] || vk_mancanti+=("$vk_p")
    done
fi

if [[ ${#vk_mancanti[@]} -gt 0 ]]; then
    if [[ $(id -u) -eq 0 ]]; then
        echo "Installing the missing Debian packages: ${vk_mancanti[*]}" >&2
        DEBIAN_FRONTEND=noninteractive apt-get update || return 1
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${vk_mancanti[@]}" || return 1
    else
        cat >&2 <<EOF
Missing Debian packages: ${vk_mancanti[*]}
Install them as root:
    sudo apt-get update
    sudo apt-get install --no-install-recommends ${vk_mancanti[*]}
or run this script through sudo, which installs them and then goes on as you.
EOF
        return 1
    fi
fi

if [[ $(id -u) -eq 0 && -n "${SUDO_USER:-}" && "${SUDO_USER}" != root ]]; then
    echo "Going on as $SUDO_USER." >&2
    # runuser keeps the environment (display, CMAKE_BUILD_PARALLEL_LEVEL)
    # but gives the user's own HOME.
    exec runuser -u "$SUDO_USER" -- "$vk_script" "$@"
fi

# Files left unwritable, by an earlier run as root say, would stop the build
# half way with "Permission denied".
if [[ $(id -u) -ne 0 ]]; then
    vk_altrui=$(find "$vk_radice" -path "$vk_radice/.git" -prune -o ! -writable -print -quit)
    if [[ -n "$vk_altrui" ]]; then
        cat >&2 <<EOF
Not writable by $(id -un): $vk_altrui
(left by an earlier run as root?). Give the tree back with:
    sudo chown -R $(id -un): $vk_radice
EOF
        return 1
    fi
fi
return 0

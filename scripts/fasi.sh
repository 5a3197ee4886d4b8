# Sourced by the scripts that run one stage after another:
#     fase NAME COMMAND...   runs a stage and notes how it went
#     saltate NAME...        notes stages that could not run
#     riassunto              says how every stage went; exits 1 if one failed
# so that a failure says where it was instead of stopping the script silently.
vk_esiti=()
vk_stato=0
fase() {
    local nome=$1
    shift
    echo "== $nome" >&2
    if "$@"; then
        vk_esiti+=("passed   $nome")
        return 0
    fi
    vk_esiti+=("FAILED   $nome")
    vk_stato=1
    return 1
}
saltate() {
    local nome
    for nome in "$@"; do vk_esiti+=("skipped  $nome"); done
}
riassunto() {
    echo "$(basename -- "$0"):" >&2
    printf '  %s\n' "${vk_esiti[@]}" >&2
    exit "$vk_stato"
}

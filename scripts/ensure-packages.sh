# Installs those of the given Debian packages that are missing; sourced, not run
# (needs common.sh). A package of another architecture (name:i386) brings that
# architecture into dpkg's foreign ones first.
ensure_packages() {
  local missing=() package architecture
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  log "installing ${missing[*]}"
  for package in "${missing[@]}"; do
    [[ "$package" == *:* ]] || continue
    architecture="${package##*:}"
    [ "$architecture" = "$(dpkg --print-architecture)" ] && continue
    dpkg --print-foreign-architectures | grep -qx "$architecture" || as_root dpkg --add-architecture "$architecture"
  done
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

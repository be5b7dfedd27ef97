#!/usr/bin/env bash
# Signs Windows files (.exe, .dll, .msi) with the certificate and key that DRILL_SIGNING_CERT and
# DRILL_SIGNING_KEY name, both PEM files; DRILL_SIGNING_PASSWORD unlocks the key where it has a
# password. Used by scripts/windows-package.sh:
#   windows-sign.sh --check    says in one line what will sign, or stops with what is wrong with
#                              the settings (a missing file, a wrong password, a key that does not
#                              belong to the certificate)
#   windows-sign.sh FILE...    signs each file in place, with a timestamp from DRILL_SIGNING_TIMESTAMP
#                              (an RFC 3161 server; "none": without). Where that server cannot be
#                              reached, the files are signed without a timestamp and this says so.
#                              Prints the timestamp server it used, or "none".
set -euo pipefail

cert=${DRILL_SIGNING_CERT:-}
key=${DRILL_SIGNING_KEY:-}
timestamp=${DRILL_SIGNING_TIMESTAMP:-http://timestamp.digicert.com}

die() {
  echo "windows-sign: $*" >&2
  exit 1
}

# The key's password, where there is one, travels in the environment and a pipe, never in a command line.
export DRILL_SIGNING_PASSWORD=${DRILL_SIGNING_PASSWORD:-}
password_options=()
[[ -n "$DRILL_SIGNING_PASSWORD" ]] && password_options=(-readpass /dev/stdin)

check() {
  [[ -n "$cert" && -n "$key" ]] || die "set both DRILL_SIGNING_CERT and DRILL_SIGNING_KEY (PEM files), or neither"
  local tool
  for tool in osslsigncode openssl; do
    command -v "$tool" >/dev/null || die "$tool is missing (bash scripts/install-packages.sh windows)"
  done
  [[ -r "$cert" ]] || die "cannot read the certificate $cert (DRILL_SIGNING_CERT)"
  [[ -r "$key" ]] || die "cannot read the key $key (DRILL_SIGNING_KEY)"
  local certificate_key key_key
  certificate_key=$(openssl x509 -in "$cert" -noout -pubkey 2>&1) ||
    die "$cert is not a PEM certificate: $certificate_key"
  key_key=$(openssl pkey -in "$key" -pubout -passin env:DRILL_SIGNING_PASSWORD 2>&1) ||
    die "cannot open the key $key: wrong or missing DRILL_SIGNING_PASSWORD, or not a PEM key ($(head -1 <<<"$key_key"))"
  [[ "$certificate_key" == "$key_key" ]] || die "the key $key does not belong to the certificate $cert"
}

# sign FILE SECONDS [OPTION...]: signs FILE in place, giving up after SECONDS.
sign() {
  local file=$1 seconds=$2 signed=$1.signing
  shift 2
  rm -f "$signed"
  if printf '%s' "$DRILL_SIGNING_PASSWORD" | timeout "$seconds" osslsigncode sign -certs "$cert" -key "$key" "${password_options[@]}" -h sha256 "$@" \
    -in "$file" -out "$signed" >"$signed.log" 2>&1; then
    mv "$signed" "$file"
    rm -f "$signed.log"
    return 0
  fi
  last_error=$(tail -3 "$signed.log" | tr -s "\n" " ")
  rm -f "$signed" "$signed.log"
  return 1
}

if [[ "${1:-}" == --check ]]; then
  check
  echo "Signing with $(openssl x509 -in "$cert" -noout -subject -nameopt oneline,-esc_msb | sed 's/^subject= *//')"
  exit 0
fi

check
last_error=""
for file in "$@"; do
  if [[ "$timestamp" != none ]]; then
    # A server that does not answer within a minute counts as one that cannot be reached.
    sign "$file" 60 -ts "$timestamp" && continue
    sign "$file" 300 || die "cannot sign $file: $last_error"
    echo "windows-sign: signed without a timestamp: $timestamp cannot be reached ($last_error)" >&2
    timestamp=none
  else
    sign "$file" 300 || die "cannot sign $file: $last_error"
  fi
done
echo "$timestamp"

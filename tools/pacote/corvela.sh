#!/bin/sh
# Starts Corvela from its own folder, where data/ and the settings files are, wherever the
# script is called from (a link to it included).
cd "$(dirname "$(readlink -f "$0")")" || exit 1
exec ./corvela "$@"

#!/usr/bin/env bash
# CTest's emulator for the Windows test programs: wine, with the "\r" of the programs'
# text-mode output taken out, so that CTest reads GoogleTest's test lists as on Linux.
set -o pipefail
wine "$@" | tr -d '\r'

#!/bin/sh
# Runs a cross-built .exe under Wine (used by CMake and CTest as the emulator).
: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=;winemenubuilder.exe=d}"
export WINEDEBUG WINEDLLOVERRIDES
exec wine "$@"

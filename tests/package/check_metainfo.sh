#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the AppStream metadata strictly with the machine's own appstreamcli. AppStream
# before 1.0 (Debian 12) must find nothing to say. AppStream 1.x (Debian 13) must say only
# url-homepage-missing: the game has no public home yet, so the metadata names none.
#
#   check_metainfo.sh <metainfo.xml>
set -euo pipefail
metainfo=$1

version=$(appstreamcli --version | sed -n 's/.*[Vv]ersion:\{0,1\} \([0-9][0-9.]*\).*/\1/p' | head -1)
[ -n "$version" ] || { echo "FAIL: cannot tell appstreamcli's version: $(appstreamcli --version)"; exit 1; }
major=${version%%.*}
echo "appstreamcli $version"

status=0
report=$(appstreamcli validate --strict --no-net "$metainfo" 2>&1) || status=$?
echo "$report"
# One line per issue: "<severity letter>: <component>:<line>: <tag> [detail]".
tags=$(sed -n 's/^[EWI]: [^ ]*: \([a-z0-9-]*\).*/\1/p' <<<"$report" | LC_ALL=C sort -u | tr '\n' ' ')

if [ "$major" -lt 1 ]; then
  if [ "$status" -ne 0 ] || [ -n "$tags" ]; then
    echo "FAIL: appstreamcli $version does not pass the metadata (status $status; issues: ${tags:-none})"
    exit 1
  fi
else
  if ! { [ "$tags" = "url-homepage-missing " ] || { [ -z "$tags" ] && [ "$status" -eq 0 ]; }; }; then
    echo "FAIL: appstreamcli $version may find only url-homepage-missing; it found: ${tags:-nothing}"
    exit 1
  fi
  if ! grep -q '<developer id="' "$metainfo"; then
    echo "FAIL: AppStream $version reads <developer id=...>, which the metadata lacks"
    exit 1
  fi
fi
echo "PASS"

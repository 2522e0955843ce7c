# SPDX-License-Identifier: GPL-3.0-or-later
# Who ships this build, set in one place (cmake -D...; the README lists them with
# LETTERAMA_SITE_ADDRESS): the package's maintainer and the changelog's signature,
# the programs' "E-Mail all'autore" address, the home page of the package, the
# AppStream metadata and the DEP-5 copyright file, and the AppStream id that names the
# desktop entries and the metadata. The defaults are placeholders: the project has
# no public address of its own.
set(LETTERAMA_MAINTAINER "Letterama <autore@letterama.example.org>" CACHE STRING
  "Maintainer of the packages, as \"Name <address>\"; the address is also the programs' mail link")
set(LETTERAMA_HOMEPAGE "https://letterama.example.org/" CACHE STRING
  "Home page of the project (http:// or https://, ending in /)")
set(LETTERAMA_APPSTREAM_ID "org.example.letterama" CACHE STRING
  "AppStream id (reverse domain name) of the game; Gleaner's entry adds .gleaner")

if(NOT LETTERAMA_MAINTAINER MATCHES "^[^<>\"\\\\]+ <([^<>@\" ]+@[^<>@\" ]+)>$")
  message(FATAL_ERROR "LETTERAMA_MAINTAINER must read \"Name <address@host>\", not '${LETTERAMA_MAINTAINER}'")
endif()
set(LETTERAMA_MAINTAINER_MAIL ${CMAKE_MATCH_1})
if(NOT LETTERAMA_HOMEPAGE MATCHES "^https?://[^\"\\\\ ?#<>]+/$")
  message(FATAL_ERROR "LETTERAMA_HOMEPAGE must be an http:// or https:// address ending in /, "
                      "without blanks, quotes, query or fragment, not '${LETTERAMA_HOMEPAGE}'")
endif()
if(NOT LETTERAMA_APPSTREAM_ID MATCHES "^[A-Za-z][A-Za-z0-9_]*(\\.[A-Za-z0-9_]+)+$")
  message(FATAL_ERROR "LETTERAMA_APPSTREAM_ID must be a reverse domain name such as org.example.letterama, "
                      "not '${LETTERAMA_APPSTREAM_ID}'")
endif()

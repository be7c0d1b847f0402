# SPDX-License-Identifier: MIT
# Reads CHANGELOG.md and writes, by the variable mode:
#   mode=newest     the newest version
#   mode=debian     the changelog of the Debian package (deb-changelog(5));
#                   needs package= and maintainer=
#   mode=appstream  the <release> elements of the AppStream data
# A line of CHANGELOG.md that is none of its forms ends the run with an error
# that names the line, so that a slip shows at configure time.
#
#   awk -v mode=debian -v package=ratedload -v maintainer='Name <address>' -f changelog.awk CHANGELOG.md

function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
    exit 1
}

function flush_item() {
    if (item != "") {
        items[releases, ++count[releases]] = item
        kinds[releases, count[releases]] = "item"
    }
    item = ""
}

# Day of the week of a date, "Mon" to "Sun" (Zeller's congruence).
function weekday(y, m, d,    k, j, h) {
    if (m < 3) { m += 12; y -= 1 }
    k = y % 100
    j = int(y / 100)
    h = (d + int(13 * (m + 1) / 5) + k + int(k / 4) + int(j / 4) + 5 * j) % 7
    return substr("SatSunMonTueWedThuFri", h * 3 + 1, 3)
}

function month_name(m) {
    return substr("JanFebMarAprMayJunJulAugSepOctNovDec", m * 3 - 2, 3)
}

# Markdown code spans read as plain text outside Markdown.
function plain(text) {
    gsub(/`/, "", text)
    return text
}

function xml(text) {
    text = plain(text)
    gsub(/&/, "\\&amp;", text)
    gsub(/</, "\\&lt;", text)
    gsub(/>/, "\\&gt;", text)
    return text
}

# Prints text in lines of at most 80 characters: the first after first, the
# others after rest.
function wrap(text, first, rest,    words, n, i, line) {
    n = split(plain(text), words, " ")
    line = first
    for (i = 1; i <= n; i++) {
        if (line != first && line != rest && length(line) + 1 + length(words[i]) > 80) {
            print line
            line = rest
        }
        line = (line == first || line == rest) ? line words[i] : line " " words[i]
    }
    print line
}

BEGIN {
    releases = 0
    heading = "^## \\[[0-9]+\\.[0-9]+\\.[0-9]+\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]( [0-9][0-9]:[0-9][0-9] UTC)?$"
}

/^## / {
    if ($0 !~ heading)
        fail("a release is written '## [1.2.3] - YYYY-MM-DD' or '## [1.2.3] - YYYY-MM-DD HH:MM UTC'")
    flush_item()
    releases++
    version[releases] = substr($2, 2, length($2) - 2)
    date[releases] = $4
    clock[releases] = (NF >= 5) ? $5 ":00" : "12:00:00"
    stamp = date[releases] " " clock[releases]
    if (releases > 1 && stamp >= previous_stamp)
        fail("release " version[releases] " is not older than the one above it")
    previous_stamp = stamp
    next
}

/^### / {
    if (releases == 0)
        fail("a group before the first release")
    flush_item()
    items[releases, ++count[releases]] = substr($0, 5)
    kinds[releases, count[releases]] = "group"
    next
}

/^- / {
    if (releases == 0)
        next
    flush_item()
    item = substr($0, 3)
    next
}

/^  +[^ ]/ {
    if (releases == 0)
        next
    if (item == "")
        fail("an indented line outside an item")
    line = $0
    sub(/^ +/, "", line)
    item = item " " line
    next
}

/^$/ {
    flush_item()
    next
}

{
    if (releases > 0)
        fail("not a release heading, a group '### ...', an item '- ...' or its continuation")
}

END {
    if (failed)
        exit 1
    flush_item()
    if (releases == 0) {
        print FILENAME ": no release" > "/dev/stderr"
        exit 1
    }
    if (mode == "newest") {
        print version[1]
    } else if (mode == "debian") {
        for (r = 1; r <= releases; r++) {
            if (count[r] == 0) {
                print FILENAME ": release " version[r] " lists no change" > "/dev/stderr"
                exit 1
            }
            printf "%s (%s) unstable; urgency=medium\n\n", package, version[r]
            for (i = 1; i <= count[r]; i++) {
                if (kinds[r, i] == "group")
                    print "  * " items[r, i] ":"
                else
                    wrap(items[r, i], "    - ", "      ")
            }
            split(date[r], ymd, "-")
            printf "\n -- %s  %s, %02d %s %d %s +0000\n", maintainer,
                weekday(ymd[1] + 0, ymd[2] + 0, ymd[3] + 0), ymd[3] + 0,
                month_name(ymd[2] + 0), ymd[1] + 0, clock[r]
            if (r < releases)
                print ""
        }
    } else if (mode == "appstream") {
        for (r = 1; r <= releases; r++) {
            printf "    <release version=\"%s\" date=\"%s\">\n", version[r], date[r]
            print "      <description>"
            open = 0
            for (i = 1; i <= count[r]; i++) {
                if (kinds[r, i] == "group") {
                    if (open)
                        print "        </ul>"
                    print "        <p>" xml(items[r, i]) ":</p>"
                    print "        <ul>"
                    open = 1
                } else {
                    if (!open) {
                        print "        <ul>"
                        open = 1
                    }
                    print "          <li>" xml(items[r, i]) "</li>"
                }
            }
            if (open)
                print "        </ul>"
            print "      </description>"
            print "    </release>"
        }
    } else {
        print "changelog.awk: mode is newest, debian or appstream" > "/dev/stderr"
        exit 1
    }
}

# SPDX-License-Identifier: MIT
# Writes the help of ratedload-cli (CLI11's layout) as roff, for the manual
# page that ratedload-cli-man.sh puts together:
#
#   mode=top      the program's own --help: DESCRIPTION, OPTIONS, EXAMPLES and
#                 the other sections, and EXIT STATUS
#   mode=command  one command's --help, as a subsection of COMMANDS; name= is
#                 the command, and lines that are also in the file skip= (the
#                 program's own help) are left out
#   mode=synopsis the usage line
#
# The help's layout: a description line, "Usage: ...", sections headed
# "Name:", entries "  TAG   description" (a long tag on a line of its own,
# the description below it, indented), example lines "  text", and
# paragraphs at the left margin.

# Roff text: backslashes and hyphens escaped, no control character at the
# start of a line.
function esc(text,    out, i, c) {
    out = ""
    for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "\\")
            out = out "\\e"
        else if (c == "-")
            out = out "\\-"
        else
            out = out c
    }
    if (out ~ /^[.']/)
        out = "\\&" out
    return out
}

# An option's tag: "-h,--help", "--type TYPE", "--format FORMAT:{text,csv}",
# "--metric Excludes: --imperial": options bold, value names italic.
function tag(text,    words, n, i, w, out, names, k, j, head) {
    n = split(text, words, " ")
    out = ""
    for (i = 1; i <= n; i++) {
        w = words[i]
        if (w ~ /^-/) {
            k = split(w, names, ",")
            w = ""
            for (j = 1; j <= k; j++)
                w = w (j > 1 ? ", " : "") "\\fB" esc(names[j]) "\\fR"
        } else if (match(w, /^[A-Z][A-Z_]*/) && w !~ /:$/) {
            head = substr(w, 1, RLENGTH)
            w = "\\fI" head "\\fR" esc(substr(w, RLENGTH + 1))
        } else {
            w = esc(w)
        }
        out = out (i > 1 ? " " : "") w
    }
    return out
}

function end_block() {
    if (in_example)
        print ".fi\n.RE"
    in_example = 0
}

function flush_entry() {
    if (entry_tag != "") {
        print ".TP"
        print tag(entry_tag)
        if (entry_text != "")
            print esc(entry_text)
    }
    entry_tag = ""
    entry_text = ""
}

BEGIN {
    if (skip != "") {
        while ((getline line < skip) > 0)
            skipped[line] = 1
        close(skip)
    }
    line_number = 0
    section = ""
}

{
    line_number++
}

line_number == 1 {
    description = $0
    if (mode == "command") {
        print ".SS \"" esc(name) "\""
        print esc(description)
    } else if (mode == "top") {
        print ".SH DESCRIPTION"
        print esc(description)
    }
    next
}

/^Usage: / {
    usage = substr($0, 8)
    if (mode == "synopsis") {
        n = split(usage, words, " ")
        program = ""
        for (i = 1; i <= n && words[i] !~ /^\[/; i++)
            program = program (program == "" ? "" : " ") words[i]
        print ".B " esc(program)
        rest = ""
        for (; i <= n; i++) {
            w = words[i]
            gsub(/^\[|\]$/, "", w)
            rest = rest (rest == "" ? "" : " ") "[\\fI" esc(w) "\\fR]"
        }
        if (rest != "")
            print rest
    } else if (mode == "command") {
        print ".PP"
        print "Usage: \\fB" esc(usage) "\\fR"
    }
    next
}

mode == "synopsis" {
    next
}

/^[A-Z][^ :]*( [^ :]+)*:$/ {
    flush_entry()
    end_block()
    section = substr($0, 1, length($0) - 1)
    if (mode == "top" && section == "Commands") {
        # Each command has a subsection here, made from its own help.
        print ".SH COMMANDS"
        print ".\\\" @COMMANDS@"
        next
    }
    if (mode == "top")
        print ".SH \"" esc(toupper(section)) "\""
    else
        print ".PP\n\\fB" esc(section) ":\\fR"
    next
}

/^$/ {
    flush_entry()
    end_block()
    next
}

# A description under a long tag, or a description's next line.
/^          +[^ ]/ && entry_tag != "" {
    text = $0
    sub(/^ +/, "", text)
    entry_text = entry_text (entry_text == "" ? "" : " ") text
    next
}

/^  [^ ]/ {
    if (mode == "top" && section == "Commands")
        next
    text = substr($0, 3)
    if (section == "Examples") {
        if (!in_example)
            print ".RS\n.nf"
        in_example = 1
        print esc(text)
        next
    }
    flush_entry()
    if (match(text, /   */)) {
        entry_tag = substr(text, 1, RSTART - 1)
        entry_text = substr(text, RSTART + RLENGTH)
    } else {
        entry_tag = text
    }
    next
}

{
    flush_entry()
    end_block()
    if (mode == "command" && ($0 in skipped))
        next
    if (mode == "top" && $0 ~ /^Exit status: /) {
        print ".SH \"EXIT STATUS\""
        print esc(substr($0, 14))
        next
    }
    print ".PP"
    print esc($0)
}

END {
    flush_entry()
    end_block()
}

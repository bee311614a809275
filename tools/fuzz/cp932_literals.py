#!/usr/bin/env python3
"""Copies the project's sources into a directory of its own, with every
string and character literal that holds a non-ASCII character rewritten as
CP932 octal escapes: "ﾀ" becomes "\\300". The copy then compiles to the same
bytes without -fexec-charset=CP932, which is what a compiler that only knows
UTF-8 as execution character set (clang) needs.

    cp932_literals.py SOURCE_DIR TARGET_DIR

Only tracked files (git ls-files) are copied; .cpp and .hpp files are
rewritten, the others copied as they are. Unchanged files keep their time
stamps, so that a build of the copy stays incremental.
"""
import os
import subprocess
import sys


def encode(text):
    try:
        return text.encode("cp932")
    except UnicodeEncodeError:
        # The C library's converter knows a few more forms (wave dash and
        # the like) than Python's table.
        return subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=text.encode("utf-8"),
                              capture_output=True, check=True).stdout


def escape_literal(body):
    """The inside of one literal, with its non-ASCII characters escaped."""
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            out.append(body[i:i + 2])
            i += 2
            continue
        if ord(c) < 0x80:
            out.append(c)
        else:
            out.append("".join("\\%03o" % b for b in encode(c)))
        i += 1
    return "".join(out)


def convert(source):
    out = []
    i = 0
    n = len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif c == "R" and source.startswith('R"', i) and (i == 0 or not (source[i - 1].isalnum() or source[i - 1] == "_")):
            # Raw strings: copied as they are (the project has none with
            # non-ASCII text; refuse rather than guess).
            open_paren = source.find("(", i)
            delimiter = source[i + 2:open_paren]
            end = source.find(")" + delimiter + '"', open_paren) + len(delimiter) + 2
            raw = source[i:end]
            if any(ord(ch) >= 0x80 for ch in raw):
                raise SystemExit("raw string literal with non-ASCII text")
            out.append(raw)
            i = end
        elif c == '"' or (c == "'" and not (i > 0 and (source[i - 1].isalnum() or source[i - 1] == "_"))):
            # A literal (a ' after a digit or letter is a digit separator).
            j = i + 1
            while j < n and source[j] != c:
                j += 2 if source[j] == "\\" else 1
            prefix_start = i
            while prefix_start > 0 and (source[prefix_start - 1].isalnum() or source[prefix_start - 1] == "_"):
                prefix_start -= 1
            prefix = source[prefix_start:i]
            body = source[i + 1:j]
            if prefix and any(ord(ch) >= 0x80 for ch in body):
                raise SystemExit("prefixed literal %s%s with non-ASCII text" % (prefix, c))
            out.append(c + escape_literal(body) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    source_dir, target_dir = sys.argv[1], sys.argv[2]
    files = subprocess.run(["git", "-C", source_dir, "ls-files", "--cached", "--others", "--exclude-standard"],
                           capture_output=True, check=True, text=True).stdout.split()
    for name in files:
        src = os.path.join(source_dir, name)
        if not os.path.isfile(src):
            continue
        dst = os.path.join(target_dir, name)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(src, "rb") as f:
            data = f.read()
        if name.endswith((".cpp", ".hpp")):
            data = convert(data.decode("utf-8")).encode("utf-8")
        if os.path.exists(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        with open(dst, "wb") as f:
            f.write(data)
    with open(os.path.join(target_dir, ".cp932-literals"), "w") as f:
        f.write("string literals hold CP932 escapes\n")


if __name__ == "__main__":
    main()

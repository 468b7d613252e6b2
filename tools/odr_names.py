#!/usr/bin/env python3
"""Finds classes, structs, unions and enumerations that two source files define
under the same name in the same namespace.

Two such definitions are one type to the linker: whichever one a function was
compiled against, the other's objects have the wrong size and layout, and the
program breaks far from either definition (a One Definition Rule clash). A
link-time-optimised build reports them too, but takes a whole build; this
reads the sources in about a second.

Types in an anonymous namespace, inside functions and inside classes, and
template specialisations are not counted.

Usage: odr_names.py FOLDER...   (exit status 1 and one line per clash when any)
"""

import re
import sys
from collections import defaultdict
from pathlib import Path

SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}

# Comments, string and character literals (raw strings with a delimiter included).
LITERAL = re.compile(
    r'//[^\n]*|/\*.*?\*/|R"([^(\s]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
PREPROCESSOR = re.compile(r"^[ \t]*#(?:[^\n]*\\\n)*[^\n]*", re.M)
TOKEN = re.compile(r"[A-Za-z_]\w*|::|[{};<>()=,:]")
KEYS = {"class", "struct", "union", "enum"}


def strip(text):
    text = LITERAL.sub(lambda m: " " if m.group(0).startswith(("/", "R")) else '""', text)
    return PREPROCESSOR.sub("", text)


def definitions(text):
    """Yields (qualified name) for every type defined at namespace scope."""
    tokens = TOKEN.findall(strip(text))
    scopes = []  # for each open brace: the namespace name, "" for anonymous, None for anything else
    pending = None  # what the next "{" opens
    i = 0
    while i < len(tokens):
        t = tokens[i]
        at_namespace_scope = all(s is not None for s in scopes)
        if t == "namespace":
            j, parts = i + 1, []
            while j < len(tokens) and tokens[j] not in ("{", ";", "="):
                if tokens[j] != "::":
                    parts.append(tokens[j])
                j += 1
            if j < len(tokens) and tokens[j] == "{":
                pending = ("namespace", "::".join(parts))
                i = j
                continue
            i = j + 1
            continue
        if t in KEYS and at_namespace_scope and (i == 0 or tokens[i - 1] not in ("<", ",", "(", "enum")):
            j = i + 1
            if t == "enum" and j < len(tokens) and tokens[j] in ("class", "struct"):
                j += 1
            name = tokens[j] if j < len(tokens) and re.match(r"[A-Za-z_]", tokens[j]) else None
            while name and j + 2 < len(tokens) and tokens[j + 1] == "::":  # a member defined outside its class
                j += 2
                name += "::" + tokens[j]
            # Skip to what decides: "{" defines, ";" declares, "(" or "=" is a use of the type.
            k, specialised = j + 1, False
            if k < len(tokens) and tokens[k] == "<":
                specialised = True
            while k < len(tokens) and tokens[k] not in ("{", ";", "(", "=", ")"):
                k += 1
            if name and k < len(tokens) and tokens[k] == "{" and not specialised:
                yield "::".join([s for s in scopes if s] + [name]), not any(s == "" for s in scopes)
            if k < len(tokens) and tokens[k] == "{":
                pending = ("other", None)
                i = k
                continue
            i = k
            continue
        if t == "{":
            scopes.append(pending[1] if pending and pending[0] == "namespace" else None)
            pending = None
        elif t == "}":
            if scopes:
                scopes.pop()
        elif t == ";":
            pending = None
        i += 1


def main(folders):
    where = defaultdict(set)
    for folder in folders:
        for path in sorted(Path(folder).rglob("*")):
            if path.suffix in SUFFIXES and path.is_file():
                for name, shared in definitions(path.read_text(encoding="utf-8", errors="replace")):
                    if shared:
                        where[name].add(str(path))
    clashes = {n: files for n, files in where.items() if len(files) > 1}
    for name in sorted(clashes):
        print(f"{name} is defined in more than one file: {', '.join(sorted(clashes[name]))}")
    return 1 if clashes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:] or ["."]))

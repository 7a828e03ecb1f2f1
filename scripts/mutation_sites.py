"""Random mutants for scripts/mutants: where single-line faults can go in
the C++ code, a seeded choice among them, and the list of sites judged
equivalent or cosmetic (tests/mutants-judged.txt).

Kinds of change, each applied to one site of one line:
    comparison  < <= > >= == != becomes <= < >= > != ==
    constant    an integer literal one more (or, when above zero, one less)
    bool        true and false swapped
    call        a call statement dropped (it may run over several lines)
    logic       && and || swapped
    not         a ! dropped

Candidate lines are the lines of the production C++ code this build
compiles (sources in compile_commands.json and the headers they include,
outside tests/ and bench/), minus preprocessor lines, lines in #if branches
this build leaves out, and lines that only log or set colours or object
names. Strings and comments are never changed.
"""

import hashlib
import json
import os
import re
import shlex
import subprocess
from dataclasses import dataclass
from pathlib import Path

KINDS = ("comparison", "constant", "bool", "call", "logic", "not")
CPP_SUFFIXES = (".cpp", ".cc", ".cxx", ".h", ".hpp")
SKIPPED_FOLDERS = ("tests/", "bench/")

# Lines that log, or set colours or object names: changing them changes what
# is drawn or what a debugger shows, not what the program does.
SKIPPED_LINE = re.compile(
    r"\bq(?:C)?(?:Debug|Info|Warning|Critical|Fatal)\b|setObjectName|\bQColor\b|\bsetColor\b"
    r"|\bQPalette\b|\bsetPalette\b|FromColorRef"
    r"|\bQt::(?:black|white|red|green|blue|cyan|magenta|yellow|gray|darkGray|lightGray"
    r"|transparent|dark\w+)\b")

# The first lines of a file some tool wrote (moc, uic, a generator script).
GENERATED = re.compile(r"generated|created by|do not edit|changes made in this file will be lost",
                       re.I)

KEYWORDS = {"if", "for", "while", "switch", "catch", "return", "sizeof", "alignof", "decltype",
            "static_assert", "new", "delete", "throw", "case", "default", "do", "else", "using",
            "typedef", "template", "typename", "operator", "co_return", "co_await", "co_yield",
            "noexcept", "requires", "alignas", "explicit", "static_cast", "dynamic_cast",
            "const_cast", "reinterpret_cast"}


@dataclass
class Site:
    kind: str
    line: int  # 1-based
    column: int  # 0-based, in that line
    find: str  # the original text (may span lines for a dropped call)
    replace: str


# --- reading C++ -----------------------------------------------------------

def mask_code(lines):
    """Per line, the code with comments and the contents of string and
    character literals blanked (quotes kept), so that columns still match."""
    masked, in_comment = [], False
    for line in lines:
        chars, i, n = list(line), 0, len(line)
        while i < n:
            if in_comment:
                end = line.find("*/", i)
                stop = n if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                in_comment, i = end < 0, stop
            elif line.startswith("//", i):
                chars[i:] = " " * (n - i)
                break
            elif line.startswith("/*", i):
                chars[i:i + 2] = "  "
                in_comment, i = True, i + 2
            elif line[i] == '"' or (line[i] == "'" and not re.search(r"(?<![\w])\d[\w']*$", line[:i])):
                quote, j = line[i], i + 1
                while j < n and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                j = min(j, n)
                chars[i + 1:j] = " " * (j - i - 1)
                i = j + 1
            else:
                i += 1
        masked.append("".join(chars))
    return masked


def preprocessor_lines(masked):
    """Indexes of preprocessor lines and their continuations."""
    found, continued = set(), False
    for index, code in enumerate(masked):
        if continued or code.lstrip().startswith("#"):
            found.add(index)
            continued = code.rstrip().endswith("\\")
    return found


def conditional_lines(masked):
    """Indexes of the lines inside #if/#ifdef/#ifndef blocks, except a
    header's include guard."""
    directives = []
    for index, code in enumerate(masked):
        m = re.match(r"\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b", code)
        if m:
            directives.append((index, m.group(1)))
    guard = None
    if directives and directives[0][1] == "ifndef" and directives[-1][1] == "endif":
        name = masked[directives[0][0]].split()[-1]
        following = masked[directives[0][0] + 1].split() if directives[0][0] + 1 < len(masked) else []
        if following[:2] == ["#define", name]:
            guard = (directives[0][0], directives[-1][0])
    inside, depth, start = set(), 0, 0
    for index, word in directives:
        if guard and index in guard:
            continue
        if word.startswith("if"):
            if depth == 0:
                start = index
            depth += 1
        elif word == "endif" and depth > 0:
            depth -= 1
            if depth == 0:
                inside.update(range(start, index + 1))
    return inside


def preprocessed_lines(command, directory, target):
    """1-based numbers of the lines of target that the compile command keeps
    after preprocessing (the lines of the #if branches this build takes)."""
    args = shlex.split(command)
    if Path(args[0]).name == "ccache":
        args = args[1:]
    kept, skip = [], False
    for arg in args:
        if skip:
            skip = False
        elif arg in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif arg not in ("-c", "-MD", "-MMD"):
            kept.append(arg)
    result = subprocess.run(kept + ["-E"], cwd=directory, capture_output=True, text=True,
                            errors="replace")
    if result.returncode != 0:
        return None
    active, current, number = set(), None, 0
    target = os.path.normpath(os.path.join(directory, target))
    for text in result.stdout.split("\n"):
        marker = re.match(r'# (\d+) "(.*)"', text)
        if marker:
            number, current = int(marker.group(1)), marker.group(2)
            current = os.path.normpath(os.path.join(directory, current))
            continue
        if current == target and text.strip():
            active.add(number)
        number += 1
    return active


# --- sites -----------------------------------------------------------------

COMPARISONS = {"==": "!=", "!=": "==", "<=": "<", ">=": ">", "<": "<=", ">": ">="}


def sites_on_line(code, number):
    """The sites of every kind but "call" on one line (code is its masked text)."""
    found = []
    for m in re.finditer(r"(?<![<>=!])(==|!=|<=|>=)(?![=>])|(?<=\s)([<>])(?=\s|$)", code):
        if re.search(r"\boperator\s*$", code[:m.start()]):
            continue
        found.append(Site("comparison", number, m.start(), m.group(0), COMPARISONS[m.group(0)]))
    for m in re.finditer(r"(?<![\w.'])(0[xX][0-9a-fA-F']+|\d[\d']*)([uUlL]*)(?![\w.'])", code):
        digits = m.group(1).replace("'", "")
        if re.search(r"(\)|\bconst|\boverride)\s*=\s*$", code[:m.start()]) and digits == "0":
            continue  # "= 0": a pure virtual function
        found.append(Site("constant", number, m.start(), m.group(0), ""))  # value chosen later
    for m in re.finditer(r"\b(true|false)\b", code):
        found.append(Site("bool", number, m.start(), m.group(1),
                          "false" if m.group(1) == "true" else "true"))
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s|$)", code):
        found.append(Site("logic", number, m.start(), m.group(1),
                          "||" if m.group(1) == "&&" else "&&"))
    for m in re.finditer(r"!(?!=)", code):
        if re.search(r"\boperator\s*$", code[:m.start()]):
            continue
        found.append(Site("not", number, m.start(), "!", ""))
    return found


def _match(text, pos, opening, closing):
    """The index after the bracket that closes text[pos], or None."""
    depth = 0
    for i in range(pos, len(text)):
        if text[i] == opening:
            depth += 1
        elif text[i] == closing:
            depth -= 1
            if depth == 0:
                return i + 1
    return None


def call_statement(masked, index, header):
    """(column, end index, end column) of a call statement that starts on
    line index, such as "model_.Clear();" or "emit changed(row);", which may
    run over several lines; None when the line starts none."""
    code = masked[index]
    column = len(code) - len(code.lstrip())
    text = "\n".join(masked[index:index + 15])[column:]
    pos = 0
    if text.startswith("emit "):
        pos = 5
    first = re.match(r"[A-Za-z_]\w*", text[pos:])
    if not first or first.group(0) in KEYWORDS or re.fullmatch(r"[A-Z][A-Z0-9_]+", first.group(0)):
        return None
    pos += first.end()
    last_name, last_call, args = first.group(0), False, ""
    while pos < len(text):
        rest = text[pos:]
        chain = re.match(r"\s*(::|\.|->)([A-Za-z_]\w*)", rest) if not rest.startswith("::") \
            else re.match(r"(::)([A-Za-z_]\w*)", rest)
        if chain:
            pos += chain.end()
            last_name, last_call = chain.group(2), False
            continue
        if rest[0] == "<" and not last_call:
            template = re.match(r"<[\w:*&, <>]*>(?=\(|::)", rest)
            if not template:
                return None
            pos += template.end()
            continue
        if rest[0] in "([":
            end = _match(text, pos, rest[0], ")" if rest[0] == "(" else "]")
            if end is None:
                return None
            if rest[0] == "(":
                args = text[pos + 1:end - 1]
            last_call, pos = rest[0] == "(", end
            continue
        if rest[0] == ";" and last_call:
            break
        return None
    else:
        return None
    if last_name in KEYWORDS or last_name.endswith("_cast"):
        return None
    if header and (not args.strip() or re.search(r"\w[\w:<>]*[*&]*\s+[*&]*\w+\s*(=|,|$)", args)):
        return None  # in a class, "Name(Type name);" declares rather than calls
    # The statement must not continue an expression begun on an earlier line.
    for before in range(index - 1, -1, -1):
        previous = masked[before].strip()
        if not previous or previous.startswith("#"):
            continue
        if not (previous[-1] in ";{})" or (previous.endswith(":") and not previous.endswith("::"))
                or re.search(r"\b(else|do)$", previous)):
            return None
        break
    consumed = text[:pos + 1]
    end_index = index + consumed.count("\n")
    end_column = (len(consumed) - consumed.rfind("\n") - 1) if "\n" in consumed else column + len(consumed)
    return column, end_index, end_column


def file_sites(lines, header, active=None):
    """The sites of every kind in a file, per line number (1-based); lines
    outside `active` (when given) and skipped lines have none."""
    masked = mask_code(lines)
    skipped = preprocessor_lines(masked)
    by_line = {}
    for index, (code, text) in enumerate(zip(masked, lines)):
        number = index + 1
        if index in skipped or (active is not None and number not in active):
            continue
        if not code.strip() or SKIPPED_LINE.search(text):
            continue
        sites = sites_on_line(code, number)
        call = call_statement(masked, index, header)
        if call:
            column, end_index, end_column = call
            if all(not SKIPPED_LINE.search(lines[i]) for i in range(index, end_index + 1)):
                find = "\n".join(lines[index:end_index + 1])
                find = find[column:len(find) - len(lines[end_index]) + end_column]
                sites.append(Site("call", number, column, find, ";" + "\n" * find.count("\n")))
        if sites:
            by_line[number] = sites
    return by_line


# --- what this build compiles ----------------------------------------------

def compiled_files(build, src):
    """The C++ files of src that the build in `build` compiles, sources and
    the headers they include: {relative path: (compile command, its
    folder)}; for a header, the command of a source that includes it."""
    src, build = os.path.realpath(src), os.path.realpath(build)

    def absolute(folder, path):
        return os.path.normpath(os.path.join(folder, path))

    commands, by_output = {}, {}
    for entry in json.loads(Path(build, "compile_commands.json").read_text()):
        command = (entry["command"], entry["directory"])
        args = shlex.split(entry["command"])
        if "-o" in args:
            by_output[absolute(entry["directory"], args[args.index("-o") + 1])] = command
        commands[absolute(entry["directory"], entry["file"])] = command
    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True,
                          text=True, check=True).stdout
    current = None
    for text in deps.split("\n"):
        if text and not text[0].isspace():
            current = by_output.get(absolute(build, text.split(":")[0]))
        elif text.strip() and current:
            commands.setdefault(absolute(build, text.strip()), current)
    found = {}
    for path, command in commands.items():
        if not path.startswith(src + os.sep) or path.startswith(build + os.sep):
            continue  # a system header, or made by the build
        relative = os.path.relpath(path, src).replace(os.sep, "/")
        if not relative.endswith(CPP_SUFFIXES):
            continue
        with open(path, encoding="utf-8", errors="replace") as head:
            if GENERATED.search("".join(head.readline() for _ in range(8))):
                continue
        found[relative] = command
    return found


def candidate_lines(src, files):
    """[(relative path, line number, line text, sites)] over every candidate
    line of the files ({relative path: (command, folder)}), in a fixed order."""
    candidates = []
    for relative in sorted(files):
        path = src / relative
        lines = path.read_text(encoding="utf-8").split("\n")
        masked = mask_code(lines)
        active = None
        conditional = conditional_lines(masked)
        if conditional:
            command, directory = files[relative]
            kept = preprocessed_lines(command, directory, path)
            if kept is not None:
                active = {n for n in range(1, len(lines) + 1) if n - 1 not in conditional or n in kept}
        for number, sites in file_sites(lines, relative.endswith((".h", ".hpp")), active).items():
            candidates.append((relative, number, lines[number - 1], sites))
    return candidates


def _draw(*parts):
    """A number from the parts, the same on every machine and Python."""
    return int.from_bytes(hashlib.sha256("\0".join(map(str, parts)).encode()).digest()[:8], "big")


def choose(candidates, count, seed):
    """count (file, Site) picked at random by seed: lines uniformly among the
    candidate lines, then a kind among those the line offers, then a site of
    that kind. A line is keyed by its file, its text and which of the equal
    lines of that file it is, so edits elsewhere leave the choice alone."""
    keyed, seen = [], {}
    for relative, number, text, sites in candidates:
        occurrence = seen.get((relative, text.strip()), 0)
        seen[(relative, text.strip())] = occurrence + 1
        key = (seed, relative, text.strip(), occurrence)
        keyed.append((_draw(*key), key, relative, sites))
    keyed.sort()
    chosen = []
    for _, key, relative, sites in keyed[:count]:
        kinds = sorted({s.kind for s in sites}, key=KINDS.index)
        kind = kinds[_draw(*key, "kind") % len(kinds)]
        of_kind = [s for s in sites if s.kind == kind]
        site = of_kind[_draw(*key, "site") % len(of_kind)]
        if kind == "constant":
            site = Site(**vars(site))
            site.replace = off_by_one(site.find, _draw(*key, "sign") % 2 == 0)
        chosen.append((relative, site))
    return chosen


def off_by_one(literal, up):
    m = re.fullmatch(r"(0[xX])?([0-9a-fA-F']+)([uUlL]*)", literal)
    prefix, digits, suffix = m.group(1) or "", m.group(2).replace("'", ""), m.group(3)
    value = int(digits, 16 if prefix else 8 if len(digits) > 1 and digits[0] == "0" else 10)
    value = value + 1 if up or value == 0 else value - 1
    if prefix:
        text = format(value, "0%d%s" % (len(digits), "X" if digits.upper() == digits else "x"))
    elif len(digits) > 1 and digits[0] == "0":
        text = "0" + format(value, "o")
    else:
        text = str(value)
    return prefix + text + suffix


# --- the judged list -------------------------------------------------------

@dataclass
class Judged:
    file: str
    text: str
    kind: str
    change: str  # "" or "FIND -> REPLACE": only that change of the kind
    reason: str
    source_line: int
    after: str = ""  # "" or the text of the line above: only the line that follows it
    at: int = 0  # 0, or N: only the Nth site of the kind on the line, from the left

    def covers(self, kind, find, replace, rank=0):
        return kind == self.kind and (not self.change or self.change == f"{find} -> {replace}") \
            and (not self.at or self.at == rank)

    def matches(self, lines, number):
        """True when line number (from 1) of lines is the entry's line."""
        return lines[number - 1].strip() == self.text and \
            (not self.after or self.after == line_above(lines, number))


def line_above(lines, number):
    """The nearest line above line number that is not blank, stripped."""
    return next((line.strip() for line in reversed(lines[:number - 1]) if line.strip()), "")


def parse_judged(path, parse_blocks):
    judged = []
    keys = {"file", "text", "after", "kind", "change", "at", "reason"}
    for block, start in parse_blocks(path, keys, keys - {"change", "after", "at"}):
        if block["kind"] not in KINDS:
            raise SystemExit(f"{path}:{start}: kind must be one of {', '.join(KINDS)}")
        if not block["reason"].strip():
            raise SystemExit(f"{path}:{start}: a judgement needs its reason")
        if not block.get("at", "1").strip().isdigit() or block.get("at", "1").strip() == "0":
            raise SystemExit(f"{path}:{start}: at is the site's place on the line: 1, 2, ...")
        judged.append(Judged(block["file"], block["text"].strip(), block["kind"],
                             block.get("change", "").strip(), block["reason"].strip(), start,
                             block.get("after", "").strip(), int(block.get("at", "0").strip())))
    return judged


def rank_on_line(sites, site):
    """1 for the leftmost site of the site's kind on its line, 2 for the next, ..."""
    return 1 + sum(s.kind == site.kind and s.column < site.column for s in sites)


def judgement_for(judged, relative, lines, site):
    for entry in judged:
        if entry.file == relative and entry.matches(lines, site.line):
            rank = 0
            if entry.at:
                found = file_sites(lines, relative.endswith((".h", ".hpp"))).get(site.line, [])
                rank = rank_on_line(found, site)
            if entry.covers(site.kind, site.find, site.replace, rank):
                return entry
    return None


def possible_changes(site):
    """(find, replace) of every change the site can get."""
    if site.kind == "constant":
        return [(site.find, off_by_one(site.find, up)) for up in (True, False)]
    return [(site.find, site.replace)]


def unmatched_judgements(judged, src):
    """The judged entries whose file holds no line with that text offering
    that kind of change."""
    unmatched = []
    for entry in judged:
        path = src / entry.file
        if not path.is_file():
            unmatched.append(entry)
            continue
        lines = path.read_text(encoding="utf-8").split("\n")
        sites = file_sites(lines, entry.file.endswith((".h", ".hpp")))
        if not any(entry.matches(lines, number) and
                   any(entry.covers(s.kind, *change, rank_on_line(found, s))
                       for s in found for change in possible_changes(s))
                   for number, found in sites.items()):
            unmatched.append(entry)
    return unmatched

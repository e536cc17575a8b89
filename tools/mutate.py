#!/usr/bin/env python3
"""Mutation testing of BRELIKO's C++ code: changes one line the way a slip of
the hand would and tells whether any test notices.

    tools/mutate.py                      the lines changed since HEAD~1
    tools/mutate.py --base main          the lines changed since main
    tools/mutate.py --files src/a.cpp    every line of the files named
    tools/mutate.py --budget 20          at most 20 minutes, mutants spread over the files
    tools/mutate.py --list               the mutants only, nothing built

Each mutant is written into a copy of the tree (BUILD/source, never the
working tree), built incrementally in BUILD/build (only the programs its
tests run, where ctest and ninja tell them) and tested with the CTest
label of its folder: src/game/... runs the tests labelled "game" (--labels
REGEX overrides this), never the soak. One line per mutant:

    src/game/board.cpp:42:17  "<" -> "<="  KILLED (by Board.Edges)

and last the score, killed / (killed + survived), and the survivors. A
mutant listed in the tree's tools/mutate_equivalents.txt, reviewed as one no
player, file or sound can tell from the program, is not built: its line says
EQUIVALENT, and the score leaves it out. An entry names the mutated line,
the line before it and the mutant, so a line that changes is tried again.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

CPP_SUFFIXES = (".cpp", ".h")

# Operators whose mutant is another operator; clang-format puts spaces around
# binary operators, which tells a comparison from a template's brackets and
# a logical and from an rvalue reference.
SWAPPED_OPERATORS = {
    "<": "<=",
    "<=": "<",
    ">": ">=",
    ">=": ">",
    "==": "!=",
    "!=": "==",
    "&&": "||",
    "||": "&&",
}
OPERATOR = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>|&&|\|\|)(?=\s)")
BOOLEAN = re.compile(r"\b(true|false)\b")
# A number right after "<" or right before ">" is a template's argument
# (std::array<int, 9>), where a mutant means a type of another size.
INTEGER = re.compile(r"(?<![\w.'<])(\d+)([uUlL]*)(?![\w.'>])")
INDEX = re.compile(r"(?<=[\w\])])\[([A-Za-z_]\w*(?:(?:\.|->|::)[A-Za-z_]\w*)*)\]")
CONDITION = re.compile(r"\b(if|while)\s*\(")
CALL_START = re.compile(
    r"^(?:emit\s+)?(?:[A-Za-z_]\w*(?:\(\))?(?:\.|->|::))*([A-Za-z_]\w*)\(")
NOT_CALLS = {"return", "if", "while", "for", "switch", "sizeof", "static_assert",
             "decltype", "throw", "delete", "case"}
GUARDED_RETURN = re.compile(r"^if\s*\(.*\)\s*return\b.*;$")
# Lines where a mutant cannot compile or means nothing: checks at compile
# time, Qt's declarations, a pure virtual function's "= 0".
SKIPPED_LINES = re.compile(
    r"\b(static_assert|Q_OBJECT|Q_DECLARE_\w+|Q_PROPERTY|alignas)\b|\)\s*(?:const\s*)?=\s*0\s*;")

# The kinds of braces: a class or namespace scope, an initialiser, a block of
# statements (if, for, else ...), a lambda's body, a function's body, a body
# of a function that returns nothing (void, constructor, destructor).
SCOPE, INIT, BLOCK, LAMBDA, FUNCTION, VOID_FUNCTION = range(6)
FUNCTION_TAIL = re.compile(
    r"\)\s*(?:const|noexcept|override|final|mutable|\s)*(?:->[^;{}]*)?$")
LAMBDA_TAIL = re.compile(r"\]\s*(?:\([^()]*\))?\s*(?:mutable|noexcept|\s)*(?:->[^;{}]*)?$")
VOID_SIGNATURE = re.compile(r"(?:^|[\s:])void\s+[\w:~]+\s*\(|^(\w+)::~?\1\s*\(")


@dataclass
class Mutant:
    path: str  # relative to the source tree
    line: int  # first line, from 1
    col: int  # from 1
    count: int  # how many lines it replaces
    new_lines: list
    change: str

    def where(self):
        return f"{self.path}:{self.line}:{self.col}"

    def key(self, original):
        """What names the mutant in the equivalents file: its file, the line
        before it that is not blank, the lines it replaces and the lines it
        puts there, each run of blanks one space."""
        lines = original.split("\n")
        before = [text for text in lines[:self.line - 1] if text.strip()][-1:]
        replaced = lines[self.line - 1:self.line - 1 + self.count]
        return (self.path, " ".join(" ".join(before).split()),
                " ".join(" ".join(replaced).split()), " ".join(" ".join(self.new_lines).split()))


FIELDS = ("file", "after", "line", "mutant", "why")


def read_equivalents(path):
    """{(file, after, line, mutant): why} from the equivalents file: entries
    of "file:", "after:", "line:", "mutant:" and "why:" lines, a blank line
    between."""
    if not os.path.isfile(path):
        return {}
    found, entry = {}, {}
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n") + [""]
    for number, text in enumerate(lines, 1):
        if text.startswith("#"):
            continue
        if text.strip():
            name, _, value = text.partition(":")
            if name not in FIELDS or name in entry:
                raise SystemExit(f"{path}:{number}: expected one of {', '.join(FIELDS)}")
            entry[name] = " ".join(value.split())
        elif entry:
            if len(entry) != len(FIELDS):
                raise SystemExit(f"{path}:{number}: an entry needs {', '.join(FIELDS)}")
            found[tuple(entry[name] for name in FIELDS[:-1])] = entry["why"]
            entry = {}
    return found


def blank_non_code(lines):
    """The lines with comments, the insides of string and character literals
    and preprocessor lines turned into spaces, columns kept."""
    out = []
    in_comment = False
    in_directive = False
    for text in lines:
        if in_directive or (not in_comment and text.lstrip().startswith("#")):
            in_directive = text.rstrip().endswith("\\")
            out.append(" " * len(text))
            continue
        chars = list(text)
        i, n = 0, len(text)
        while i < n:
            if in_comment:
                end = text.find("*/", i)
                stop = n if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                in_comment = end < 0
                i = stop
            elif text.startswith("//", i):
                chars[i:] = " " * (n - i)
                break
            elif text.startswith("/*", i):
                in_comment = True
            elif text[i] in "\"'" and not (text[i] == "'" and i > 0 and text[i - 1].isdigit()):
                quote, j = text[i], i + 1
                while j < n and text[j] != quote:
                    j += 2 if text[j] == "\\" else 1
                chars[i + 1:min(j, n)] = " " * (min(j, n) - i - 1)
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def classify_brace(prefix):
    """The kind of a brace from the code since the last ;, { or }."""
    prefix = " ".join(prefix.split())
    if re.search(r"\b(class|struct|union|enum|namespace)\b", prefix) and "(" not in prefix:
        return SCOPE
    if prefix in ("else", "do", "try", "default:") or re.match(r"^case\b.*:$", prefix):
        return BLOCK
    if LAMBDA_TAIL.search(prefix):
        return LAMBDA
    if FUNCTION_TAIL.search(prefix):
        if re.match(r"^(?:\}\s*)?(?:else\s+)?(if|for|while|switch|catch)\b", prefix):
            return BLOCK
        if re.match(r"^[\w:<>,*&~\s]+\(", prefix):
            return VOID_FUNCTION if VOID_SIGNATURE.search(prefix) else FUNCTION
        return BLOCK
    return INIT


def brace_stacks(blanked):
    """For each line, the kinds of the braces open at its start."""
    stacks = []
    stack, prefix = [], ""
    for text in blanked:
        stacks.append(list(stack))
        for c in text:
            if c == "{":
                stack.append(classify_brace(prefix))
                prefix = ""
            elif c == "}":
                if stack:
                    stack.pop()
                prefix = ""
            elif c == ";":
                prefix = ""
            else:
                prefix += c
        prefix += " "
    return stacks


def in_function(stack):
    return any(kind in (BLOCK, LAMBDA, FUNCTION, VOID_FUNCTION) for kind in stack)


def in_void_function(stack):
    for kind in reversed(stack):
        if kind != BLOCK:
            return kind == VOID_FUNCTION
    return False


def quoted(text, limit=48):
    text = " ".join(text.split())
    return '"' + (text if len(text) <= limit else text[:limit - 3] + "...") + '"'


def matching_paren(text, start):
    """The index of the parenthesis that closes the one at start, or -1."""
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return -1


def line_mutants(path, number, text, code, stack, header):
    """The mutants of one line that change only that line."""
    found = []

    def replace(start, end, new, change):
        found.append(Mutant(path, number, start + 1, 1, [text[:start] + new + text[end:]], change))

    inside = in_function(stack)
    if header and not inside and not re.search(r"=|\{", code):
        return found
    for m in OPERATOR.finditer(code):
        new = SWAPPED_OPERATORS[m.group(1)]
        replace(m.start(), m.end(), new, f'"{m.group(1)}" -> "{new}"')
    for m in BOOLEAN.finditer(code):
        new = "false" if m.group(1) == "true" else "true"
        replace(m.start(), m.end(), new, f'"{m.group(1)}" -> "{new}"')
    for m in INTEGER.finditer(code):
        value, suffix = int(m.group(1)), m.group(2)
        for other in (value + 1, value - 1):
            if other < 0 and "u" in suffix.lower():
                continue
            new = str(other) + suffix
            if other < 0 and code[:m.start()].endswith(("-", "+")):
                new = f"({new})"
            replace(m.start(), m.end(), new, f'"{m.group(0)}" -> "{new}"')
    for m in INDEX.finditer(code):
        for step in ("+ 1", "- 1"):
            new = f"[{m.group(1)} {step}]"
            replace(m.start(), m.end(), new, f'"{m.group(0)}" -> "{new}"')
    for m in CONDITION.finditer(code):
        if code[m.end():].lstrip().startswith("constexpr"):
            continue
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at < 0 or ";" in code[open_at:close_at]:
            continue
        condition = text[open_at + 1:close_at]
        replace(open_at, close_at + 1, f"(!({condition}))", f"negate {quoted(text[m.start():close_at + 1])}")
    return found


def statement_mutants(path, lines, blanked, stacks):
    """The mutants that drop or add a whole statement: a call dropped, a
    guarded return dropped, a return added at the start of a statement of a
    function that returns nothing."""
    found = []
    previous_code = "{"
    for index, code in enumerate(blanked):
        stripped = code.strip()
        if not stripped:
            continue
        stack = stacks[index]
        # A statement of its own, or the one statement of a control without
        # braces ("if (x)" on the line before), which a dropped statement
        # leaves as "if (x) ;" and an added return would change.
        starts_statement = previous_code[-1] in ";{}:"
        starts_body = re.match(r"^(?:\}\s*)?(?:else\b|(?:if|for|while)\s*\(.*\)$)", previous_code)
        previous_code = stripped
        if not in_function(stack) or not (starts_statement or starts_body):
            continue
        text = lines[index]
        indent = text[:len(text) - len(text.lstrip())]
        col = len(indent) + 1
        call = CALL_START.match(stripped)
        if call and call.group(1) not in NOT_CALLS and not call.group(1).startswith("Q_"):
            end = call_end(blanked, index, code.index("("))
            if end is not None:
                count = end - index + 1
                found.append(Mutant(path, index + 1, col, count, [indent + ";"] + [""] * (count - 1),
                                    f"drop {quoted(' '.join(lines[index:end + 1]))}"))
        if GUARDED_RETURN.match(stripped) and matching_paren(stripped, stripped.index("(")) > 0:
            found.append(Mutant(path, index + 1, col, 1, [indent + ";"], f"drop {quoted(text)}"))
        elif stripped == "return;" and not closes_function(blanked, index, stack):
            found.append(Mutant(path, index + 1, col, 1, [indent + ";"], 'drop "return;"'))
        if (starts_statement and stack and stack[-1] == VOID_FUNCTION
                and not stripped.startswith(("return", "}"))):
            found.append(Mutant(path, index + 1, col, 1, [indent + "return;", text],
                                'insert "return;"'))
    return found


def call_end(blanked, index, open_col):
    """The last line of a call statement whose parenthesis opens at
    (index, open_col), if the statement is that call and nothing more."""
    depth = 0
    for i in range(index, len(blanked)):
        code = blanked[i]
        for j in range(open_col if i == index else 0, len(code)):
            depth += {"(": 1, ")": -1}.get(code[j], 0)
            if depth == 0:
                return i if code[j + 1:].strip() == ";" else None
    return None


def closes_function(blanked, index, stack):
    """Whether the next code after line index closes the function's body,
    which makes a return there a no-op."""
    if not stack or stack[-1] not in (FUNCTION, VOID_FUNCTION):
        return False
    for code in blanked[index + 1:]:
        if code.strip():
            return code.strip().startswith("}")
    return False


def file_mutants(path, text):
    lines = text.split("\n")
    blanked = blank_non_code(lines)
    stacks = brace_stacks(blanked)
    header = path.endswith(".h")
    found = []
    for index, code in enumerate(blanked):
        if code.strip() and not SKIPPED_LINES.search(code):
            found += line_mutants(path, index + 1, lines[index], code, stacks[index], header)
    found += statement_mutants(path, lines, blanked, stacks)
    unique = {(m.line, m.count, tuple(m.new_lines)): m for m in found}
    return sorted(unique.values(), key=lambda m: (m.line, m.col))


def changed_lines(source, base):
    """{path: set of line numbers} of the lines of src/ changed since base."""
    diff = run(["git", "-C", source, "diff", "--relative", "-U0", base, "--", "src"]).stdout
    changed, path = {}, None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            name = line[4:]
            path = name[2:] if name.startswith("b/") else None
            if path and path.endswith(CPP_SUFFIXES):
                changed.setdefault(path, set())
            else:
                path = None
        elif line.startswith("@@") and path:
            m = re.search(r"\+(\d+)(?:,(\d+))?", line)
            first, count = int(m.group(1)), int(m.group(2) or 1)
            changed[path].update(range(first, first + count))
    return {p: lines for p, lines in changed.items() if lines}


def choose(mutants_by_file, seed, spread):
    """The order of the run: file by file, or with spread, the files taken in
    turn, each file's mutants shuffled (the same for the same seed)."""
    paths = sorted(mutants_by_file)
    if not spread:
        return [m for p in paths for m in mutants_by_file[p]]
    rng = random.Random(seed)
    queues = []
    for p in paths:
        queue = list(mutants_by_file[p])
        rng.shuffle(queue)
        queues.append(queue)
    order = []
    while any(queues):
        for queue in queues:
            if queue:
                order.append(queue.pop(0))
    return order


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, check=False, **kwargs)


def tree_files(source):
    """The files of the working tree: git's, untracked ones included but not
    the ignored, or every file outside build folders."""
    listed = run(["git", "-C", source, "ls-files", "-z", "--cached", "--others",
                  "--exclude-standard"])
    if listed.returncode == 0:
        return [p for p in listed.stdout.split("\0") if p and os.path.isfile(os.path.join(source, p))]
    files = []
    for folder, subfolders, names in os.walk(source):
        subfolders[:] = [d for d in subfolders if not d.startswith(("build", ".git"))]
        files += [os.path.relpath(os.path.join(folder, n), source) for n in names]
    return files


def write_file(path, data):
    """Writes data and gives the file a fresh time, so that ninja rebuilds
    what depends on it even when the same data was there before."""
    with open(path, "wb") as f:
        f.write(data)
    now = time.time_ns()
    os.utime(path, ns=(now, now))


def sync_copy(source, copy):
    """Makes the copy hold the working tree's files; only the files that
    differ are written, so the build of the copy stays incremental."""
    wanted = set(tree_files(source))
    for rel in wanted:
        with open(os.path.join(source, rel), "rb") as f:
            data = f.read()
        target = os.path.join(copy, rel)
        if os.path.isfile(target):
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        write_file(target, data)
        shutil.copymode(os.path.join(source, rel), target)
    for folder, _, names in os.walk(copy):
        for name in names:
            if os.path.relpath(os.path.join(folder, name), copy) not in wanted:
                os.remove(os.path.join(folder, name))


class SoundServer:
    """The project's private PulseAudio server (tools/pulse_server.sh), for
    the sound player's tests; stopped when the tool closes its input."""

    def __init__(self, script):
        self.folder = tempfile.mkdtemp(prefix="breliko-mutate-pulse.")
        self.process = subprocess.Popen(
            ["bash", "-c", 'source "$1" && pulse_start "$2" && echo ready && read -r _; pulse_stop',
             "bash", script, self.folder],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        if self.process.stdout.readline().strip() != "ready":
            self.stop()
            raise SystemExit("the private PulseAudio server did not start")
        os.environ["PULSE_SERVER"] = f"unix:{self.folder}/native"

    def stop(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)
        shutil.rmtree(self.folder, ignore_errors=True)


class Runner:
    def __init__(self, args):
        self.args = args
        self.copy = os.path.join(args.build, "source")
        self.build = os.path.join(args.build, "build")
        self.targets_of = {}

    def labels(self, path):
        """The -L regex of the tests of a file: its folder under src/."""
        if self.args.labels:
            return self.args.labels
        parts = path.split("/")
        return f"^{parts[1]}$" if parts[0] == "src" and len(parts) > 2 else None

    def prepare(self):
        os.makedirs(self.copy, exist_ok=True)
        sync_copy(self.args.source, self.copy)
        if not os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            configured = run(["cmake", "-S", self.copy, "-B", self.build, "-G", "Ninja",
                              "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DBRELIKO_BENCHMARKS=OFF"])
            if configured.returncode != 0:
                raise SystemExit("cmake could not configure the copy:\n" + configured.stdout
                                 + configured.stderr)
        built = self.compile()
        if built.returncode != 0:
            raise SystemExit("the copy does not build without a mutant:\n" + built.stdout[-4000:])

    def compile(self, labels=None):
        """Builds what the tests of labels run, or the whole tree."""
        return run(["cmake", "--build", self.build, *self.targets(labels)])

    def targets(self, labels):
        """["--target", ...] the build's outputs the tests of labels run: their
        programs and the files of the build they get as arguments or in the
        environment (ninja takes outputs by path). Nothing, for a whole build,
        where that cannot be told."""
        if labels is None:
            return []
        if labels not in self.targets_of:
            listed = run(["ctest", "--test-dir", self.build, "--show-only=json-v1",
                          "--label-regex", labels, "--label-exclude", "soak"])
            known = run(["ninja", "-C", self.build, "-t", "targets", "all"])
            self.targets_of[labels] = []
            if listed.returncode == 0 and known.returncode == 0:
                outputs = {line.rpartition(": ")[0] for line in known.stdout.splitlines()}
                tests = json.loads(listed.stdout)["tests"]
                words = [w for t in tests for w in t.get("command", [])]
                words += [w for t in tests for p in t.get("properties", [])
                          if p["name"] == "ENVIRONMENT" for w in p["value"]]
                paths = {os.path.relpath(w.split("=")[-1], self.build) for w in words
                         if w.split("=")[-1].startswith(self.build + os.sep)}
                # A file of the build that ninja does not make (a folder the
                # test looks into) may need anything: the whole build then.
                if all(t.get("command") for t in tests) and paths and paths <= outputs:
                    self.targets_of[labels] = ["--target", *sorted(paths)]
        return self.targets_of[labels]

    def test(self, labels):
        """None when every test passes, else the first failing test and why."""
        command = ["ctest", "--test-dir", self.build, "--stop-on-failure", "--no-tests=error",
                   "--timeout", str(self.args.timeout), "-j", str(self.args.jobs),
                   "--label-exclude", "soak"]
        if labels:
            command += ["--label-regex", labels]
        result = run(command)
        if result.returncode == 0:
            return None
        failed = re.findall(r"^\s*\d+ - (.+?) \((.+)\)\s*$", result.stdout, re.MULTILINE)
        if not failed:
            raise SystemExit(f"ctest failed without naming a test ({' '.join(command)}):\n"
                             + result.stdout[-4000:] + result.stderr[-2000:])
        return failed[0]

    def try_mutant(self, mutant, original):
        target = os.path.join(self.copy, mutant.path)
        lines = original.split("\n")
        index = mutant.line - 1
        lines[index:index + mutant.count] = mutant.new_lines
        try:
            write_file(target, "\n".join(lines).encode())
            labels = self.labels(mutant.path)
            if self.compile(labels).returncode != 0:
                return "DOES-NOT-COMPILE"
            failed = self.test(labels)
        finally:
            write_file(target, original.encode())
        if failed is None:
            return "SURVIVED"
        name, why = failed
        return f"KILLED (by {name}{', timeout' if why == 'Timeout' else ''})"


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source", default=os.path.join(os.path.dirname(__file__), ".."),
                        help="the tree to mutate (default: this project)")
    parser.add_argument("--build", help="the tool's own folder (default: SOURCE/build-mutate)")
    parser.add_argument("--base", help="mutate the lines changed since REV (default: HEAD~1)")
    parser.add_argument("--files", nargs="+",
                        help="mutate every line of these files instead, or with --base "
                        "their changed lines")
    parser.add_argument("--budget", type=float,
                        help="stop starting mutants MINUTES after the first build and test run")
    parser.add_argument("--seed", type=int, default=1, help="the choice of mutants under a budget")
    parser.add_argument("--labels", help="the CTest label regex for every mutant")
    parser.add_argument("--timeout", type=int, default=60, help="seconds a test may take")
    parser.add_argument("--jobs", type=int, default=1, help="tests run side by side")
    parser.add_argument("--list", action="store_true", help="print the mutants, run nothing")
    parser.add_argument("--equivalents",
                        help="the reviewed equivalent mutants "
                        "(default: SOURCE/tools/mutate_equivalents.txt)")
    args = parser.parse_args(argv)
    args.source = os.path.realpath(args.source)
    args.equivalents = args.equivalents or os.path.join(args.source, "tools",
                                                        "mutate_equivalents.txt")
    args.build = os.path.realpath(args.build or os.path.join(args.source, "build-mutate"))
    return args


def main(argv):
    args = parse_args(argv)
    if args.files:
        # Paths are taken from the tree's top, as git names them.
        wanted = {os.path.relpath(os.path.join(args.source, f), args.source): None
                  for f in args.files}
        if args.base:
            # Both: the changed lines of these files only.
            changed = changed_lines(args.source, args.base)
            wanted = {path: changed[path] for path in wanted if path in changed}
    else:
        wanted = changed_lines(args.source, args.base or "HEAD~1")
    mutants_by_file, texts = {}, {}
    for path, lines in wanted.items():
        with open(os.path.join(args.source, path), encoding="utf-8") as f:
            texts[path] = f.read()
        mutants = [m for m in file_mutants(path, texts[path])
                   if lines is None or lines & set(range(m.line, m.line + m.count))]
        if mutants:
            mutants_by_file[path] = mutants
    order = choose(mutants_by_file, args.seed, args.budget is not None)
    equivalents = read_equivalents(args.equivalents)
    keys = {id(m): m.key(texts[m.path]) for m in order}
    why_equivalent = {i: equivalents.get(key) for i, key in keys.items()}
    # An entry of a file that was mutated whole but matched none of its
    # mutants names a line that changed: it is to be reviewed again.
    for key in equivalents:
        if key not in keys.values() and key[0] in wanted and wanted[key[0]] is None:
            print(f'{args.equivalents}: {key[0]} has no line "{key[2]}" with a mutant '
                  f'"{key[3]}" any more; review the entry')
    if args.list:
        for m in order:
            why = why_equivalent[id(m)]
            print(f"{m.where()}  {m.change}" + (f"  EQUIVALENT ({why})" if why else ""))
        print(f"{len(order)} mutants")
        return 0
    if not order:
        print("no mutants: no C++ line to mutate")
        return 0

    runner = Runner(args)
    server = None
    script = os.path.join(args.source, "tools", "pulse_server.sh")
    if "PULSE_SERVER" not in os.environ and os.path.isfile(script) and shutil.which("pulseaudio"):
        server = SoundServer(script)
    try:
        runner.prepare()
        for labels in sorted({runner.labels(m.path) or "" for m in order}):
            failed = runner.test(labels or None)
            if failed:
                raise SystemExit(f"{failed[0]} fails without any mutant ({failed[1]})")
        # The budget is for the mutants: the first build can take long.
        start = time.monotonic()
        results = []
        for mutant in order:
            if args.budget is not None and time.monotonic() - start > args.budget * 60:
                break
            why = why_equivalent[id(mutant)]
            result = f"EQUIVALENT ({why})" if why else runner.try_mutant(mutant, texts[mutant.path])
            results.append((mutant, result))
            print(f"{mutant.where()}  {mutant.change}  {result}", flush=True)
    finally:
        if server:
            server.stop()

    killed = sum(r.startswith("KILLED") for _, r in results)
    survivors = [m for m, r in results if r == "SURVIVED"]
    broken = sum(r == "DOES-NOT-COMPILE" for _, r in results)
    equivalent = sum(r.startswith("EQUIVALENT") for _, r in results)
    tested = killed + len(survivors)
    score = f"{100 * killed / tested:.1f} %" if tested else "-"
    print(f"score: {killed} killed of {tested} ({score}); {equivalent} equivalent; "
          f"{broken} did not compile; {len(order) - len(results)} left untried; "
          f"{(time.monotonic() - start) / 60:.1f} min")
    if survivors:
        print("survivors:")
        for m in survivors:
            print(f"  {m.where()}  {m.change}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

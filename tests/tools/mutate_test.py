#!/usr/bin/env python3
"""tools/mutate.py on the tree of a few lines in mutate_tree/: a planted slip
is killed, a mutant that cannot change anything survives, or is set aside
where the tree's equivalents file names it, an endless loop is cut off, a
mutant that does not compile is told apart, the working tree stays as it
was, and --base picks only the lines a change touched."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.join(HERE, "..", "..", "tools", "mutate.py")
TREE = os.path.join(HERE, "mutate_tree")
WINS = "src/wins/wins.cpp"


def tree_bytes(folder):
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, folder)] = f.read()
    return found


def git_status():
    return subprocess.run(["git", "-C", TREE, "status", "--porcelain", "--", "."],
                          capture_output=True, text=True, check=False).stdout


def mutate(*args, source=TREE):
    result = subprocess.run([sys.executable, TOOL, "--source", source, *args],
                            capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise AssertionError(f"mutate.py failed:\n{result.stdout}\n{result.stderr}")
    return result.stdout


class MutateRun(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.before, cls.status_before = tree_bytes(TREE), git_status()
        cls.scratch = tempfile.mkdtemp(prefix="breliko-mutate-test.")
        cls.output = mutate("--files", WINS, "--build", cls.scratch, "--timeout", "5")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def result(self, line, change):
        pattern = rf"^{re.escape(WINS)}:{line}:\d+  {re.escape(change)}  (.+)$"
        found = re.findall(pattern, self.output, re.MULTILINE)
        self.assertEqual(len(found), 1, f"{line} {change} in:\n{self.output}")
        return found[0]

    def test_each_mutant_is_judged(self):
        cases = [
            (4, '">" -> ">="', "KILLED (by wins_test)"),  # the tie the test checks
            (8, '">" -> ">="', "EQUIVALENT (equal numbers: either is the larger)"),
            (8, 'negate "if (a > b)"', "KILLED (by wins_test)"),
            (8, 'drop "if (a > b) return a;"', "KILLED (by wins_test)"),
            (16, '"1" -> "0"', "KILLED (by wins_test, timeout)"),  # n -= 0 never ends
            (25, '"3" -> "4"', "DOES-NOT-COMPILE"),  # case 4 twice
            (25, '"3" -> "2"', "KILLED (by wins_test)"),
        ]
        for line, change, expected in cases:
            with self.subTest(line=line, change=change):
                self.assertEqual(self.result(line, change), expected)

    def test_comments_and_includes_left_alone(self):
        mutated = set(re.findall(rf"^{re.escape(WINS)}:(\d+):", self.output, re.MULTILINE))
        # The #include and the comments, one of them quoting ">=".
        self.assertFalse(mutated & {"1", "3", "6", "12", "22"}, mutated)

    def test_score_leaves_out_the_equivalent_and_what_did_not_compile(self):
        killed = len(re.findall(r"  KILLED \(", self.output))
        self.assertIn(f"score: {killed} killed of {killed} (100.0 %); 1 equivalent; "
                      "2 did not compile;", self.output)
        self.assertNotIn("survivors:", self.output)

    def test_working_tree_untouched(self):
        self.assertEqual(tree_bytes(TREE), self.before)
        self.assertEqual(git_status(), self.status_before)


class ChangedLines(unittest.TestCase):
    def changed_tree(self, repo, changes):
        """A commit of the tree, then its lines changed: {line number: text}."""
        shutil.copytree(TREE, repo, dirs_exist_ok=True)
        git = ["git", "-C", repo, "-c", "user.name=t", "-c", "user.email=t@t"]
        subprocess.run(git + ["init", "-q"], check=True)
        subprocess.run(git + ["add", "."], check=True)
        subprocess.run(git + ["commit", "-q", "-m", "tree"], check=True)
        path = os.path.join(repo, WINS)
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        for number, text in changes.items():
            lines[number - 1] = text
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines))

    def test_only_the_lines_a_change_touched(self):
        with tempfile.TemporaryDirectory(prefix="breliko-mutate-git.") as repo:
            self.changed_tree(repo, {14: "  int rounds = 2;", 27: "    case 5:"})
            listed = mutate("--base", "HEAD", "--list", source=repo)
            in_files = mutate("--base", "HEAD", "--files", WINS, "--list", source=repo)
            elsewhere = mutate("--base", "HEAD", "--files", "src/wins/wins.h", "--list", source=repo)
        where = re.findall(r"^src/wins/wins\.cpp:(\d+):", listed, re.MULTILINE)
        self.assertEqual(sorted(set(where)), ["14", "27"])
        self.assertEqual(in_files, listed)
        self.assertEqual(elsewhere, "0 mutants\n")
        self.assertIn('"2" -> "3"', listed)
        self.assertIn('"5" -> "4"', listed)

    # An equivalent mutant of a line that changed is tried and survives, and
    # the entry that named the old line is told to be reviewed.
    def test_a_changed_line_is_tried_again(self):
        with tempfile.TemporaryDirectory(prefix="breliko-mutate-git.") as repo:
            self.changed_tree(repo, {8: "  if (a >= b) return a;"})
            run = mutate("--base", "HEAD", source=repo)
            listed = mutate("--files", WINS, "--list", source=repo)
        self.assertRegex(run, rf'(?m)^{re.escape(WINS)}:8:\d+  ">=" -> ">"  SURVIVED$')
        self.assertRegex(run, r"(?m)^score: 2 killed of 3 \(66\.7 %\); 0 equivalent;")
        self.assertIn('src/wins/wins.cpp has no line "if (a > b) return a;" with a mutant '
                      '"if (a >= b) return a;" any more', listed)


if __name__ == "__main__":
    unittest.main()

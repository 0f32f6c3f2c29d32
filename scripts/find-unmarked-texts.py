#!/usr/bin/env python3
"""Lists texts a user would see that are not marked for translation.

A text is a string literal that reads like words (a blank between letters,
or one capitalised word such as "Save"). It counts as seen by the user when
it is an argument of a call that shows text (a caption, a message, a report
heading, a command's help) or is put into a message, caption or report cell
by assignment, or is what a function returns. It is marked when it stands inside tr(), translate(),
QT_TR_NOOP() or QT_TRANSLATE_NOOP(). A literal meant to stay English (a
machine-readable line, a log) carries the comment "// untranslated" on its
line.

Usage: find-unmarked-texts.py [FILE|FOLDER ...]  (default: src tools, the
engine left out: it is below Qt, and its error details stay English)
Exit status 1 when it finds one, listing each as FILE:LINE: "text".
"""
import os
import re
import sys

MARKERS = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
           "QT_TRANSLATE_N_NOOP", "qtTrId"}

# Calls whose arguments are shown to the user.
SINKS = {
    # Qt widgets and dialogs
    "setText", "setWindowTitle", "setToolTip", "setStatusTip", "setWhatsThis",
    "setPlaceholderText", "setTitle", "setLabelText", "setAccessibleName",
    "setAccessibleDescription", "addTab", "insertTab", "setTabText", "addItem",
    "addItems", "insertItem", "addAction", "addMenu", "addSection", "setHeaderLabels",
    "setHorizontalHeaderLabels", "showMessage", "setCancelButtonText", "setPrefix",
    "setSuffix", "setSpecialValueText", "QLabel", "QPushButton", "QCheckBox",
    "QRadioButton", "QGroupBox", "QAction", "QMenu", "QToolButton", "QProgressDialog",
    "QMessageBox", "information", "warning", "critical", "question", "about",
    "getText", "getOpenFileName", "getSaveFileName", "getExistingDirectory",
    # command lines
    "QCommandLineOption", "setApplicationDescription", "addPositionalArgument",
    # our own: the Ui seam, form parts, report documents, command outcomes
    "message", "confirm", "confirmDestructive", "input", "openFileName",
    "saveFileName", "folderName", "error", "MakeFormButton", "AddFormField",
    "CaptionButton", "ImageButton", "SetHeadings", "PutColumn", "BeginReport",
    "Fail", "say", "unusable", "refuse", "Refuse", "Report", "ShowStatus",
    "setStatus", "progress", "setCaption", "Caption", "Problem", "Ask", "Tell",
    "ShowProgress", "ShowText", "SetStatusLine", "statusMessage",
}
# Assignments to these are shown to the user.
SHOWN_LHS = re.compile(r"(error|why|message|caption|title|text|label|hint|prompt|"
                       r"reason|note|Cell\([^)]*\)|StyleCell\(\))\s*(\+?=)\s*$", re.I)
# A text a function returns is most often one to show.
RETURNED = re.compile(r"\breturn\s+(QStringLiteral\(|QLatin1String\(|QString\()?\s*$")
LOOKS_LIKE_WORDS = re.compile(r"[A-Za-z]{2,}[^\"]*\s[^\"]*[A-Za-z]{2,}|^&?[A-Z][a-z]+[.:!?]*$")
NOT_WORDS = re.compile(r"^[\w.%-]+\.(dbf|DBF|ntx|NTX|dbt|DBT|qm|html|xml|pdf|csv|txt|sql|db)$")


def strip_comments(src):
    """Blanks out comments and returns (code, literals): literals as
    (start, end, text, line) with adjacent ones joined."""
    out = list(src)
    literals = []
    i, n = 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith("//", i):
            j = src.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                out[k] = " "
            i = j
        elif src.startswith("/*", i):
            j = src.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if out[k] != "\n":
                    out[k] = " "
            i = j
        elif c == "'" :
            j = i + 1
            while j < n and src[j] != "'":
                j += 2 if src[j] == "\\" else 1
            i = j + 1
        elif c == '"' and not (i > 0 and src[i - 1] == "R"):
            j = i + 1
            while j < n and src[j] != '"':
                j += 2 if src[j] == "\\" else 1
            text = src[i + 1:j]
            line = src.count("\n", 0, i) + 1
            gap = src[literals[-1][1]:i] if literals else None
            if gap is not None and gap.strip() == "":
                start, _, prev, pline = literals.pop()
                literals.append((start, j + 1, prev + text, pline))
            else:
                literals.append((i, j + 1, text, line))
            i = j + 1
        else:
            i += 1
    return "".join(out), literals


# Calls that only turn a literal into a string: the call around them counts.
WRAPPERS = {"QStringLiteral", "QLatin1String", "QLatin1StringView", "QString",
            "QStringView", "fromUtf8", "fromLatin1", "fromLocal8Bit", "QByteArrayLiteral"}


def enclosing_call(code, pos):
    """The name of the innermost call whose parentheses hold pos, looking
    through the string wrappers."""
    name, at = call_at(code, pos)
    while name in WRAPPERS:
        name, at = call_at(code, at)
    return name


def call_at(code, pos):
    depth = 0
    i = pos - 1
    while i >= 0:
        c = code[i]
        if c in ")]}":
            depth += 1
        elif c in "([{":
            if depth == 0:
                if c == "(":
                    m = re.search(r"([A-Za-z_]\w*)\s*(<[^<>()]*>)?\s*$", code[:i])
                    return (m.group(1), m.start(1)) if m else ("", i)
            else:
                depth -= 1
        elif c == ";" and depth == 0:
            return "", i
        i -= 1
    return "", 0


def unmarked(path):
    src = open(path, encoding="utf-8").read()
    code, literals = strip_comments(src)
    lines = src.split("\n")
    found = []
    for start, end, text, line in literals:
        if not LOOKS_LIKE_WORDS.search(text) or NOT_WORDS.match(text):
            continue
        if "untranslated" in lines[line - 1] or code[max(0, start - 9):start].rstrip().endswith("#include"):
            continue
        call = enclosing_call(code, start)
        if call in MARKERS:
            continue
        before = code[code.rfind("\n", 0, start) + 1:start]
        if call in SINKS or (not call and (SHOWN_LHS.search(before) or RETURNED.search(before))):
            found.append((line, text))
    return found


def sources(args):
    for arg in args or ["src", "tools"]:
        if os.path.isfile(arg):
            yield arg
            continue
        for root, _, files in os.walk(arg):
            # The engine is below Qt: its error details stay English.
            if "testmain" in root or "/engine" in root:
                continue
            for f in sorted(files):
                if not f.endswith((".cpp", ".h")) or f.endswith(("_test.cpp", "Test.h")):
                    continue
                if f.startswith(("TestSupport", "ScriptedUi", "TestApplication", "RecordingCanvas")):
                    continue
                yield os.path.join(root, f)


def main():
    count = 0
    for path in sources(sys.argv[1:]):
        for line, text in unmarked(path):
            print(f'{path}:{line}: "{text}"')
            count += 1
    if count:
        print(f"{count} text(s) shown to the user but not marked for translation", file=sys.stderr)
    return 1 if count else 0


if __name__ == "__main__":
    sys.exit(main())

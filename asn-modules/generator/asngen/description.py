"""Reader of a module description file.

The file holds the type lists in the notation of the tables they were written
from, one statement a line:

    # comment (also '## heading' lines that group the types)
    module H225
    uses H235 H245
    alphabet PermitedAlphabet0 "#*,0123456789"
    classes: 21 SEQUENCE, 4 CHOICE
    section "Common types": 68 types
    no create: H225::rasMessage, H225::h323_UserInformation
    descriptor only: H235::h235Key
    source files: 4                      a large module compiled in parts

    H225::callType: CHOICE, extensible; 4 root alternatives, no extension alternatives. Every alternative is NULL; by index: 0 "PointToPoint"; 1 "OneToN"; 2 "NToOne"; 3 "NToN".

    H225::transportAddress: CHOICE, extensible; 7 root alternatives, no extension alternatives.
    | 0 | "IpAddress" | root | H225::transportAddress::ipAddress_sequence |

    H225::callIdentifier: SEQUENCE, extensible; 1 root component, no extension additions.
    | "Guid" | mandatory | OCTET STRING (SIZE (16)) |

A heading states the kind, the extension marker and the counts; the rows
follow until the next heading. Backticks around names are allowed and ignored.
"""

import re

from .errors import DescriptionError
from .model import (ADDITION, CHOICE, ENUMERATED, MANDATORY, NAMED_INTEGER, OPTIONAL, SEQUENCE,
                    Alternative, Component, Module, NamedValue, Section, StatedCounts, TypeDef)
from .typeref import TypeExpressionError, parseType

_HEADING = re.compile(
    r"(?P<name>.+?)(?:\s+\(the same list for (?P<same>[^)]*)\))?:\s+"
    r"(?P<kind>SEQUENCE|CHOICE|ENUMERATED|INTEGER with named values \(unconstrained\))"
    r"(?:,\s+(?P<ext>extensible|not extensible))?;\s+(?P<rest>.*)")

_NUMBER = r"(\d+|no)"


def readModule(path):
    with open(path, encoding="utf-8") as f:
        return parseModule(f.read(), path)


def parseModule(text, source):
    reader = _Reader(source)
    for number, raw in enumerate(text.split("\n"), start=1):
        reader.line(number, raw)
    return reader.finish()


class _Reader:
    def __init__(self, source):
        self.source = source
        self.module = None
        self.current = None          # TypeDef receiving rows
        self.clones = []
        self.section = None

    def fail(self, line, message):
        raise DescriptionError(self.source, line, message)

    def line(self, number, raw):
        text = raw.replace("`", "").strip()
        if not text or text.startswith("#"):
            return
        if text.startswith("|"):
            self.row(number, text)
            return
        self.current = None
        m = re.fullmatch(r"module\s+([A-Z][A-Za-z0-9]*)", text)
        if m:
            if self.module:
                self.fail(number, "second module statement")
            self.module = Module(m.group(1), self.source)
            return
        if self.module is None:
            self.fail(number, "the description must start with 'module NAME'")
        if self.statement(number, text):
            return
        self.heading(number, text)

    def statement(self, number, text):
        mod = self.module
        m = re.fullmatch(r"uses((?:\s+[A-Z][A-Za-z0-9]*)+)", text)
        if m:
            mod.uses.extend(m.group(1).split())
            return True
        m = re.fullmatch(r'alphabet\s+([A-Za-z_][A-Za-z0-9_]*)\s+"(.*)"', text)
        if m:
            if m.group(1) in mod.alphabets:
                self.fail(number, f"alphabet {m.group(1)} defined twice")
            mod.alphabets[m.group(1)] = m.group(2)
            return True
        m = re.fullmatch(r"classes:\s*(.*)", text)
        if m:
            mod.classCounts = self.kindCounts(number, m.group(1))
            mod.classCountsLine = number
            return True
        m = re.fullmatch(r'section\s+"([^"]+)":\s*(\d+) types(?::\s*(.*))?', text)
        if m:
            byKind = self.kindCounts(number, m.group(3)) if m.group(3) else {}
            self.section = Section(m.group(1), int(m.group(2)), byKind, number)
            mod.sections.append(self.section)
            return True
        m = re.fullmatch(r"no create:\s*(.*)", text)
        if m:
            mod.noCreate.extend((n.strip(), number) for n in m.group(1).split(","))
            return True
        m = re.fullmatch(r"source files:\s*(\d+)", text)
        if m:
            if not 1 <= int(m.group(1)) <= 16:
                self.fail(number, "a module has 1 to 16 source files")
            mod.sourceFiles = int(m.group(1))
            return True
        m = re.fullmatch(r"descriptor only:\s*(.*)", text)
        if m:
            mod.descriptorOnly.extend((n.strip(), number) for n in m.group(1).split(","))
            return True
        return False

    def kindCounts(self, number, text):
        """'21 SEQUENCE, 8 CHOICE and 1 ENUMERATED' -> {kind: count}."""
        counts = {}
        for part in re.split(r",\s*|\s+and\s+", text.strip()):
            m = re.fullmatch(r"(\d+)\s+(SEQUENCE|CHOICE|ENUMERATED|INTEGER)", part.strip())
            if not m:
                self.fail(number, f"cannot read the count '{part}'")
            kind = NAMED_INTEGER if m.group(2) == "INTEGER" else m.group(2)
            counts[kind] = int(m.group(1))
        return counts

    def heading(self, number, text):
        m = _HEADING.fullmatch(text)
        if not m:
            self.fail(number, f"not a type heading: '{text}'")
        kind = m.group("kind")
        if kind.startswith("INTEGER"):
            kind = NAMED_INTEGER
        if (m.group("ext") is None) != (kind == NAMED_INTEGER):
            self.fail(number, "say 'extensible' or 'not extensible' (an INTEGER with named values has no marker)")
        extensible = m.group("ext") == "extensible"
        counts, inline = self.counts(number, kind, m.group("rest"))
        t = TypeDef(self.qualify(number, m.group("name")), kind, extensible, counts, number)
        self.add(t)
        if inline is not None:
            self.inlineRows(number, t, inline)
        if m.group("same"):
            for other in m.group("same").split(","):
                clone = TypeDef(self.qualify(number, other), kind, extensible, counts, number)
                clone.sameListAs = t
                self.add(clone)
                self.clones.append(clone)
        self.current = t

    def qualify(self, number, name):
        name = name.strip()
        if not name.startswith(self.module.namespace + "::"):
            self.fail(number, f"type {name} is not in namespace {self.module.namespace}")
        return name

    def add(self, t):
        if self.module.find(t.name):
            self.fail(t.line, f"type {t.name} listed twice")
        t.section = self.section
        if self.section:
            self.section.types.append(t)
        self.module.types.append(t)

    def counts(self, number, kind, rest):
        """Reads the counts of a heading; returns (StatedCounts, inline list text or None)."""
        n = _NUMBER
        rest = rest.strip()
        patterns = {
            SEQUENCE: [
                (rf"{n} root components?, {n} extension additions?\.", None),
                (rf"{n} components? in the root, {n} extension additions?\.", None),
                (rf"{n} components?\.", "root only"),
            ],
            CHOICE: [
                (rf"{n} root alternatives?, {n} extension alternatives?\.(?:\s+Every alternative is NULL; by index: (.*)\.)?", None),
                (rf"{n} alternatives? in the root, {n} extension additions?\.", None),
                (rf"{n} alternatives?\.", "root only"),
            ],
            ENUMERATED: [
                (rf"{n} root values?(?:, {n} extension values?)?: (.*)\.", "enumerated inline"),
                (rf"{n} values? in the root(?:, {n} extension values?)?\.", None),
            ],
            NAMED_INTEGER: [
                (rf"{n} names?\.", "root only"),
            ],
        }
        for pattern, form in patterns[kind]:
            m = re.fullmatch(pattern, rest)
            if not m:
                continue
            groups = m.groups()
            root = count(groups[0])
            if form == "root only":
                return StatedCounts(root, 0), None
            extension = count(groups[1]) if groups[1] is not None else 0
            inline = groups[2] if len(groups) > 2 else None
            return StatedCounts(root, extension), inline
        self.fail(number, f"cannot read the counts of a {kind}: '{rest}'")

    def inlineRows(self, number, t, text):
        """'0 "Strict"; 1 "Loose"; 4 "SecurityDenial" (addition)'."""
        for item in text.split(";"):
            m = re.fullmatch(r'\s*(\d+)\s+"([^"]*)"(\s+\(addition\))?\s*', item)
            if not m:
                self.fail(number, f"cannot read the list item '{item.strip()}'")
            index, name, addition = int(m.group(1)), m.group(2), bool(m.group(3))
            if t.kind == CHOICE:
                t.rows.append(Alternative(index, name, not addition, parseType("NULL"), number))
            else:
                t.rows.append(NamedValue(index, name, not addition, number))

    def row(self, number, text):
        t = self.current
        if t is None:
            self.fail(number, "a table row outside a type")
        cells = [c.strip() for c in text.strip().strip("|").split("|")]
        if t.kind == SEQUENCE:
            self.componentRow(number, t, cells)
        elif t.kind == CHOICE:
            self.alternativeRow(number, t, cells)
        else:
            self.valueRow(number, t, cells)

    def element(self, number, cell):
        m = re.fullmatch(r'"([^"]*)"', cell)
        if not m:
            self.fail(number, f"element name must be quoted: '{cell}'")
        return m.group(1)

    def type(self, number, cell):
        try:
            return parseType(cell)
        except TypeExpressionError as e:
            self.fail(number, str(e))

    def componentRow(self, number, t, cells):
        if len(cells) != 3:
            self.fail(number, "a component row has three cells: element, presence, type")
        presence = cells[1]
        if presence not in (MANDATORY, OPTIONAL, ADDITION):
            self.fail(number, f"unknown presence '{presence}'")
        t.rows.append(Component(self.element(number, cells[0]), presence, self.type(number, cells[2]), number))

    def alternativeRow(self, number, t, cells):
        if len(cells) == 4:
            index, name, where, type_ = cells
            if where not in ("root", "addition"):
                self.fail(number, f"an alternative is 'root' or 'addition', not '{where}'")
            root = where == "root"
        elif len(cells) == 3:
            index, name, type_ = cells
            root = True
            m = re.fullmatch(r"(.*?)\s*\(addition\)", type_)
            if m:
                type_, root = m.group(1), False
        else:
            self.fail(number, "an alternative row has cells index, element, [root or addition,] type")
        if not re.fullmatch(r"\d+", index):
            self.fail(number, f"bad alternative index '{index}'")
        t.rows.append(Alternative(int(index), self.element(number, name), root, self.type(number, type_), number))

    def valueRow(self, number, t, cells):
        if len(cells) != 2 or not re.fullmatch(r"-?\d+", cells[0]):
            self.fail(number, "a value row has two cells: value, name")
        t.rows.append(NamedValue(int(cells[0]), self.element(number, cells[1]), True, number))

    def finish(self):
        if self.module is None:
            raise DescriptionError(self.source, 1, "empty description")
        for clone in self.clones:
            clone.rows = list(clone.sameListAs.rows)
        return self.module


def count(text):
    return 0 if text == "no" else int(text)

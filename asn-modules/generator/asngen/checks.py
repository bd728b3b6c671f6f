"""Consistency checks of the descriptions: every stated count against the rows,
and the naming, ordering and reference rules the generated code relies on.
"""

import re

from .errors import DescriptionError
from .model import (ADDITION, CHOICE, ENUMERATED, MANDATORY, NAMED_INTEGER, SEQUENCE, Component,
                    lowerFirst, rowIsRoot, splitQualified)
from .typeref import RUNTIME_ALPHABETS

CPP_KEYWORDS = set("""
alignas alignof and and_eq asm auto bitand bitor bool break case catch char char16_t char32_t class
compl const constexpr const_cast continue decltype default delete do double dynamic_cast else enum
explicit export extern false float for friend goto if inline int long mutable namespace new noexcept
not not_eq nullptr operator or or_eq private protected public register reinterpret_cast return short
signed sizeof static static_assert static_cast struct switch template this thread_local throw true try
typedef typeid typename union unsigned using virtual void volatile wchar_t while xor xor_eq
""".split())

# Names a member must not take: members of the runtime's bases and of the generated class itself.
RESERVED_MEMBERS = {"descriptor", "create", "reset", "encode", "decode", "assign", "isEqual", "tag",
                    "hasAdditions"}

ELEMENT_NAME = re.compile(r"[A-Z][A-Za-z0-9_]*")


class Checker:
    def __init__(self, modules):
        self.modules = {m.namespace: m for m in modules}

    def fail(self, module, line, message):
        raise DescriptionError(module.source, line, message)

    def run(self):
        for module in self.modules.values():
            self.checkModule(module)
        self.checkReferences()

    # -- one module -------------------------------------------------------

    def checkModule(self, module):
        for name in module.uses:
            if name not in self.modules:
                self.fail(module, 1, f"uses unknown module {name}")
        for t in module.types:
            self.checkCounts(module, t)
            self.checkRows(module, t)
            self.checkNesting(module, t)
        self.checkTemplates(module)
        self.checkMarks(module)
        self.checkSections(module)

    def checkCounts(self, module, t):
        root, extension = len(t.rootRows()), len(t.extensionRows())
        if (root, extension) != (t.counts.root, t.counts.extension):
            self.fail(module, t.line,
                      f"{t.name}: the heading states {t.counts.root} root and {t.counts.extension} "
                      f"extension rows, the list has {root} and {extension}")
        if t.kind == SEQUENCE and root > 32:
            # The descriptor marks its OPTIONAL roots in one 32-bit word.
            self.fail(module, t.line, f"{t.name}: {root} root components, a SEQUENCE may have 32")
        if extension and not t.extensible:
            self.fail(module, t.line, f"{t.name}: not extensible but has extension rows")
        # A SEQUENCE of nothing but its extension marker is a message of its own
        # (a release or a request without parameters); any other kind needs rows.
        if not t.rows and not (t.kind == SEQUENCE and t.extensible):
            self.fail(module, t.line, f"{t.name}: no rows")

    def checkRows(self, module, t):
        seen = set()
        lastRoot = True
        for position, row in enumerate(t.rows):
            name = row.element if hasattr(row, "element") else row.name
            if not ELEMENT_NAME.fullmatch(name):
                self.fail(module, row.line, f"{t.name}: element name '{name}' must start upper-case "
                                            "and hold only letters, digits and '_'")
            if name in seen:
                self.fail(module, row.line, f"{t.name}: element '{name}' twice")
            seen.add(name)
            root = rowIsRoot(row)
            if root and not lastRoot:
                self.fail(module, row.line, f"{t.name}: a root row after an extension row")
            lastRoot = root
            if t.kind == CHOICE and row.index != position:
                self.fail(module, row.line, f"{t.name}: alternative index {row.index}, expected {position}")
            if isinstance(row, Component):
                member = row.member
                if member in CPP_KEYWORDS or member in RESERVED_MEMBERS:
                    self.fail(module, row.line, f"{t.name}: member name '{member}' is reserved")
                if row.type.kind == "class" and row.type.name == t.name and row.presence == MANDATORY:
                    self.fail(module, row.line, f"{t.name}: holds itself by value")
        if t.kind in (ENUMERATED, NAMED_INTEGER):
            values = [r.value & 0xFFFFFFFF for r in t.rows]
            if values != sorted(values) or len(set(values)) != len(values):
                self.fail(module, t.line, f"{t.name}: values must ascend without repeats")

    def checkNesting(self, module, t):
        parentName = t.parentName
        if parentName is None:
            return
        parent = module.find(parentName)
        if parent is None:
            self.fail(module, t.line, f"{t.name}: the enclosing type {parentName} is not listed")
        suffix = {SEQUENCE: "_sequence", CHOICE: "_choice"}.get(t.kind)
        if suffix is None or not t.shortName.endswith(suffix):
            self.fail(module, t.line, f"{t.name}: a nested {t.kind} is named '<element>{suffix}'")
        users = [r for r in parent.rows if hasattr(r, "type") and t.name in r.type.tableReferences()]
        if len(users) != 1:
            self.fail(module, t.line, f"{t.name}: must be the type of exactly one row of {parentName}")
        if lowerFirst(users[0].element) + suffix != t.shortName:
            self.fail(module, users[0].line,
                      f"{t.name}: nested type of '{users[0].element}' must be named "
                      f"{lowerFirst(users[0].element)}{suffix}")

    def checkTemplates(self, module):
        """Instances of one parameterised type must list the same rows, the argument aside."""
        groups = {}
        for t in module.types:
            if t.templateName:
                if t.kind != SEQUENCE:
                    self.fail(module, t.line, f"{t.name}: only SEQUENCE types may be parameterised")
                groups.setdefault(t.templateName, []).append(t)
        for name, instances in groups.items():
            shapes = {tuple(self.shape(i)) for i in instances}
            if len(shapes) != 1 or len({(i.extensible) for i in instances}) != 1:
                self.fail(module, instances[0].line, f"instances of {name} differ in their lists")

    def shape(self, t):
        argument = t.templateArgument
        shape = []
        for row in t.rows:
            typeName = row.type.cpp(lambda a: (a, 0)).replace(argument, "T")
            shape.append((row.element, row.presence, typeName))
        return shape

    def checkMarks(self, module):
        for name, line in module.noCreate + module.descriptorOnly:
            if module.find(name) is None:
                self.fail(module, line, f"{name} is not listed")
        for name, line in module.noCreate:
            module.find(name).hasCreate = False
        for name, line in module.descriptorOnly:
            t = module.find(name)
            t.descriptorOnly = True
            t.hasCreate = False

    def checkSections(self, module):
        for section in module.sections:
            classes = [t for t in section.types if not t.descriptorOnly]
            if len(classes) != section.total:
                self.fail(module, section.line,
                          f'section "{section.title}" states {section.total} types, lists {len(classes)}')
            self.checkKindCounts(module, section.line, section.byKind, classes, f'section "{section.title}"')
        if module.classCounts is not None:
            classes = [t for t in module.types if not t.descriptorOnly]
            self.checkKindCounts(module, module.classCountsLine, module.classCounts, classes,
                                 f"module {module.namespace}")

    def checkKindCounts(self, module, line, stated, classes, what):
        for kind, number in stated.items():
            actual = len([t for t in classes if t.kind == kind])
            if actual != number:
                self.fail(module, line, f"{what} states {number} {kind}, lists {actual}")
        if stated and sum(stated.values()) != len(classes):
            self.fail(module, line, f"{what} states {sum(stated.values())} classes, lists {len(classes)}")

    # -- across modules ---------------------------------------------------

    def findType(self, name):
        namespace = name.split("::", 1)[0]
        module = self.modules.get(namespace)
        return module.find(name) if module else None

    def checkReferences(self):
        referenced = {}
        for module in self.modules.values():
            for t in module.types:
                for row in t.rows:
                    if not hasattr(row, "type"):
                        continue
                    self.checkAlphabets(module, row)
                    for name in row.type.referencedClasses():
                        target = self.findType(name)
                        if target is None:
                            self.fail(module, row.line, f"{t.name}: unknown type {name}")
                        namespace = name.split("::", 1)[0]
                        if namespace != module.namespace and namespace not in module.uses:
                            self.fail(module, row.line, f"{t.name}: {name} needs 'uses {namespace}'")
                        if target.descriptorOnly:
                            self.fail(module, row.line, f"{t.name}: {name} has no class")
                        if target.parentName and target.parentName != t.name:
                            self.fail(module, row.line, f"{t.name}: {name} is nested in another type")
                    for name in row.type.tableReferences():
                        referenced.setdefault(name, row.line)
        for module in self.modules.values():
            for name, line in module.noCreate:
                if name in referenced:
                    self.fail(module, line, f"{name} is marked 'no create' but a table refers to it")

    def checkAlphabets(self, module, row):
        ref = row.type.element if row.type.kind == "sequenceOf" else row.type
        if ref.kind != "string" or ref.alphabet in RUNTIME_ALPHABETS:
            return
        parts = splitQualified(ref.alphabet)
        owner = self.modules.get(parts[0]) if len(parts) == 2 else None
        if owner is None or parts[1] not in owner.alphabets:
            self.fail(module, row.line, f"unknown alphabet {ref.alphabet}")

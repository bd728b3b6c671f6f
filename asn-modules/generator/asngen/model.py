"""The types of one module as the description states them."""

import re

SEQUENCE = "SEQUENCE"
CHOICE = "CHOICE"
ENUMERATED = "ENUMERATED"
NAMED_INTEGER = "INTEGER with named values"

MANDATORY = "mandatory"
OPTIONAL = "OPTIONAL"
ADDITION = "addition"


class Component:
    def __init__(self, element, presence, type_, line):
        self.element = element
        self.presence = presence
        self.type = type_
        self.line = line

    @property
    def member(self):
        return lowerFirst(self.element)

    def memberIn(self, className):
        """The member name; C++ forbids a data member named like its class
        (ICV's "Icv"), which takes a trailing underscore instead."""
        return self.member + "_" if self.member == className else self.member

    @property
    def byPointer(self):
        return self.presence != MANDATORY


class Alternative:
    def __init__(self, index, element, root, type_, line):
        self.index = index
        self.element = element
        self.root = root
        self.type = type_
        self.line = line


class NamedValue:
    def __init__(self, value, name, root, line):
        self.value = value
        self.name = name
        self.root = root
        self.line = line


class StatedCounts:
    """The counts a type heading states: root rows and extension rows."""

    def __init__(self, root, extension):
        self.root = root
        self.extension = extension


class TypeDef:
    def __init__(self, name, kind, extensible, counts, line):
        self.name = name                 # qualified: H225::transportAddress::ipAddress_sequence
        self.kind = kind
        self.extensible = extensible
        self.counts = counts
        self.line = line
        self.rows = []                   # Component, Alternative or NamedValue
        self.section = None
        self.sameListAs = None           # the heading whose list this type repeats
        self.hasCreate = True
        self.descriptorOnly = False

    @property
    def namespace(self):
        return self.name.split("::", 1)[0]

    @property
    def path(self):
        """Names below the namespace: ['transportAddress', 'ipAddress_sequence']."""
        return splitQualified(self.name)[1:]

    @property
    def shortName(self):
        return self.path[-1]

    @property
    def parentName(self):
        parts = splitQualified(self.name)
        return "::".join(parts[:-1]) if len(parts) > 2 else None

    @property
    def templateName(self):
        m = re.fullmatch(r"([^<]+)<(.*)>", self.name)
        return m.group(1) if m else None

    @property
    def templateArgument(self):
        m = re.fullmatch(r"([^<]+)<(.*)>", self.name)
        return m.group(2).strip() if m else None

    def rootRows(self):
        return [r for r in self.rows if rowIsRoot(r)]

    def extensionRows(self):
        return [r for r in self.rows if not rowIsRoot(r)]


class Section:
    def __init__(self, title, total, byKind, line):
        self.title = title
        self.total = total
        self.byKind = byKind             # {kind: count} or {}
        self.line = line
        self.types = []


class Module:
    def __init__(self, namespace, source):
        self.namespace = namespace
        self.source = source
        self.uses = []
        self.alphabets = {}              # name -> characters
        self.types = []
        self.sections = []
        self.classCounts = None          # {kind: count} stated for the whole module
        self.classCountsLine = None
        self.noCreate = []               # (name, line)
        self.descriptorOnly = []         # (name, line)
        self.sourceFiles = 1             # the generated source split into this many files

    def find(self, name):
        for t in self.types:
            if t.name == name:
                return t
        return None


def rowIsRoot(row):
    if isinstance(row, Component):
        return row.presence != ADDITION
    return row.root


def lowerFirst(text):
    return text[:1].lower() + text[1:]


def splitQualified(name):
    """Splits at '::' outside template brackets."""
    parts, depth, current, i = [], 0, "", 0
    while i < len(name):
        c = name[i]
        if c == "<":
            depth += 1
        elif c == ">":
            depth -= 1
        if depth == 0 and name.startswith("::", i):
            parts.append(current)
            current = ""
            i += 2
            continue
        current += c
        i += 1
    parts.append(current)
    return parts

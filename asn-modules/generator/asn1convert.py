#!/usr/bin/env python3
"""Turns a published ASN.1 module into a type description of the generator.

    asn1convert.py [--source-files N] MODULE.asn NAMESPACE OUTPUT.types   write the description
    asn1convert.py --check [--source-files N] MODULE.asn NAMESPACE OUTPUT.types   fail when it differs

Reads the subset the control-protocol module uses: SEQUENCE, SEQUENCE OF and
SET OF (coded alike in PER), CHOICE, INTEGER, BOOLEAN, NULL, OCTET STRING,
BIT STRING, OBJECT IDENTIFIER, the restricted string types with size and
permitted-alphabet constraints, extension markers, value and size
constraints, OPTIONAL and type references without parameters. A reference
to a type defined as a primitive, or as a SEQUENCE OF, is written out in
place; a type defined as another SEQUENCE or CHOICE repeats that type's list.
Anything else is refused with its line, never guessed.
"""

import argparse
import os
import re
import sys

STRING_TYPES = ("IA5String", "NumericString", "PrintableString", "GeneralString", "BMPString")


class ConversionError(Exception):
    pass


# -- tokens ---------------------------------------------------------------

_TOKEN = re.compile(r'\s+|(?P<tok>::=|\.\.\.|\.\.|[{}(),^|]|"[^"]*"|-?\d+|[A-Za-z][A-Za-z0-9-]*)')


def stripComments(text):
    """ASN.1 comments run from '--' to the next '--' or the end of the line."""
    out = []
    for line in text.split("\n"):
        kept, i = "", 0
        while i < len(line):
            j = line.find("--", i)
            if j < 0:
                kept += line[i:]
                break
            kept += line[i:j]
            k = line.find("--", j + 2)
            if k < 0:
                break
            i = k + 2
        out.append(kept)
    return out


def tokenize(text):
    tokens = []
    for number, line in enumerate(stripComments(text), start=1):
        pos = 0
        while pos < len(line):
            m = _TOKEN.match(line, pos)
            if not m:
                raise ConversionError(f"line {number}: cannot read '{line[pos:pos + 20]}'")
            if m.group("tok"):
                tokens.append((m.group("tok"), number))
            pos = m.end()
    return tokens


# -- parse tree -----------------------------------------------------------

class Node:
    """kind: SEQUENCE, CHOICE, OF, INTEGER, BOOLEAN, NULL, OID, OCTET, BIT, a string type, or REF."""

    def __init__(self, kind, line, **fields):
        self.kind = kind
        self.line = line
        self.items = fields.get("items", [])        # (identifier, Node, presence) in order
        self.extensible = fields.get("extensible", False)
        self.element = fields.get("element")        # OF
        self.name = fields.get("name")              # REF
        self.range = fields.get("range")            # (lo, hi, extensible) of the value
        self.size = fields.get("size")              # (lo, hi, extensible)
        self.alphabet = fields.get("alphabet")


class Parser:
    def __init__(self, tokens):
        self.tokens = tokens
        self.pos = 0

    def peek(self, offset=0):
        i = self.pos + offset
        return self.tokens[i][0] if i < len(self.tokens) else None

    def line(self):
        return self.tokens[min(self.pos, len(self.tokens) - 1)][1]

    def take(self, expected=None):
        if self.pos >= len(self.tokens):
            raise ConversionError("unexpected end of the module")
        tok, number = self.tokens[self.pos]
        if expected is not None and tok != expected:
            raise ConversionError(f"line {number}: expected '{expected}', found '{tok}'")
        self.pos += 1
        return tok

    def module(self):
        """{type name: Node} in module order."""
        while self.peek() not in ("BEGIN", None):
            self.pos += 1
        self.take("BEGIN")
        types = {}
        while self.peek() != "END":
            number = self.line()
            name = self.take()
            if not re.fullmatch(r"[A-Z][A-Za-z0-9-]*", name):
                raise ConversionError(f"line {number}: expected a type name, found '{name}'")
            self.take("::=")
            if name in types:
                raise ConversionError(f"line {number}: {name} defined twice")
            types[name] = self.type()
        return types

    def type(self):
        number = self.line()
        tok = self.take()
        if tok in ("SEQUENCE", "SET"):
            if self.peek() == "{":
                if tok == "SET":
                    raise ConversionError(f"line {number}: SET types are outside the subset")
                items, extensible = self.list(components=True)
                return Node("SEQUENCE", number, items=items, extensible=extensible)
            size = None
            if self.peek() == "SIZE":
                self.take()
                size = self.bounds("size")
            elif self.peek() == "(":
                size = self.constraint()["size"]
            self.take("OF")
            return Node("OF", number, element=self.type(), size=size)
        if tok == "CHOICE":
            items, extensible = self.list(components=False)
            return Node("CHOICE", number, items=items, extensible=extensible)
        if tok == "OBJECT":
            self.take("IDENTIFIER")
            return Node("OID", number)
        if tok in ("OCTET", "BIT"):
            self.take("STRING")
            return self.constrainedNode(tok, number)
        if tok in ("INTEGER", "BOOLEAN", "NULL") or tok in STRING_TYPES:
            if tok == "INTEGER" and self.peek() == "{":
                raise ConversionError(f"line {number}: INTEGER with named numbers is outside the subset")
            return self.constrainedNode(tok, number)
        if re.fullmatch(r"[A-Z][A-Za-z0-9-]*", tok):
            node = Node("REF", number, name=tok)
            if self.peek() == "(":
                raise ConversionError(f"line {number}: a constrained type reference is outside the subset")
            return node
        raise ConversionError(f"line {number}: unknown type '{tok}'")

    def constrainedNode(self, kind, number):
        node = Node(kind, number)
        while self.peek() == "(":
            found = self.constraint()
            for key in ("range", "size", "alphabet"):
                if found[key] is not None:
                    setattr(node, key, found[key])
        return node

    def list(self, components):
        """Items of a SEQUENCE or CHOICE; presence 'root', 'OPTIONAL' or 'addition'."""
        self.take("{")
        items, markers = [], 0
        while True:
            number = self.line()
            if self.peek() == "...":
                self.take()
                markers += 1
                if markers > 2:
                    raise ConversionError(f"line {number}: a third extension marker")
            else:
                identifier = self.take()
                if not re.fullmatch(r"[a-z][A-Za-z0-9-]*", identifier):
                    raise ConversionError(f"line {number}: expected an identifier, found '{identifier}'")
                node = self.type()
                optional = False
                if components and self.peek() == "OPTIONAL":
                    self.take()
                    optional = True
                if markers == 2:
                    raise ConversionError(f"line {number}: root items after the extension additions")
                presence = "addition" if markers == 1 else ("OPTIONAL" if optional else "root")
                items.append((identifier, node, presence))
            if self.take() == "}":
                return items, markers > 0
            self.pos -= 1
            self.take(",")

    def constraint(self):
        """One parenthesised constraint: a value range, a SIZE, a FROM, or SIZE ^ FROM."""
        self.take("(")
        found = {"range": None, "size": None, "alphabet": None}
        while True:
            tok = self.peek()
            if tok == "SIZE":
                self.take()
                found["size"] = self.bounds("size")
            elif tok == "FROM":
                self.take()
                self.take("(")
                text = self.take()
                if not text.startswith('"'):
                    raise ConversionError(f"line {self.line()}: FROM takes a character string here")
                self.take(")")
                found["alphabet"] = text[1:-1]
            else:
                found["range"] = self.rangeBody()
            if self.peek() == "^":
                self.take()
                continue
            self.take(")")
            return found

    def bounds(self, what):
        self.take("(")
        body = self.rangeBody()
        self.take(")")
        return body

    def rangeBody(self):
        number = self.line()
        lo = self.take()
        hi = lo
        if self.peek() == "..":
            self.take()
            hi = self.take()
        extensible = False
        if self.peek() == ",":
            self.take()
            self.take("...")
            extensible = True
        return (bound(lo, number), bound(hi, number), extensible)


def bound(text, number):
    if text in ("MIN", "MAX"):
        return text
    if not re.fullmatch(r"-?\d+", text):
        raise ConversionError(f"line {number}: value references are outside the subset ('{text}')")
    return int(text)


# -- description ----------------------------------------------------------

def className(asnName):
    """Hyphens become underscores; the first letter lower-case, or the whole
    name when it holds no lower-case letter (IV8 -> iv8)."""
    name = asnName.replace("-", "_")
    if not re.search(r"[a-z]", name):
        return name.lower()
    return name[:1].lower() + name[1:]


def elementName(identifier):
    name = identifier.replace("-", "_")
    return name[:1].upper() + name[1:]


def plural(count, singular, pluralForm):
    if count == 0:
        return f"no {pluralForm}"
    return f"{count} {singular if count == 1 else pluralForm}"


class Converter:
    def __init__(self, types, namespace, source, sourceFiles=1):
        self.sourceFiles = sourceFiles
        self.types = types
        self.ns = namespace
        self.source = source
        self.alphabets = {}          # characters -> name
        self.entries = []            # (qualified name, kind, lines of the description)

    def convert(self):
        for name, node in self.types.items():
            if node.kind in ("SEQUENCE", "CHOICE"):
                self.describe(f"{self.ns}::{className(name)}", node, self.aliasesOf(name))
        return self.text()

    def aliasesOf(self, name):
        """Types defined as a plain reference to this one: they repeat its list."""
        found = []
        for other, node in self.types.items():
            if node.kind == "REF" and self.resolve(node.name).name == name and other != name:
                found.append(f"{self.ns}::{className(other)}")
        return found

    def resolve(self, name, trail=()):
        """A reference to a type defined as a reference leads to the type it names."""
        if name not in self.types:
            raise ConversionError(f"unknown type {name}")
        if name in trail:
            raise ConversionError(f"type references loop: {' -> '.join(trail + (name,))}")
        node = self.types[name]
        if node.kind == "REF":
            return self.resolve(node.name, trail + (name,))
        return Node("REF", node.line, name=name)

    def describe(self, qualified, node, aliases):
        rows, nested = [], []
        roots = sum(1 for _, _, p in node.items if p != "addition")
        additions = len(node.items) - roots
        marker = "extensible" if node.extensible else "not extensible"
        if aliases and any(item.kind in ("SEQUENCE", "CHOICE") for _, item, _ in node.items):
            # A repeated list would name the nested types of another class.
            raise ConversionError(f"line {node.line}: {qualified} is repeated by {', '.join(aliases)} "
                                  "but holds inline types")
        same = f" (the same list for {', '.join(aliases)})" if aliases else ""
        if node.kind == "SEQUENCE":
            counts = (f"{plural(roots, 'root component', 'root components')}, "
                      f"{plural(additions, 'extension addition', 'extension additions')}.")
        else:
            counts = (f"{plural(roots, 'root alternative', 'root alternatives')}, "
                      f"{plural(additions, 'extension alternative', 'extension alternatives')}.")
        heading = f"{qualified}{same}: {node.kind}, {marker}; {counts}"
        if node.kind == "CHOICE" and all(item.kind == "NULL" for _, item, _ in node.items):
            listed = "; ".join(f'{i} "{elementName(ident)}"' + (" (addition)" if p == "addition" else "")
                               for i, (ident, _, p) in enumerate(node.items))
            self.entries.append((qualified, node.kind, [f"{heading} Every alternative is NULL; by index: {listed}."]))
            return
        for index, (identifier, item, presence) in enumerate(node.items):
            element = elementName(identifier)
            type_ = self.typeText(item, qualified, element, nested)
            if node.kind == "SEQUENCE":
                rows.append(f'| "{element}" | {"mandatory" if presence == "root" else presence} | {type_} |')
            else:
                where = "addition" if presence == "addition" else "root"
                rows.append(f'| {index} | "{element}" | {where} | {type_} |')
        self.entries.append((qualified, node.kind, [heading] + rows))
        for name, inner in nested:
            self.describe(name, inner, [])

    def typeText(self, node, owner, element, nested):
        k = node.kind
        if k in ("SEQUENCE", "CHOICE"):
            name = f"{owner}::{element[:1].lower() + element[1:]}_{k.lower()}"
            nested.append((name, node))
            return name
        if k == "REF":
            target = self.resolve(node.name)
            defined = self.types[target.name]
            if defined.kind in ("SEQUENCE", "CHOICE"):
                return f"{self.ns}::{className(target.name)}"
            if defined.kind == "OF" and defined.element.kind in ("SEQUENCE", "CHOICE"):
                raise ConversionError(f"line {defined.line}: {target.name} is a list of an inline type")
            return self.typeText(defined, owner, element, nested)
        if k == "OF":
            return f"SEQUENCE{self.sizeText(node)} OF {self.typeText(node.element, owner, element, nested)}"
        if k == "NULL":
            return "NULL"
        if k == "BOOLEAN":
            return "BOOLEAN"
        if k == "OID":
            return "OBJECT IDENTIFIER"
        if k == "INTEGER":
            if node.range is None:
                return "INTEGER"
            lo, hi, extensible = node.range
            if hi == "MAX":
                if extensible or lo == "MIN" or lo < 0:
                    raise ConversionError(f"line {node.line}: INTEGER ({lo}..MAX) is outside the subset")
                return f"INTEGER ({lo}..MAX)"
            return f"INTEGER ({lo}..{hi}{', ...' if extensible else ''})"
        if k in ("OCTET", "BIT"):
            return f"{k} STRING{self.sizeText(node)}"
        if k == "BMPString":
            if node.alphabet is not None:
                raise ConversionError(f"line {node.line}: a BMPString alphabet is outside the subset")
            return f"BMPString{self.sizeText(node)}"
        if k in STRING_TYPES:
            text = f"{k}{self.sizeText(node)}"
            if node.alphabet is not None:
                text += f" (FROM {self.ns}::{self.alphabetName(node.alphabet)})"
            return text
        raise ConversionError(f"line {node.line}: no description for {k}")

    def sizeText(self, node):
        if node.size is None:
            return ""
        lo, hi, extensible = node.size
        if extensible or "MAX" in (lo, hi) or "MIN" in (lo, hi):
            raise ConversionError(f"line {node.line}: this size constraint is outside the subset")
        if lo == hi:
            return f" (SIZE ({lo}))"
        if lo == 0 and hi == 0:
            raise ConversionError(f"line {node.line}: SIZE (0)")
        return f" (SIZE ({lo}..{hi}))"

    def alphabetName(self, characters):
        # Kept in ascending order: the coded index of a character is its rank.
        ordered = "".join(sorted(set(characters)))
        if ordered not in self.alphabets:
            self.alphabets[ordered] = f"PermitedAlphabet{len(self.alphabets)}"
        return self.alphabets[ordered]

    def text(self):
        counts = {}
        for _, kind, _ in self.entries:
            counts[kind] = counts.get(kind, 0) + 1
        for name in self.aliasNames():
            counts["SEQUENCE" if self.kindOf(name) == "SEQUENCE" else "CHOICE"] += 1
        out = [f"# Written by asn-modules/generator/asn1convert.py from {self.source}.",
               "# Do not edit: change the converter or the module and run it again.", "",
               f"module {self.ns}",
               "classes: " + ", ".join(f"{counts[k]} {k}" for k in ("SEQUENCE", "CHOICE") if k in counts)]
        if self.sourceFiles > 1:
            out.append(f"source files: {self.sourceFiles}")
        out.append("")
        for characters, name in self.alphabets.items():
            out.append(f'alphabet {name} "{characters}"')
        out.append("")
        for _, _, lines in self.entries:
            out += lines
            out.append("")
        return "\n".join(out).rstrip("\n") + "\n"

    def aliasNames(self):
        return [n for n, node in self.types.items() if node.kind == "REF"
                and self.types[self.resolve(node.name).name].kind in ("SEQUENCE", "CHOICE")]

    def kindOf(self, name):
        return self.types[self.resolve(name).name].kind


def convertText(text, namespace, source, sourceFiles=1):
    types = Parser(tokenize(text)).module()
    return Converter(types, namespace, source, sourceFiles).convert()


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare with OUTPUT, write nothing")
    parser.add_argument("--source-files", type=int, default=1, help="split the generated source in this many files")
    parser.add_argument("module")
    parser.add_argument("namespace")
    parser.add_argument("output")
    args = parser.parse_args(argv)
    with open(args.module, encoding="utf-8") as f:
        text = f.read()
    try:
        contents = convertText(text, args.namespace, os.path.basename(args.module), args.source_files)
    except ConversionError as e:
        print(f"error: {args.module}: {e}", file=sys.stderr)
        return 1
    current = None
    if os.path.exists(args.output):
        with open(args.output, encoding="utf-8") as f:
            current = f.read()
    if current == contents:
        return 0
    if args.check:
        print(f"error: {args.output} is not what {args.module} converts to; "
              "run asn-modules/generator/asn1convert.py", file=sys.stderr)
        return 1
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(contents)
    print(f"wrote {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

"""Writes the C++ of one module: its header, its source and its test catalogue."""

from .layout import orderSiblings, orderUnits
from .model import ADDITION, CHOICE, ENUMERATED, MANDATORY, NAMED_INTEGER, OPTIONAL, SEQUENCE, splitQualified
from .typeref import RUNTIME_ALPHABETS

# Universal tag number of each primitive kind; the flag is 0 for all of them.
UNIVERSAL_TAGS = {"null": 5, "boolean": 1, "oid": 6, "integer": 2, "octetString": 4, "bitString": 3,
                  "bmpString": 30, "sequenceOf": 16, "anytype": 0}
STRING_TAGS = {"IA5String": 22, "NumericString": 18, "PrintableString": 19, "GeneralString": 27}
# What the tag operation of a generated class returns: {class, number, flag}.
CLASS_TAGS = {SEQUENCE: (16, 1), CHOICE: (0, 0), ENUMERATED: (10, 1), NAMED_INTEGER: (2, 1)}

INDENT = "  "


def banner(module, descriptionPath):
    return (f"// Generated from {descriptionPath} by asn-modules/generator/generate.py.\n"
            f"// Generated file, do not edit: change the description and run the generator.\n")



# Component positions are offsetof values of classes with virtual functions:
# conditionally supported, and supported by g++ and clang for the single,
# non-virtual inheritance of the value classes.
OFFSETOF_PRAGMA = [
    "// offsetof of the value classes: single, non-virtual inheritance, which",
    "// the compilers in use support; the warning is about other classes.",
    "#pragma GCC diagnostic ignored \"-Winvalid-offsetof\"",
    "",
]

class ModuleWriter:
    def __init__(self, module, modules, descriptionPath):
        self.module = module
        self.modules = {m.namespace: m for m in modules}
        self.descriptionPath = descriptionPath
        self.ns = module.namespace
        self.units = orderUnits(module)

    # -- names ------------------------------------------------------------

    def alphabet(self, name):
        if name in RUNTIME_ALPHABETS:
            return RUNTIME_ALPHABETS[name]
        namespace, local = splitQualified(name)
        return name, len(self.modules[namespace].alphabets[local])

    def cppType(self, typeRef, templateArgument=None, templateParameter=None):
        text = typeRef.cpp(self.alphabet)
        if templateArgument is not None:
            text = text.replace(templateArgument, templateParameter)
        return text

    def findType(self, name):
        module = self.modules.get(name.split("::", 1)[0])
        return module.find(name) if module else None

    def tagOf(self, typeRef):
        """The tag triple of a component's or alternative's type, as its record's tag operation gives it."""
        if typeRef.kind == "class":
            t = self.findType(typeRef.name)
            number, flag = CLASS_TAGS[t.kind] if t else CLASS_TAGS[SEQUENCE]
        elif typeRef.kind == "string":
            number, flag = STRING_TAGS[typeRef.stringType], 0
        else:
            number, flag = UNIVERSAL_TAGS[typeRef.kind], 0
        if number == 0:
            return "{0, 0, 0}"
        return f"{{0, {number}, {flag}}}"

    def tagTable(self, rows, name, pad=""):
        tags = ", ".join(self.tagOf(r.type) for r in rows)
        return f"{pad}static const asn::tagTriple {name}[] = {{{tags}}};"

    def localName(self, qualified):
        """Name relative to the module namespace: 'transportAddress::ipAddress_sequence'."""
        return "::".join(splitQualified(qualified)[1:])

    def tableName(self, t, what):
        """Name of a per-type table in the source: transportAddress_ipAddress_sequenceComponents."""
        return "_".join(splitQualified(t.name)[1:]) + what

    @staticmethod
    def memberName(row, className):
        return row.memberIn(className)

    # -- header -----------------------------------------------------------

    def header(self):
        out = [banner(self.module, self.descriptionPath), "#pragma once", "", "#include <asn/asn.h>"]
        for used in self.module.uses:
            out.append(f"#include <{used.lower()}/{used.lower()}.h>")
        out += ["", f"namespace {self.ns} {{", ""]
        for name, characters in self.module.alphabets.items():
            out.append(f"// \"{characters}\" ({len(characters)} characters)")
            out.append(f"extern const char {name}[];")
        if self.module.alphabets:
            out.append("")
        for unit in self.units:
            if unit.isTemplate:
                out.append(f"template <class T>\nclass {splitQualified(unit.key)[1]};")
            else:
                out.append(f"class {unit.root.shortName};")
        out.append("")
        for unit in self.units:
            if unit.isTemplate:
                out += self.templateClass(unit)
            else:
                out += self.classDefinition(unit.root, unit.children, 0)
            out.append("")
        for t in self.module.types:
            if t.descriptorOnly:
                out.append(f"// {t.kind} without a class: nothing refers to it.")
                out.append(f"extern const {self.recordType(t)} {t.shortName}{self.recordSuffix(t)};")
                out.append("")
        out.append(f"}}  // namespace {self.ns}")
        return "\n".join(out) + "\n"

    @staticmethod
    def recordType(t):
        return {SEQUENCE: "asn::sequenceDescriptor", CHOICE: "asn::choiceDescriptor",
                ENUMERATED: "asn::enumeratedDescriptor", NAMED_INTEGER: "asn::typeInfo"}[t.kind]

    @staticmethod
    def recordSuffix(t):
        return "Info" if t.kind == NAMED_INTEGER else "Descriptor"

    @staticmethod
    def recordMember(t):
        return "info" if t.kind == NAMED_INTEGER else "descriptor"

    def headingComment(self, t, pad):
        counts = f"{t.counts.root} root, {t.counts.extension} extension"
        marker = "extensible" if t.extensible else "not extensible"
        return f"{pad}// {t.kind}, {marker}; {counts}."

    def classDefinition(self, t, children, depth, templateArgument=None):
        pad = INDENT * depth
        name = t.shortName
        base = {SEQUENCE: "asn::sequence", CHOICE: "asn::choice", ENUMERATED: "asn::enumerated",
                NAMED_INTEGER: "asn::namedInteger"}[t.kind]
        out = [self.headingComment(t, pad), f"{pad}class {name} : public {base} {{", f"{pad}public:"]
        inner = pad + INDENT
        nested = orderSiblings(children.get(t.name, []), children)
        for n in nested:
            out += self.classDefinition(n, children, depth + 1)
            out.append("")
        record = self.recordMember(t)
        out.append(f"{inner}static const {self.recordType(t)} {record};")
        out.append("")
        out.append(f"{inner}{name}() : {base}(&{record}) {{}}")
        if t.kind == SEQUENCE:
            out.append(f"{inner}{name}(const {name}& other);")
            out.append(f"{inner}{name}& operator=(const {name}& other);")
            out.append(f"{inner}~{name}() override;")
        if t.kind == NAMED_INTEGER:
            out.append(f"{inner}using asn::namedInteger::operator=;")
        if t.hasCreate:
            out.append(f"{inner}static asn::object* create();")
        if t.kind == SEQUENCE:
            out.append("")
            for row in t.rows:
                out.append(self.memberDeclaration(row, inner, name))
        out.append(f"{pad}}};")
        return out

    def memberDeclaration(self, row, pad, className, templateArgument=None):
        type_ = self.cppType(row.type, templateArgument, "T")
        if row.byPointer:
            return f"{pad}{type_}* {self.memberName(row, className)} = nullptr;  // {row.presence}"
        return f"{pad}{type_} {self.memberName(row, className)};"

    def templateClass(self, unit):
        """SIGNED{}-like types: one class template; each instance gets its own descriptor."""
        first = unit.root
        argument = first.templateArgument
        name = splitQualified(unit.key)[1]
        instances = ", ".join(self.localName(t.name) for t in unit.types)
        out = [f"// {first.kind}, {'extensible' if first.extensible else 'not extensible'}; "
               f"{first.counts.root} root, {first.counts.extension} extension.",
               f"// Instances: {instances}.",
               "template <class T>", f"class {name} : public asn::sequence {{", "public:",
               f"{INDENT}static const asn::componentEntry components[{len(first.rows)}];",
               f"{INDENT}static const asn::tagTriple componentTags[{len(first.rows)}];",
               f"{INDENT}static const asn::sequenceDescriptor descriptor;", "",
               f"{INDENT}{name}() : asn::sequence(&descriptor) {{}}",
               f"{INDENT}{name}(const {name}& other) : asn::sequence(&descriptor) {{",
               f"{INDENT * 2}try {{",
               f"{INDENT * 3}assign(other);",
               f"{INDENT * 2}}} catch (...) {{",
               f"{INDENT * 3}reset();",
               f"{INDENT * 3}throw;",
               f"{INDENT * 2}}}",
               f"{INDENT}}}",
               f"{INDENT}{name}& operator=(const {name}& other) {{",
               f"{INDENT * 2}if (this != &other) assign(other);",
               f"{INDENT * 2}return *this;",
               f"{INDENT}}}",
               f"{INDENT}~{name}() override {{ reset(); }}",
               f"{INDENT}static asn::object* create() {{ return new {name}; }}", ""]
        for row in first.rows:
            out.append(self.memberDeclaration(row, INDENT, name, argument))
        out.append("};")
        out.append("")
        out.append("#pragma GCC diagnostic push")
        out += OFFSETOF_PRAGMA[:-1]
        out.append("template <class T>")
        out.append(f"const asn::componentEntry {name}<T>::components[{len(first.rows)}] = {{")
        for row in first.rows:
            out.append(f"{INDENT * 2}{self.componentEntry(row, f'{name}<T>', name)},")
        out.append("};")
        out.append("#pragma GCC diagnostic pop")
        out.append("template <class T>")
        tags = ", ".join(self.tagOf(r.type) for r in first.rows)
        out.append(f"const asn::tagTriple {name}<T>::componentTags[{len(first.rows)}] = {{{tags}}};")
        out.append("template <class T>")
        out.append(f"const asn::sequenceDescriptor {name}<T>::descriptor = asn::sequenceDescriptor::make("
                   f"{name}<T>::components, {self.rootCounts(first)}, {cppBool(first.extensible)}, "
                   f"{name}<T>::componentTags);")
        return out

    # -- source -----------------------------------------------------------

    def source(self, headerInclude, part=None):
        """The whole source, or one of the module's parts: units in contiguous runs
        of about equal type counts, the alphabets in the first, descriptor-only
        records in the last."""
        parts = self.module.sourceFiles
        part = 0 if part is None else part
        out = [banner(self.module, self.descriptionPath), f"#include <{headerInclude}>", ""] + OFFSETOF_PRAGMA + [
               f"namespace {self.ns} {{", ""]
        if part == 0:
            for name, characters in self.module.alphabets.items():
                out.append(f"const char {name}[] = {cppString(characters)};")
            if self.module.alphabets:
                out.append("")
        units = [u for u in self.units if not u.isTemplate]
        total = sum(len(self.definitionOrder(u)) for u in units)
        done = 0
        for unit in units:
            types = self.definitionOrder(unit)
            if done * parts // max(total, 1) == part:
                for t in types:
                    out += self.typeSource(t)
                    out.append("")
            done += len(types)
        for t in self.module.types if part == parts - 1 else []:
            if t.descriptorOnly:
                out += self.recordDefinition(t, f"{t.shortName}{self.recordSuffix(t)}")
                out.append("")
        out.append(f"}}  // namespace {self.ns}")
        return "\n".join(out) + "\n"

    def definitionOrder(self, unit):
        result = []

        def walk(t):
            for child in unit.children.get(t.name, []):
                walk(child)
            result.append(t)
        walk(unit.root)
        return result

    def typeSource(self, t):
        local = self.localName(t.name)
        out = [f"// {local}"]
        out += self.recordDefinition(t, f"{local}::{self.recordMember(t)}")
        if t.kind == SEQUENCE:
            short = t.shortName
            out += [
                f"{local}::{short}(const {short}& other) : asn::sequence(&descriptor) {{",
                f"{INDENT}try {{",
                f"{INDENT * 2}assign(other);",
                f"{INDENT}}} catch (...) {{",
                f"{INDENT * 2}reset();",
                f"{INDENT * 2}throw;",
                f"{INDENT}}}",
                "}",
                f"{local}& {local}::operator=(const {short}& other) {{",
                f"{INDENT}if (this != &other) assign(other);",
                f"{INDENT}return *this;",
                "}",
                f"{local}::~{short}() {{ reset(); }}",
            ]
        if t.hasCreate:
            out.append(f"asn::object* {local}::create() {{ return new {t.shortName}; }}")
        return out

    def recordDefinition(self, t, recordName):
        table = self.tableName(t, "")
        out = []
        if t.kind == SEQUENCE and not t.rows:
            # C++ has no empty arrays: a SEQUENCE of no components has no tables.
            out.append(f"const asn::sequenceDescriptor {recordName} = asn::sequenceDescriptor::make("
                       f"nullptr, 0, {cppBool(t.extensible)});")
        elif t.kind == SEQUENCE:
            out.append(f"static const asn::componentEntry {table}Components[] = {{")
            for row in t.rows:
                out.append(f"{INDENT * 2}{self.componentEntry(row, self.localName(t.name), t.shortName)},")
            out.append("};")
            out.append(self.tagTable(t.rows, f"{table}ComponentTags"))
            out.append(f"const asn::sequenceDescriptor {recordName} = asn::sequenceDescriptor::make("
                       f"{table}Components, {self.rootCounts(t)}, {cppBool(t.extensible)}, {table}ComponentTags);")
        elif t.kind == CHOICE:
            out.append(f"static const asn::alternativeEntry {table}Alternatives[] = {{")
            for row in t.rows:
                out.append(f"{INDENT * 2}asn::alternative<{self.cppType(row.type)}>(\"{row.element}\"),")
            out.append("};")
            out.append(self.tagTable(t.rows, f"{table}AlternativeTags"))
            out.append(f"const asn::choiceDescriptor {recordName} = asn::choiceDescriptor::make("
                       f"{table}Alternatives, {t.counts.root}, {cppBool(t.extensible)}, {table}AlternativeTags);")
        else:
            out.append(f"static const asn::namedValue {table}Values[] = {{")
            for row in t.rows:
                out.append(f"{INDENT * 2}{{{row.value & 0xFFFFFFFF}u, \"{row.name}\"}},")
            out.append("};")
            if t.kind == ENUMERATED:
                out.append(f"const asn::enumeratedDescriptor {recordName} = "
                           f"asn::enumeratedDescriptor::make({table}Values, {t.counts.root}, {cppBool(t.extensible)});")
            else:
                out.append(f"const asn::typeInfo {recordName} = asn::typeInfo::namedInteger({table}Values);")
        return out

    @staticmethod
    def rootCounts(t):
        """The root components of a SEQUENCE and the mask of the OPTIONAL ones among them."""
        roots = [row for row in t.rows if row.presence != ADDITION]
        mask = sum(1 << i for i, row in enumerate(roots) if row.presence == OPTIONAL)
        return f"{len(roots)}, 0x{mask:X}u"

    def componentEntry(self, row, owner, className):
        maker = {MANDATORY: "mandatoryComponent", OPTIONAL: "optionalComponent",
                 ADDITION: "additionComponent"}[row.presence]
        member = self.memberName(row, className)
        return f"asn::{maker}<&{owner}::{member}>(offsetof({owner}, {member}), \"{row.element}\")"

    # -- test catalogue ---------------------------------------------------

    def catalogue(self):
        lower = self.ns.lower()
        out = [banner(self.module, self.descriptionPath), "#include \"typeCatalogue.h\"", "",
               f"#include <{lower}/{lower}.h>", ""]
        parts = self.module.sourceFiles
        if parts > 1:
            # A module in several source files has its catalogue in as many
            # parts, each its own compile unit; this file joins them.
            out = out[:-2]
            out += [f"void {lower}CataloguePart{n + 1}(std::vector<catalogueEntry>& entries);" for n in range(parts)]
            out += ["", f"const std::vector<catalogueEntry>& {lower}Catalogue() {{",
                    f"{INDENT}static const std::vector<catalogueEntry> entries = [] {{",
                    f"{INDENT * 2}std::vector<catalogueEntry> all;"]
            out += [f"{INDENT * 2}{lower}CataloguePart{n + 1}(all);" for n in range(parts)]
            out += [f"{INDENT * 2}return all;", f"{INDENT}}}();", f"{INDENT}return entries;", "}"]
            return "\n".join(out) + "\n"
        out += [f"const std::vector<catalogueEntry>& {self.ns.lower()}Catalogue() {{",
                f"{INDENT}static const std::vector<catalogueEntry> entries = {{"]
        for t in self.module.types:
            out += self.catalogueEntry(t)
        out += [f"{INDENT}}};", f"{INDENT}return entries;", "}"]
        return "\n".join(out) + "\n"

    def cataloguePart(self, part):
        """Part `part` (from 0) of a split catalogue: a contiguous run of the types."""
        lower = self.ns.lower()
        types, parts = self.module.types, self.module.sourceFiles
        chosen = [t for i, t in enumerate(types) if i * parts // len(types) == part]
        out = [banner(self.module, self.descriptionPath), "#include \"typeCatalogue.h\"", "",
               f"#include <{lower}/{lower}.h>", "",
               f"void {lower}CataloguePart{part + 1}(std::vector<catalogueEntry>& entries) {{",
               f"{INDENT}entries.insert(entries.end(), {{"]
        for t in chosen:
            out += self.catalogueEntry(t)
        out += [f"{INDENT}}});", "}"]
        return "\n".join(out) + "\n"

    def catalogueEntry(self, t):
        pad = INDENT * 3
        names = ", ".join(f"\"{r.element if hasattr(r, 'element') else r.name}\"" for r in t.rows)
        if t.kind == SEQUENCE:
            detail = ", ".join({MANDATORY: "0", OPTIONAL: "1", ADDITION: "2"}[r.presence] for r in t.rows)
        elif t.kind == CHOICE:
            detail = ""
        else:
            detail = ", ".join(f"{r.value & 0xFFFFFFFF}u" for r in t.rows)
        cls = t.name
        if t.descriptorOnly:
            record = f"&{self.ns}::{t.shortName}{self.recordSuffix(t)}"
            make = copy = "nullptr"
        else:
            record = f"&{cls}::{self.recordMember(t)}"
            make = f"[]() -> asn::object* {{ return new {cls}; }}"
            copy = (f"[](const asn::object& o) -> asn::object* "
                    f"{{ return new {cls}(static_cast<const {cls}&>(o)); }}")
        create = f"&{cls}::create" if t.hasCreate else "nullptr"
        kind = {SEQUENCE: "SEQUENCE", CHOICE: "CHOICE", ENUMERATED: "ENUMERATED", NAMED_INTEGER: "INTEGER"}[t.kind]
        return [f"{INDENT * 2}{{\"{cls}\", \"{kind}\", {cppBool(t.extensible)}, {t.counts.root}u, {t.counts.extension}u,",
                f"{pad}{{{names}}},",
                f"{pad}{{{detail}}},",
                f"{pad}{make},",
                f"{pad}{copy},",
                f"{pad}{create}, {record}}},"]


def cppBool(value):
    return "true" if value else "false"


def cppString(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'

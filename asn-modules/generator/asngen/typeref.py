"""Type expressions of the description rows, in ASN.1 notation, and their C++ types.

A row names either a generated class (`H225::aliasAddress`, a parameterised
instance such as `H235::hashed<asn::anytype<H235::clearToken> >`) or a primitive
type with its constraint (`INTEGER (0..16383, ...)`, `INTEGER (1..MAX)`, `OCTET STRING (SIZE (16))`,
`IA5String (SIZE (1..128)) (FROM H225::PermitedAlphabet0)`,
`SEQUENCE (SIZE (1..512)) OF H225::enumeratedParameter`).
"""

import re

FIXED = 1
EXTENSIBLE = 2
SEMI_CONSTRAINED = 3  # INTEGER (lb..MAX): no upper bound, stored as 4294967295

# Alphabets of the runtime: name in the description -> (C++ expression, size).
RUNTIME_ALPHABETS = {
    "IA5Set": ("asn::constrainedString::IA5Set", 128),
    "NumericSet": ("asn::constrainedString::NumericSet", 11),
    "PrintableSet": ("asn::constrainedString::PrintableSet", 74),
    "GeneralSet": ("asn::constrainedString::GeneralSet", 256),
}

# Restricted character string types: ASN.1 name -> (template, default alphabet).
STRING_TYPES = {
    "IA5String": ("asn::IA5String", "IA5Set"),
    "NumericString": ("asn::numericString", "NumericSet"),
    "PrintableString": ("asn::printableString", "PrintableSet"),
    "GeneralString": ("asn::generalString", "GeneralSet"),
}

CLASS_NAME = r"[A-Z][A-Za-z0-9]*::[A-Za-z_][A-Za-z0-9_]*(?:::[A-Za-z_][A-Za-z0-9_]*)*"


class TypeExpressionError(Exception):
    pass


class TypeRef:
    """One parsed type expression.

    kind: "class", "null", "boolean", "oid", "integer", "octetString",
    "bitString", "bmpString", "string", "sequenceOf", "anytype".
    """

    def __init__(self, kind, **fields):
        self.kind = kind
        self.name = fields.get("name")            # class: qualified name
        self.lower = fields.get("lower", 0)       # bounds as written (may be negative)
        self.upper = fields.get("upper", 0)
        self.constraint = fields.get("constraint", FIXED)
        self.stringType = fields.get("stringType")
        self.alphabet = fields.get("alphabet")    # name: "IA5Set" or "H225::PermitedAlphabet0"
        self.element = fields.get("element")      # sequenceOf: TypeRef of the element
        self.held = fields.get("held")            # anytype: TypeRef of the held class

    def __eq__(self, other):
        return isinstance(other, TypeRef) and self.cpp(lambda a: (a, 0)) == other.cpp(lambda a: (a, 0))

    def __hash__(self):
        return hash(self.cpp(lambda a: (a, 0)))

    def isClass(self):
        return self.kind == "class"

    def referencedClasses(self):
        """Qualified names of every generated class this expression names."""
        if self.kind == "class":
            args = self.name[self.name.index("<"):] if "<" in self.name else ""
            return [self.name] + [n for n in re.findall(CLASS_NAME, args) if not n.startswith("asn::")]
        if self.kind == "sequenceOf":
            return self.element.referencedClasses()
        if self.kind == "anytype":
            return self.held.referencedClasses()
        return []

    def tableReferences(self):
        """Classes whose create function a descriptor or type record names for this expression."""
        if self.kind == "class":
            return [self.name]
        if self.kind == "sequenceOf":
            return self.element.tableReferences()
        if self.kind == "anytype":
            return self.held.tableReferences()
        return []

    def cpp(self, alphabetLookup):
        """The C++ type; alphabetLookup(name) -> (C++ expression, size)."""
        k = self.kind
        if k == "class":
            return self.name
        if k == "null":
            return "asn::null"
        if k == "boolean":
            return "asn::booltype"
        if k == "oid":
            return "asn::oid"
        if k == "integer":
            return f"asn::integer<{bound(self.lower)}, {bound(self.upper)}, {self.constraint}>"
        if k in ("octetString", "bitString", "bmpString"):
            return f"asn::{k}<{bound(self.lower)}, {bound(self.upper)}, {self.constraint}>"
        if k == "string":
            template = STRING_TYPES[self.stringType][0]
            expr, size = alphabetLookup(self.alphabet)
            return (f"{template}<{bound(self.lower)}, {bound(self.upper)}, {self.constraint}, "
                    f"{expr}, {size}u>")
        if k == "sequenceOf":
            element = self.element.cpp(alphabetLookup)
            return f"asn::sequenceOf<{element}, {bound(self.lower)}, {bound(self.upper)}, {self.constraint}>"
        if k == "anytype":
            return f"asn::anytype<{self.held.cpp(alphabetLookup)}>"
        raise AssertionError(k)


def bound(value):
    """A bound as the runtime stores it: unsigned 32-bit, negative in two's complement."""
    if value < -(1 << 31) or value > 0xFFFFFFFF:
        raise TypeExpressionError(f"bound {value} does not fit in 32 bits")
    return f"{value & 0xFFFFFFFF}u"


_SIZE = r"\(\s*SIZE\s*\(\s*(-?\d+)(?:\s*\.\.\s*(-?\d+))?\s*\)\s*\)"
_RANGE = r"\(\s*(-?\d+)\s*\.\.\s*(-?\d+|MAX)\s*(,\s*\.\.\.\s*)?\)"
_FROM = r"\(\s*FROM\s+([A-Za-z0-9_:]+)\s*\)"


def parseType(text):
    """Parses one type expression; raises TypeExpressionError on anything unknown."""
    t = " ".join(text.replace("`", "").split())
    if not t:
        raise TypeExpressionError("empty type")

    m = re.fullmatch(r"SEQUENCE(?:\s*" + _SIZE + r")?\s+OF\s+(.+)", t)
    if m:
        lower, upper = sizeBounds(m.group(1), m.group(2))
        return TypeRef("sequenceOf", lower=lower, upper=upper, element=parseType(m.group(3)))

    m = re.fullmatch(r"open type holding (" + CLASS_NAME + r") \(asn::anytype<\s*(" + CLASS_NAME + r")\s*>\)", t)
    if m:
        if m.group(1) != m.group(2):
            raise TypeExpressionError(f"open type holds {m.group(1)} but names asn::anytype<{m.group(2)}>")
        return TypeRef("anytype", held=TypeRef("class", name=m.group(1)))

    m = re.fullmatch(r"asn::anytype<\s*(" + CLASS_NAME + r")\s*>", t)
    if m:
        return TypeRef("anytype", held=TypeRef("class", name=m.group(1)))

    if t == "NULL":
        return TypeRef("null")
    if t == "BOOLEAN":
        return TypeRef("boolean")
    if t == "OBJECT IDENTIFIER":
        return TypeRef("oid")

    m = re.fullmatch(r"INTEGER(?:\s*" + _RANGE + r")?", t)
    if m:
        if m.group(1) is None:
            return TypeRef("integer")
        if m.group(2) == "MAX":
            lower = int(m.group(1))
            # The value model keeps 32 bits: a negative lower bound or an
            # extension marker would need a sign or a second form.
            if lower < 0 or lower > 0xFFFFFFFF:
                raise TypeExpressionError(f"the lower bound of {lower}..MAX is outside 0..4294967295")
            if m.group(3):
                raise TypeExpressionError("an extensible range without an upper bound")
            return TypeRef("integer", lower=lower, upper=0xFFFFFFFF, constraint=SEMI_CONSTRAINED)
        lower, upper = int(m.group(1)), int(m.group(2))
        if lower > upper:
            raise TypeExpressionError(f"empty range {lower}..{upper}")
        if lower == 0 and upper == 0:
            raise TypeExpressionError("the range 0..0 cannot be told from an unconstrained INTEGER")
        return TypeRef("integer", lower=lower, upper=upper,
                       constraint=EXTENSIBLE if m.group(3) else FIXED)

    for asn1, kind in (("OCTET STRING", "octetString"), ("BIT STRING", "bitString"), ("BMPString", "bmpString")):
        m = re.fullmatch(re.escape(asn1) + r"(?:\s*" + _SIZE + r")?", t)
        if m:
            lower, upper = sizeBounds(m.group(1), m.group(2))
            return TypeRef(kind, lower=lower, upper=upper)

    m = re.fullmatch(r"(IA5String|NumericString|PrintableString|GeneralString)(?:\s*" + _SIZE + r")?(?:\s*" + _FROM + r")?", t)
    if m:
        lower, upper = sizeBounds(m.group(2), m.group(3))
        alphabet = m.group(4) or STRING_TYPES[m.group(1)][1]
        return TypeRef("string", stringType=m.group(1), lower=lower, upper=upper, alphabet=alphabet)

    m = re.fullmatch(r"(" + CLASS_NAME + r")(<.*>)?", t)
    if m:
        name = m.group(1) + (normaliseTemplateArgs(m.group(2)) if m.group(2) else "")
        return TypeRef("class", name=name)

    raise TypeExpressionError(f"unknown type expression '{t}'")


def sizeBounds(lower, upper):
    if lower is None:
        return 0, 0
    lo = int(lower)
    hi = int(upper) if upper is not None else lo
    if lo < 0 or lo > hi:
        raise TypeExpressionError(f"bad size {lo}..{hi}")
    if lo == 0 and hi == 0:
        raise TypeExpressionError("SIZE (0) cannot be told from an unconstrained size")
    return lo, hi


def normaliseTemplateArgs(args):
    """'<asn::anytype<H235::clearToken> >' in one spelling: no inner blanks, '> >' kept."""
    compact = re.sub(r"\s+", "", args)
    while ">>" in compact:
        compact = compact.replace(">>", "> >")
    return compact

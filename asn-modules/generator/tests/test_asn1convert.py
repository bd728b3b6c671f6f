"""The converter from published ASN.1 to the description notation."""

import unittest

from asn1convert import ConversionError, convertText, stripComments
from asngen.checks import Checker
from asngen.description import parseModule


def convert(body):
    return convertText("Test DEFINITIONS AUTOMATIC TAGS ::=\nBEGIN\n" + body + "\nEND\n", "T", "test.asn")


def typeLines(body):
    """The description without its banner: the statements and types."""
    return [line for line in convert(body).split("\n") if line and not line.startswith("#")]


class Conversions(unittest.TestCase):
    # (ASN.1 text, lines of the description after 'module T' and 'classes:')
    CASES = [
        ("A ::= SEQUENCE { n INTEGER(0..255), o OCTET STRING OPTIONAL, ..., x BOOLEAN }",
         ["T::a: SEQUENCE, extensible; 2 root components, 1 extension addition.",
          '| "N" | mandatory | INTEGER (0..255) |',
          '| "O" | OPTIONAL | OCTET STRING |',
          '| "X" | addition | BOOLEAN |']),
        ("A ::= CHOICE { a NULL, b-c NULL, ..., d NULL }",
         ['T::a: CHOICE, extensible; 2 root alternatives, 1 extension alternative. Every alternative is NULL; '
          'by index: 0 "A"; 1 "B_c"; 2 "D" (addition).']),
        # A reference to a primitive or a list is written out in place.
        ("N ::= INTEGER(1..65535)\nL ::= SET SIZE (1..256) OF N\nA ::= SEQUENCE { l L, m SEQUENCE OF N }",
         ["T::a: SEQUENCE, not extensible; 2 root components, no extension additions.",
          '| "L" | mandatory | SEQUENCE (SIZE (1..256)) OF INTEGER (1..65535) |',
          '| "M" | mandatory | SEQUENCE OF INTEGER (1..65535) |']),
        # Inline types nest under the element's name, to any depth.
        ("A ::= SEQUENCE { mPI SEQUENCE { pcf SET SIZE (1..16) OF SEQUENCE { c INTEGER(1000..1001) } } }",
         ["T::a: SEQUENCE, not extensible; 1 root component, no extension additions.",
          '| "MPI" | mandatory | T::a::mPI_sequence |',
          "T::a::mPI_sequence: SEQUENCE, not extensible; 1 root component, no extension additions.",
          '| "Pcf" | mandatory | SEQUENCE (SIZE (1..16)) OF T::a::mPI_sequence::pcf_sequence |',
          "T::a::mPI_sequence::pcf_sequence: SEQUENCE, not extensible; 1 root component, no extension additions.",
          '| "C" | mandatory | INTEGER (1000..1001) |']),
        # Size and alphabet together; the alphabet in ascending order.
        ('A ::= CHOICE { s IA5String(SIZE (1) ^ FROM ("0123456789#*ABCD!")), '
         't NumericString(SIZE (0..40)), u BMPString(SIZE (1..128)), v GeneralString }',
         ["T::a: CHOICE, not extensible; 4 root alternatives, no extension alternatives.",
          '| 0 | "S" | root | IA5String (SIZE (1)) (FROM T::PermitedAlphabet0) |',
          '| 1 | "T" | root | NumericString (SIZE (0..40)) |',
          '| 2 | "U" | root | BMPString (SIZE (1..128)) |',
          '| 3 | "V" | root | GeneralString |']),
        # A type defined as another SEQUENCE repeats its list.
        ("M ::= SEQUENCE { a BIT STRING(SIZE (1..65535)) }\nI ::= M",
         ["T::m (the same list for T::i): SEQUENCE, not extensible; 1 root component, no extension additions.",
          '| "A" | mandatory | BIT STRING (SIZE (1..65535)) |']),
        # Negative, extensible and semi-constrained values; a SEQUENCE of nothing but its marker.
        ("A ::= SEQUENCE { x INTEGER(-262144..262143), y INTEGER(1..32768, ...), z INTEGER(1..MAX) }\n"
         "R ::= SEQUENCE { ... }",
         ["T::a: SEQUENCE, not extensible; 3 root components, no extension additions.",
          '| "X" | mandatory | INTEGER (-262144..262143) |',
          '| "Y" | mandatory | INTEGER (1..32768, ...) |',
          '| "Z" | mandatory | INTEGER (1..MAX) |',
          "T::r: SEQUENCE, extensible; no root components, no extension additions."]),
    ]

    def test_conversions(self):
        for asn1, expected in self.CASES:
            with self.subTest(asn1=asn1):
                lines = [line for line in typeLines(asn1)
                         if not line.startswith(("module ", "classes:", "alphabet "))]
                self.assertEqual(lines, expected)

    def test_classNamesFollowTheNamingRules(self):
        lines = typeLines("IV8 ::= SEQUENCE { a NULL }\nH235Media ::= SEQUENCE { b NULL }\n"
                          "MCLocation ::= SEQUENCE { c NULL }\nAtm-AAL5 ::= SEQUENCE { d NULL }")
        headings = [line.split(":", 2)[0] + "::" + line.split("::")[1].split(":")[0]
                    for line in lines if line.startswith("T::")]
        self.assertEqual(headings, ["T::iv8", "T::h235Media", "T::mCLocation", "T::atm_AAL5"])

    def test_statementsCountTheClassesAndNameTheAlphabets(self):
        lines = typeLines('A ::= CHOICE { s IA5String(FROM ("9#*,0")), b SEQUENCE { x NULL } }')
        self.assertIn("classes: 1 SEQUENCE, 1 CHOICE", lines)
        self.assertIn('alphabet PermitedAlphabet0 "#*,09"', lines)

    def test_theDescriptionPassesTheGeneratorsChecks(self):
        text = convert("A ::= SEQUENCE { c CHOICE { x NULL, y INTEGER }, ..., d A OPTIONAL }\n"
                       "M ::= SEQUENCE { a A }\nB ::= M\nS ::= SEQUENCE { ... }")
        module = parseModule(text, "test.types")
        Checker([module]).run()
        self.assertEqual([t.name for t in module.types], ["T::a", "T::a::c_choice", "T::m", "T::b", "T::s"])

    def test_commentsEndAtTheLineOrAtTheNextDoubleHyphen(self):
        self.assertEqual(stripComments("a -- one -- b -- two\nc"), ["a  b ", "c"])


class Refusals(unittest.TestCase):
    CASES = [
        ("A ::= SEQUENCE { a INTEGER { one(1) } }", "named numbers"),
        ("A ::= SEQUENCE { a B(SIZE (1)) }\nB ::= OCTET STRING", "constrained type reference"),
        ("A ::= SEQUENCE { a OCTET STRING(SIZE (1..n)) }", "value references"),
        ("A ::= SEQUENCE { a OCTET STRING(SIZE (1..4, ...)) }", "size constraint"),
        ("A ::= SEQUENCE { a NULL, ..., b NULL, ..., ... }", "a third extension marker"),
        ("A ::= SEQUENCE { a NULL, ..., b NULL, ..., c NULL }", "root items after"),
        ("A ::= SEQUENCE { a Unknown }", "unknown type Unknown"),
        ("A ::= B\nB ::= A\nC ::= SEQUENCE { c A }", "loop"),
        ("A ::= SET { a NULL }", "SET types"),
        ("A ::= SEQUENCE { a REAL }", "unknown type"),
        ("A ::= SEQUENCE { a NULL }\nA ::= SEQUENCE { b NULL }", "defined twice"),
        ("A ::= SEQUENCE { a NULL ", "expected ',', found 'END'"),
        ("A ::= SEQUENCE { c CHOICE { x NULL } }\nB ::= A", "holds inline types"),
        ("A ::= SEQUENCE { a BMPString(FROM (\"ab\")) }", "BMPString alphabet"),
        ("A ::= SEQUENCE { a INTEGER(1..MAX, ...) }", "INTEGER (1..MAX) is outside"),
        ("A ::= SEQUENCE { a INTEGER(-5..MAX) }", "INTEGER (-5..MAX) is outside"),
        ("A ::= SEQUENCE { a INTEGER(MIN..MAX) }", "INTEGER (MIN..MAX) is outside"),
    ]

    def test_refusals(self):
        for asn1, reason in self.CASES:
            with self.subTest(asn1=asn1):
                with self.assertRaises(ConversionError) as caught:
                    convert(asn1)
                self.assertIn(reason, str(caught.exception))


if __name__ == "__main__":
    unittest.main()

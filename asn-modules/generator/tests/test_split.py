"""A large module in several compile units, and SEQUENCE types of no components."""

import re
import unittest

from asngen.checks import Checker
from asngen.cpp import ModuleWriter
from asngen.description import parseModule
from asngen.errors import DescriptionError

TEXT = """module M
source files: {parts}
M::a: SEQUENCE, extensible; 1 root component, no extension additions.
| "X" | mandatory | INTEGER (0..255) |

M::b: SEQUENCE, extensible; no root components, no extension additions.

M::c: CHOICE, not extensible; 2 root alternatives, no extension alternatives.
| 0 | "A" | root | M::a |
| 1 | "B" | root | M::b |

M::d: SEQUENCE, not extensible; 1 root component, no extension additions.
| "C" | mandatory | M::c |
"""


def writer(parts):
    module = parseModule(TEXT.format(parts=parts), "m.types")
    Checker([module]).run()
    return ModuleWriter(module, [module], "m.types")


def definedTypes(source):
    """Class names whose create function a source defines."""
    return re.findall(r"asn::object\* (\w+)::create\(\)", source)


class SplitSources(unittest.TestCase):
    def test_everyTypeIsDefinedInExactlyOnePart(self):
        for parts in (1, 2, 3, 4):
            with self.subTest(parts=parts):
                w = writer(parts)
                sources = [w.source("m/m.h", part) for part in range(parts)]
                defined = [name for s in sources for name in definedTypes(s)]
                self.assertEqual(sorted(defined), ["a", "b", "c", "d"])
                catalogue = [w.cataloguePart(part) for part in range(parts)] if parts > 1 else [w.catalogue()]
                listed = [name for c in catalogue for name in re.findall(r'\{"(M::\w+)"', c)]
                self.assertEqual(listed, ["M::a", "M::b", "M::c", "M::d"])

    def test_theJoiningCatalogueCallsEveryPartInOrder(self):
        joined = writer(3).catalogue()
        self.assertEqual(re.findall(r"    (mCataloguePart\d)\(all\);", joined),
                         ["mCataloguePart1", "mCataloguePart2", "mCataloguePart3"])

    def test_aSequenceOfNoComponentsHasNoTables(self):
        source = writer(1).source("m/m.h")
        self.assertIn("const asn::sequenceDescriptor b::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);",
                      source)
        self.assertNotIn("bComponents", source)

    def test_refusals(self):
        cases = [
            (TEXT.format(parts=0), 2, "a module has 1 to 16 source files"),
            (TEXT.format(parts=17), 2, "a module has 1 to 16 source files"),
            (TEXT.format(parts=1).replace("M::b: SEQUENCE, extensible", "M::b: SEQUENCE, not extensible"), 6,
             "M::b: no rows"),
            (TEXT.format(parts=1) + "\nM::e: CHOICE, extensible; no root alternatives, no extension alternatives.\n",
             15, "M::e: no rows"),
        ]
        for text, line, message in cases:
            with self.subTest(message=message, line=line):
                with self.assertRaises(DescriptionError) as caught:
                    module = parseModule(text, "m.types")
                    Checker([module]).run()
                self.assertEqual(caught.exception.line, line)
                self.assertEqual(caught.exception.text, message)


if __name__ == "__main__":
    unittest.main()

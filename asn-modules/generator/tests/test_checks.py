"""A transcription slip in a description must stop the generator with the line at fault."""

import unittest

from asngen.checks import Checker
from asngen.description import parseModule
from asngen.errors import DescriptionError

BASE = """module M
M::address: CHOICE, extensible; 2 root alternatives, 1 extension alternative.
| 0 | "Digits" | root | IA5String (SIZE (1..128)) (FROM M::Digits) |
| 1 | "Name" | root | BMPString (SIZE (1..256)) |
| 2 | "Url_ID" | addition | IA5String (SIZE (1..512)) |

M::entry: SEQUENCE, extensible; 2 root components, 1 extension addition.
| "Id" | mandatory | INTEGER (0..255) |
| "Alias" | OPTIONAL | M::address |
| "Route" | addition | M::entry::route_choice |

M::entry::route_choice: CHOICE, not extensible; 2 root alternatives, no extension alternatives. Every alternative is NULL; by index: 0 "Strict"; 1 "Loose".
"""


def check(text, *others):
    modules = [parseModule(text, "m.types")] + [parseModule(o, "o.types") for o in others]
    Checker(modules).run()
    return modules[0]


class DescriptionChecks(unittest.TestCase):
    def assertSlip(self, text, line, message):
        with self.assertRaises(DescriptionError) as caught:
            check(text)
        self.assertEqual(caught.exception.line, line)
        self.assertEqual(caught.exception.text, message)

    def base(self):
        return BASE.replace("module M\n", 'module M\nalphabet Digits "#*,0123456789"\n')

    def test_aConsistentDescriptionPasses(self):
        module = check(self.base())
        self.assertEqual([t.name for t in module.types], ["M::address", "M::entry", "M::entry::route_choice"])
        self.assertEqual([r.element for r in module.types[2].rows], ["Strict", "Loose"])

    def test_aMissingRowIsCaught(self):
        text = self.base().replace('| 1 | "Name" | root | BMPString (SIZE (1..256)) |\n', "")
        self.assertSlip(text, 3, "M::address: the heading states 2 root and 1 extension rows, the list has 1 and 1")

    def test_aWrongExtensionCountIsCaught(self):
        text = self.base().replace("2 root components, 1 extension addition.", "2 root components, 2 extension additions.")
        self.assertSlip(text, 8, "M::entry: the heading states 2 root and 2 extension rows, the list has 2 and 1")

    def test_anInlineListIsCounted(self):
        text = self.base().replace('0 "Strict"; 1 "Loose".', '0 "Strict".')
        self.assertSlip(text, 13, "M::entry::route_choice: the heading states 2 root and 0 extension rows, "
                                  "the list has 1 and 0")

    def test_aSequenceHasAtMost32Roots(self):
        rows = "".join(f'| "Field{i}" | OPTIONAL | INTEGER (0..255) |\n' for i in range(32))
        tooMany = self.base().replace("2 root components, 1 extension addition.\n",
                                   "34 root components, 1 extension addition.\n" + rows)
        self.assertSlip(tooMany, 8, "M::entry: 34 root components, a SEQUENCE may have 32")
        check(tooMany.replace("34 root", "32 root").replace('| "Field30" | OPTIONAL | INTEGER (0..255) |\n', "")
              .replace('| "Field31" | OPTIONAL | INTEGER (0..255) |\n', ""))

    def test_alternativeIndicesMustFollowEachOther(self):
        text = self.base().replace('| 1 | "Name"', '| 3 | "Name"')
        self.assertSlip(text, 5, "M::address: alternative index 3, expected 1")

    def test_aRootRowAfterAnAdditionIsCaught(self):
        text = self.base().replace('| "Alias" | OPTIONAL | M::address |\n| "Route" | addition | M::entry::route_choice |',
                                   '| "Route" | addition | M::entry::route_choice |\n| "Alias" | OPTIONAL | M::address |')
        self.assertSlip(text, 11, "M::entry: a root row after an extension row")

    def test_anUnknownTypeIsCaught(self):
        text = self.base().replace('| "Alias" | OPTIONAL | M::address |', '| "Alias" | OPTIONAL | M::adress |')
        self.assertSlip(text, 10, "M::entry: unknown type M::adress")

    def test_anUnknownAlphabetIsCaught(self):
        text = self.base().replace("FROM M::Digits", "FROM M::Digit")
        self.assertSlip(text, 4, "unknown alphabet M::Digit")

    def test_aNestedTypeIsNamedAfterItsComponent(self):
        text = self.base().replace('| "Route" | addition', '| "Routing" | addition')
        self.assertSlip(text, 11, "M::entry::route_choice: nested type of 'Routing' must be named routing_choice")

    def test_elementNamesStartUpperCase(self):
        text = self.base().replace('"Id"', '"id"')
        self.assertSlip(text, 9, "M::entry: element name 'id' must start upper-case and hold only letters, digits and '_'")

    def test_aNotExtensibleTypeHasNoAdditions(self):
        text = self.base().replace("M::address: CHOICE, extensible;", "M::address: CHOICE, not extensible;")
        self.assertSlip(text, 3, "M::address: not extensible but has extension rows")

    def test_aMemberMustNotBeAKeyword(self):
        text = self.base().replace('"Id"', '"Default"')
        self.assertSlip(text, 9, "M::entry: member name 'default' is reserved")

    def test_sectionCountsAreChecked(self):
        text = self.base().replace("module M\n", 'module M\nsection "Everything": 4 types\n')
        self.assertSlip(text, 2, 'section "Everything" states 4 types, lists 3')

    def test_moduleClassCountsAreChecked(self):
        text = self.base().replace("module M\n", "module M\nclasses: 1 SEQUENCE, 1 CHOICE\n")
        self.assertSlip(text, 2, "module M states 1 CHOICE, lists 2")

    def test_noCreateOnAReferencedTypeIsCaught(self):
        text = self.base().replace("module M\n", "module M\nno create: M::address\n")
        self.assertSlip(text, 2, "M::address is marked 'no create' but a table refers to it")

    def test_anUnreadableHeadingIsCaught(self):
        text = self.base().replace("2 root components, 1 extension addition.", "two root components.")
        self.assertSlip(text, 8, "cannot read the counts of a SEQUENCE: 'two root components.'")

    def test_aSameListHeadingMakesEqualTypes(self):
        text = self.base().replace("M::entry: SEQUENCE", "M::entry (the same list for M::other): SEQUENCE")
        text = text.replace('| "Route" | addition | M::entry::route_choice |\n', "").replace(
            "1 extension addition.", "no extension additions.").split("\nM::entry::route_choice")[0]
        module = check(text)
        other = module.find("M::other")
        self.assertEqual([r.element for r in other.rows], ["Id", "Alias"])

    def test_templateInstancesMustAgree(self):
        text = """module P
P::item: SEQUENCE, not extensible; 1 component.
| "Id" | mandatory | INTEGER |
P::hashed<asn::anytype<P::item> >: SEQUENCE, not extensible; 1 component.
| "Hash" | mandatory | BIT STRING |
P::hashed<asn::anytype<P::other> >: SEQUENCE, not extensible; 1 component.
| "Hash" | mandatory | OCTET STRING |
P::other: SEQUENCE, not extensible; 1 component.
| "Id" | mandatory | INTEGER |
"""
        self.assertSlip(text, 4, "instances of P::hashed differ in their lists")

    def test_namedIntegersAndSequenceOfNestedTypes(self):
        text = """module X
X::problem: INTEGER with named values (unconstrained); 2 names.
| 0 | "Unrecognized" |
| 5 | "Mistyped" |
X::report: SEQUENCE, extensible; 1 root component, no extension additions.
| "Item" | mandatory | SEQUENCE OF X::report::item_sequence |
X::report::item_sequence: SEQUENCE, not extensible; 1 component.
| "Problem" | mandatory | X::problem |
"""
        module = check(text)
        self.assertEqual([r.value for r in module.find("X::problem").rows], [0, 5])
        with self.assertRaises(DescriptionError) as caught:
            check(text.replace('| 5 | "Mistyped" |', '| 1 | "Mistyped" |').replace("| 0 |", "| 3 |"))
        self.assertEqual(caught.exception.text, "X::problem: values must ascend without repeats")
        with self.assertRaises(DescriptionError) as caught:
            check(text.replace("(unconstrained);", "(unconstrained), extensible;"))
        self.assertEqual(caught.exception.text,
                         "say 'extensible' or 'not extensible' (an INTEGER with named values has no marker)")

    def test_aMemberNamedLikeItsClassTakesAnUnderscore(self):
        module = check("module H\nH::icv: SEQUENCE, not extensible; 1 component.\n| \"Icv\" | mandatory | BIT STRING |\n")
        self.assertEqual(module.find("H::icv").rows[0].memberIn("icv"), "icv_")

    def test_typesFromAnotherModuleNeedUses(self):
        other = "module O\nO::thing: CHOICE, extensible; 1 alternative.\n| 0 | \"Nothing\" | NULL |\n"
        text = "module M\nM::holder: SEQUENCE, extensible; 1 component.\n| \"Thing\" | mandatory | O::thing |\n"
        with self.assertRaises(DescriptionError) as caught:
            check(text, other)
        self.assertEqual(caught.exception.text, "M::holder: O::thing needs 'uses O'")
        check(text.replace("module M\n", "module M\nuses O\n"), other)


if __name__ == "__main__":
    unittest.main()

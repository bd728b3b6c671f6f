"""Type expressions of the rows and the runtime template instances they stand for."""

import unittest

from asngen.typeref import TypeExpressionError, parseType

ALPHABETS = {"IA5Set": ("asn::constrainedString::IA5Set", 128),
             "PrintableSet": ("asn::constrainedString::PrintableSet", 74),
             "H225::PermitedAlphabet0": ("H225::PermitedAlphabet0", 13)}


def cpp(text):
    return parseType(text).cpp(lambda name: ALPHABETS[name])


class TypeExpressions(unittest.TestCase):
    def test_integers(self):
        self.assertEqual(cpp("INTEGER"), "asn::integer<0u, 0u, 1>")
        self.assertEqual(cpp("INTEGER (1..65535)"), "asn::integer<1u, 65535u, 1>")
        self.assertEqual(cpp("INTEGER (0..16383, ...)"), "asn::integer<0u, 16383u, 2>")
        self.assertEqual(cpp("INTEGER (-262144..262143)"), "asn::integer<4294705152u, 262143u, 1>")
        self.assertEqual(cpp("INTEGER (0..4294967295)"), "asn::integer<0u, 4294967295u, 1>")
        self.assertEqual(cpp("INTEGER (1..MAX)"), "asn::integer<1u, 4294967295u, 3>")
        self.assertEqual(cpp("INTEGER (0..MAX)"), "asn::integer<0u, 4294967295u, 3>")

    def test_sizedStrings(self):
        self.assertEqual(cpp("OCTET STRING"), "asn::octetString<0u, 0u, 1>")
        self.assertEqual(cpp("OCTET STRING (SIZE (16))"), "asn::octetString<16u, 16u, 1>")
        self.assertEqual(cpp("OCTET STRING (SIZE(8..128))"), "asn::octetString<8u, 128u, 1>")
        self.assertEqual(cpp("BIT STRING (SIZE(0..2048))"), "asn::bitString<0u, 2048u, 1>")
        self.assertEqual(cpp("BMPString (SIZE (1..256))"), "asn::bmpString<1u, 256u, 1>")

    def test_restrictedStrings(self):
        self.assertEqual(cpp("IA5String (SIZE (1..128)) (FROM H225::PermitedAlphabet0)"),
                         "asn::IA5String<1u, 128u, 1, H225::PermitedAlphabet0, 13u>")
        self.assertEqual(cpp("IA5String"), "asn::IA5String<0u, 0u, 1, asn::constrainedString::IA5Set, 128u>")
        self.assertEqual(cpp("PrintableString"),
                         "asn::printableString<0u, 0u, 1, asn::constrainedString::PrintableSet, 74u>")

    def test_lists(self):
        self.assertEqual(cpp("SEQUENCE OF H225::aliasAddress"), "asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>")
        self.assertEqual(cpp("SEQUENCE (SIZE (1..512)) OF H225::enumeratedParameter"),
                         "asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>")
        self.assertEqual(cpp("SEQUENCE OF OCTET STRING (SIZE (4))"),
                         "asn::sequenceOf<asn::octetString<4u, 4u, 1>, 0u, 0u, 1>")

    def test_openTypesAndTemplates(self):
        self.assertEqual(cpp("open type holding H235::clearToken (`asn::anytype<H235::clearToken>`)"),
                         "asn::anytype<H235::clearToken>")
        self.assertEqual(cpp("`H235::hashed<asn::anytype<H235::clearToken>>`"),
                         "H235::hashed<asn::anytype<H235::clearToken> >")
        self.assertEqual(parseType("H235::signed_t<asn::anytype<H235::returnSig> >").referencedClasses(),
                         ["H235::signed_t<asn::anytype<H235::returnSig> >", "H235::returnSig"])

    def test_unknownOrAmbiguousExpressionsAreRefused(self):
        for text in ("INTEGER (5..1)", "OCTET STRING (SIZE (0))", "REAL", "INTEGER (0..0)",
                     "INTEGER (-1..MAX)", "INTEGER (1..MAX, ...)", "INTEGER (4294967296..MAX)",
                     "OCTET STRING (SIZE (1..MAX))",
                     "open type holding H235::clearToken (asn::anytype<H235::returnSig>)"):
            with self.assertRaises(TypeExpressionError, msg=text):
                parseType(text)


if __name__ == "__main__":
    unittest.main()

"""Checks the module descriptions, then writes the generated files or proves them current.

    generate.py                 write every generated file of asn-modules/
    generate.py --check         write nothing; fail when a generated file differs
    generate.py --check-only    check the descriptions alone
"""

import argparse
import glob
import os
import sys

from .checks import Checker
from .cpp import ModuleWriter
from .description import readModule
from .errors import DescriptionError

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INDEX = "tests/support/catalogues.cpp"


def loadModules(directory):
    paths = sorted(glob.glob(os.path.join(directory, "*.types")))
    if not paths:
        raise DescriptionError(directory, 0, "no module descriptions (*.types)")
    modules = [readModule(p) for p in paths]
    Checker(modules).run()
    return modules


def generatedFiles(modules, modulesDirectory):
    """{path relative to asn-modules/: contents}."""
    files = {}
    for module in modules:
        lower = module.namespace.lower()
        description = "asn-modules/generator/modules/" + os.path.basename(module.source)
        if os.path.abspath(modulesDirectory) != os.path.join(HERE, "modules"):
            description = os.path.basename(module.source)
        writer = ModuleWriter(module, modules, description)
        header = f"{lower}/{lower}.h"
        files[f"include/{header}"] = writer.header()
        if module.sourceFiles == 1:
            files[f"src/{lower}/{lower}.cpp"] = writer.source(header)
        else:
            for part in range(module.sourceFiles):
                files[f"src/{lower}/{lower}_{part + 1}.cpp"] = writer.source(header, part)
        files[f"tests/support/{lower}Catalogue.cpp"] = writer.catalogue()
        if module.sourceFiles > 1:
            for part in range(module.sourceFiles):
                files[f"tests/support/{lower}Catalogue_{part + 1}.cpp"] = writer.cataloguePart(part)
    files[INDEX] = catalogueIndex(modules)
    return files


def catalogueIndex(modules):
    """Every module's catalogue in one list, so that a new module joins the tests by itself."""
    names = [m.namespace for m in sorted(modules, key=lambda m: m.namespace)]
    out = ["// Generated from asn-modules/generator/modules/*.types by asn-modules/generator/generate.py.",
           "// Generated file, do not edit: change the description and run the generator.",
           '#include "typeCatalogue.h"', ""]
    out += [f"const std::vector<catalogueEntry>& {n.lower()}Catalogue();" for n in names]
    out += ["", "const std::vector<moduleCatalogue>& allCatalogues() {",
            "  static const std::vector<moduleCatalogue> modules = {"]
    out += [f'      {{"{n}", &{n.lower()}Catalogue()}},' for n in names]
    out += ["  };", "  return modules;", "}"]
    return "\n".join(out) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--modules", default=os.path.join(HERE, "modules"),
                        help="directory of the *.types descriptions")
    parser.add_argument("--output", default=os.path.dirname(HERE), help="the asn-modules directory")
    parser.add_argument("--check", action="store_true", help="compare with the files in --output, write nothing")
    parser.add_argument("--check-only", action="store_true", help="check the descriptions, write nothing")
    parser.add_argument("--stamp", help="file to touch after a successful --check")
    args = parser.parse_args(argv)
    try:
        modules = loadModules(args.modules)
        files = generatedFiles(modules, args.modules)
    except DescriptionError as e:
        print(f"error: {e}", file=sys.stderr)
        return 1
    if args.check_only:
        return 0
    stale = []
    for relative, contents in sorted(files.items()):
        if args.check and relative == INDEX:
            # The index of every module changes with each new module; a stale
            # one leaves a module out of the table-driven tests but breaks
            # nothing, so it is written, never demanded.
            continue
        path = os.path.join(args.output, relative)
        current = None
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                current = f.read()
        if current == contents:
            continue
        if args.check:
            stale.append(relative)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(contents)
        print(f"wrote {relative}")
    if stale:
        for relative in stale:
            print(f"error: {relative} is not what the descriptions generate; "
                  "run asn-modules/generator/generate.py", file=sys.stderr)
        return 1
    if args.stamp:
        with open(args.stamp, "w", encoding="utf-8") as f:
            f.write("generated files are current\n")
    return 0

"""Order of the class definitions: a class comes after every class it holds by value.

Nested classes are defined inside their enclosing class, so a top-level type
with its nested types is one unit; so is a class template with all its
instances.
"""

from .errors import DescriptionError
from .model import SEQUENCE, splitQualified


class Unit:
    def __init__(self, key, types):
        self.key = key              # top-level name, or the template name
        self.types = types          # TypeDef of the unit (the template: one per instance)
        self.children = {}          # qualified name -> list of TypeDef nested directly in it

    @property
    def isTemplate(self):
        return self.types[0].templateName is not None

    @property
    def root(self):
        return self.types[0]


def unitKey(name):
    """The unit that defines a class name: its top-level type or its template."""
    parts = splitQualified(name)
    top = "::".join(parts[:2])
    return top.split("<", 1)[0] if "<" in top else top


def valueDependencies(type_):
    """Class names that must be complete where a member of this type is held by value."""
    if type_.kind == "class":
        return [type_.name] + type_.referencedClasses()[1:]
    if type_.kind in ("sequenceOf", "anytype"):
        return type_.referencedClasses()
    return []


def orderUnits(module):
    """The module's units in an order that defines every by-value member's class first."""
    units = {}
    for t in module.types:
        if t.descriptorOnly:
            continue
        key = unitKey(t.name)
        unit = units.setdefault(key, Unit(key, []))
        if t.parentName is None:
            unit.types.append(t)
        else:
            unit.children.setdefault(t.parentName, []).append(t)
    for unit in units.values():
        if not unit.types:
            raise DescriptionError(module.source, 0, f"nested types of {unit.key} without the type itself")

    def needs(unit):
        found = set()
        for t in allTypes(unit):
            if t.kind != SEQUENCE:
                continue
            for row in t.rows:
                if row.byPointer:
                    continue
                for name in valueDependencies(row.type):
                    key = unitKey(name)
                    if key in units and key != unit.key:
                        found.add(key)
        return found

    order, state = [], {}

    def visit(key, trail):
        if state.get(key) == "done":
            return
        if state.get(key) == "visiting":
            raise DescriptionError(module.source, units[key].root.line,
                                   "classes hold each other by value: " + " -> ".join(trail + [key]))
        state[key] = "visiting"
        for other in sorted(needs(units[key])):
            visit(other, trail + [key])
        state[key] = "done"
        order.append(units[key])

    for t in module.types:
        if not t.descriptorOnly:
            visit(unitKey(t.name), [])
    return order


def allTypes(unit):
    result = list(unit.types)
    for children in unit.children.values():
        result.extend(children)
    return result


def orderSiblings(siblings, children):
    """Nested classes of one parent, each after the siblings it holds by value."""
    names = {t.name for t in siblings}

    def subtree(t):
        result = [t]
        for c in children.get(t.name, []):
            result.extend(subtree(c))
        return result

    def needs(t):
        found = set()
        for inner in subtree(t):
            if inner.kind != SEQUENCE:
                continue
            for row in inner.rows:
                if row.byPointer:
                    continue
                for name in valueDependencies(row.type):
                    for candidate in names:
                        if candidate != t.name and (name == candidate or name.startswith(candidate + "::")):
                            found.add(candidate)
        return found

    order, done = [], set()

    def visit(t, trail):
        if t.name in done:
            return
        if t.name in trail:
            raise DescriptionError("", t.line, f"nested classes hold each other by value: {t.name}")
        for other in sorted(needs(t)):
            visit(next(s for s in siblings if s.name == other), trail + [t.name])
        done.add(t.name)
        order.append(t)

    for t in siblings:
        visit(t, [])
    return order

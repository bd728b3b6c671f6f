"""Errors of the generator, each naming the description line at fault."""


class DescriptionError(Exception):
    def __init__(self, source, line, message):
        super().__init__(f"{source}:{line}: {message}")
        self.source = source
        self.line = line
        self.text = message

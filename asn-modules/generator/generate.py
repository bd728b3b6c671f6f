#!/usr/bin/env python3
"""Checks the module descriptions and writes the generated classes."""
import sys
from asngen.main import main
sys.exit(main(sys.argv[1:]))

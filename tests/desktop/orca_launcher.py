#!/usr/bin/python3
"""Starts the Orca screen reader with its own command line, with two changes for a test desktop.

- Orca's --replace ends every Orca of the user by name, and without it Orca refuses to start while
  another one runs anywhere on the machine, even on another desktop. This one neither looks for nor
  ends other instances: it runs on the test's own buses only.
- Its debug file is written line by line, so that the test reads what was said while Orca runs.
"""
import builtins
import runpy
import sys

launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
namespace = launcher["main"].__globals__
namespace["otherOrcas"] = lambda: []
namespace["open"] = lambda name, mode="r": builtins.open(name, mode, buffering=1)
sys.argv[0] = "orca"
sys.exit(launcher["main"]())

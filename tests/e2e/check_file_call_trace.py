#!/usr/bin/env python3
"""Reads a Wine relay trace of file calls (scripts/wine-relay), keeps those of the program's own processes, and
checks the form of every path they were given: a path of 260 characters or more carries the \\\\?\\ prefix, a
shorter one is passed as it is.

    check_file_call_trace.py TRACE_FILE

The trace cuts a text past about 300 characters and marks it with "...: a cut path is a long one. The check also
fails when the trace holds no long path for one of the calls that must have met one, so that it cannot pass on a
run that reached no deep folder."""
import re
import sys

LIMIT = 260
PREFIX = "\\\\?\\"
# "pid:tid:Call KERNEL32.MoveFileW(...)"; the program's processes are those that load its file.
CALL = re.compile(r'^([0-9a-f]+):[0-9a-f]+:Call (?:KERNEL32|KERNELBASE)\.(\w+)\((.*)$')
PROGRAM_LOADED = re.compile(r'^([0-9a-f]+):[0-9a-f]+:trace:loaddll:.*Loaded L".*\\\\TarvelleRename\.exe"', re.I)
TEXT = re.compile(r'L"((?:[^"\\]|\\.)*)"(\.\.\.)?')
ESCAPE = re.compile(r'\\(x[0-9a-fA-F]{2,4}|u[0-9a-fA-F]{4}|.)')
# Calls that a run through a folder beyond 300 characters must have made on a long path.
MUST_MEET_LONG = {"MoveFileW", "CreateFileW", "GetFileAttributesW", "DeleteFileW", "FindFirstChangeNotificationW"}
LISTINGS = {"FindFirstFileW", "FindFirstFileExW"}


def unescaped(text):
    """The text as the program gave it, each character Wine wrote as an escape counted once."""
    return ESCAPE.sub(lambda m: m.group(1) if len(m.group(1)) == 1 else "?", text)


def main(path):
    faults = []
    long_calls = set()
    short_calls = 0
    program = set()
    with open(path, encoding="utf-8", errors="replace") as trace:
        for number, line in enumerate(trace, 1):
            loaded = PROGRAM_LOADED.match(line)
            if loaded:
                program.add(loaded.group(1))
            call = CALL.match(line)
            if not call or call.group(1) not in program:
                continue
            function = call.group(2)
            for text, cut in TEXT.findall(call.group(3)):
                shown = unescaped(text)
                length = len(shown)
                if shown.startswith(PREFIX):
                    if cut or length >= LIMIT + len(PREFIX):
                        long_calls.add(function)
                    else:
                        faults.append(f"line {number}: {function} given a prefixed path of {length} characters")
                elif cut or length >= LIMIT:
                    faults.append(f"line {number}: {function} given a long path without the prefix: {shown[:80]}...")
                else:
                    short_calls += 1
    if not program:
        faults.append("the program was never started")
    missing = sorted(MUST_MEET_LONG - long_calls)
    if missing:
        faults.append("no call on a long path seen for: " + ", ".join(missing))
    if not long_calls & LISTINGS:
        faults.append("no listing of a long path seen")
    if short_calls == 0:
        faults.append("no call on a short path seen")
    for fault in faults:
        print(fault)
    print(f"{len(long_calls)} functions met long paths ({', '.join(sorted(long_calls))}); "
          f"{short_calls} short paths passed as they are")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

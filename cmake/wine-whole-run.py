#!/usr/bin/env python3
"""Runs every case of a Windows test program in one Wine process and files each case's result.

Starting a Windows program under Wine costs a few tenths of a second, more than most cases
take, so each program runs its cases once, together, and each case's own CTest test
(cmake/wine-case.sh) reports the result filed for it here: "[       OK ]", "[  SKIPPED ]" or
the case's failure messages and "[  FAILED  ]". A case with no result filed (the program
crashed, hung or was stopped before its report) runs on its own instead, so every case still
ends with a result of its own. This run itself always passes: a failure is its cases' to show.

Usage: wine-whole-run.py PREFIX RESULTS PROGRAM [ARGUMENTS...]
"""

import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine-run.sh")


def result_file(results, case):
    """Where the result of `case` ("Suite.Name", with "/" in parameterised names) is filed."""
    return os.path.join(results, case.replace("/", ":"))


def file_results(report, results):
    """Files each case of GoogleTest's XML `report`; returns (passed, failed, skipped)."""
    counts = [0, 0, 0]
    for suite in ElementTree.parse(report).getroot().iter("testsuite"):
        for case in suite.iter("testcase"):
            name = suite.get("name") + "." + case.get("name")
            failures = [f.text or f.get("message", "") for f in case.iter("failure")]
            skipped = case.get("result") == "skipped" or case.find("skipped") is not None
            if case.get("status") == "notrun":
                continue
            lines = ["[ RUN      ] " + name]
            lines += failures
            if failures:
                lines.append("[  FAILED  ] " + name)
                counts[1] += 1
            elif skipped:
                lines.append("[  SKIPPED ] " + name)
                counts[2] += 1
            else:
                lines.append("[       OK ] " + name)
                counts[0] += 1
            with open(result_file(results, name), "w", encoding="utf-8") as out:
                out.write("\n".join(lines) + "\n")
    return counts


def main():
    prefix, results, program, arguments = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    shutil.rmtree(results, ignore_errors=True)
    os.makedirs(results)
    report = os.path.join(results, "report.xml")
    # The program writes its report through Wine's drive for the Unix root.
    command = [WINE_RUN, prefix, program, "--gtest_output=xml:Z:" + report] + arguments
    run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, check=False)
    output = run.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    name = os.path.basename(program)
    if not os.path.exists(report):
        print(output[-4000:])
        print(f"{name} ended with status {run.returncode} before its report: each case runs on its own")
        return 0
    try:
        passed, failed, skipped = file_results(report, results)
    except ElementTree.ParseError as error:
        print(f"{name}'s report cannot be read ({error}): each case runs on its own")
        return 0
    print(f"{name}: {passed} passed, {failed} failed, {skipped} skipped in one run (status {run.returncode})")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Every program the build and the tests call must come from the set-up script's packages.

A fresh Debian 12 has only its essential and required packages; everything else the build or
the tests start has to be installed by scripts/install-deps.sh. This collects the programs:
  - the build's: every executable the configured build tree's CMakeCache.txt points at (the
    compilers, the generator, ccache, and each find_program), and the generator the build
    script names;
  - the tests': program names written in the test sources (absolute /bin and /usr/bin paths,
    bare names given to RunProcess, QProcess or findExecutable);
and asks dpkg which package provides each. A program passes when that package is in the
script's list, depends on by one in it (recursively), or is part of every Debian system
(Essential or Priority required).

  check_programs.py SOURCE_DIR BUILD_DIR
"""

import os
import re
import shutil
import subprocess
import sys

TEST_SOURCE_SUFFIXES = (".cpp", ".h", ".py", ".sh")

# Program names as the test sources write them.
PATTERNS = [
    re.compile(r'"((?:/usr)?/s?bin/[\w.+-]+)"'),
    re.compile(r'RunProcess\(\{"([\w.+-]+)"'),
    re.compile(r'setProgram\((?:QStringLiteral\()?"([\w.+/-]+)"'),
    re.compile(r'findExecutable\((?:QStringLiteral\()?"([\w.+-]+)"'),
]


def listed_packages(source_dir):
    out = subprocess.run([os.path.join(source_dir, "scripts/install-deps.sh"), "--list"],
                         check=True, capture_output=True, text=True).stdout
    return {line.strip() for line in out.splitlines() if line.strip()}


def build_programs(source_dir, build_dir):
    """(program, where it was named) for the build."""
    found = []
    cache = os.path.join(build_dir, "CMakeCache.txt")
    with open(cache, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = re.match(r"^([A-Za-z0-9_]+):FILEPATH=(.+)$", line.strip())
            if not m:
                continue
            path = m.group(2)
            if os.path.isfile(path) and os.access(path, os.X_OK) and not path.startswith(build_dir):
                found.append((path, "CMakeCache.txt " + m.group(1)))
    with open(os.path.join(source_dir, "scripts/build.sh"), encoding="utf-8") as f:
        if re.search(r"-G\s+Ninja\b", f.read()):
            found.append(("ninja", "scripts/build.sh (-G Ninja)"))
    return found


def test_programs(source_dir):
    found = []
    tests = os.path.join(source_dir, "tests")
    for root, _dirs, files in os.walk(tests):
        for name in files:
            if not name.endswith(TEST_SOURCE_SUFFIXES):
                continue
            path = os.path.join(root, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for pattern in PATTERNS:
                for m in pattern.finditer(text):
                    where = os.path.relpath(path, source_dir) + ":" + str(text.count("\n", 0, m.start()) + 1)
                    found.append((m.group(1), where))
    return found


def installed_graph():
    """Installed packages: name -> (essential or required, dependency names)."""
    fmt = "${Package}\t${db:Status-Status}\t${Essential}\t${Priority}\t${Pre-Depends}, ${Depends}\t${Provides}\n"
    out = subprocess.run(["dpkg-query", "-W", "-f=" + fmt], check=True, capture_output=True, text=True).stdout
    base, deps, providers = {}, {}, {}
    for line in out.splitlines():
        name, status, essential, priority, depends, provides = (line.split("\t") + [""] * 6)[:6]
        if status != "installed":
            continue
        base[name] = essential == "yes" or priority == "required"
        names = []
        for clause in depends.split(","):
            for alternative in clause.split("|"):
                dep = alternative.strip().split(" ")[0].split(":")[0]
                if dep:
                    names.append(dep)
        deps.setdefault(name, []).extend(names)
        for p in provides.split(","):
            p = p.strip().split(" ")[0]
            if p:
                providers.setdefault(p, []).append(name)
    return base, deps, providers


def closure(roots, deps, providers):
    seen, todo = set(), list(roots)
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo.extend(deps.get(name, []))
        todo.extend(providers.get(name, []))
    return seen


def candidate_paths(path):
    candidates = [path, os.path.realpath(path)]
    for p in list(candidates):
        # merged /usr: a package may ship /bin/x while the path says /usr/bin/x, or the reverse
        candidates.append(p[4:] if p.startswith("/usr/") else "/usr" + p)
    return candidates


def owners(paths):
    """path -> package, for every path some package ships (one dpkg call: each is slow)."""
    r = subprocess.run(["dpkg", "-S"] + sorted(set(paths)), capture_output=True, text=True)
    result = {}
    for line in r.stdout.splitlines():
        if line.startswith("diversion ") or ": " not in line:
            continue
        package, path = line.split(": ", 1)
        result[path.strip()] = package.split(",")[0].split(":")[0].strip()
    return result


def main():
    source_dir, build_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    listed = listed_packages(source_dir)
    base, deps, providers = installed_graph()
    allowed = closure(listed, deps, providers) | {p for p, b in base.items() if b}

    programs = build_programs(source_dir, build_dir) + test_programs(source_dir)
    failures, resolved = [], []
    for program, where in programs:
        path = program if program.startswith("/") else shutil.which(program)
        if path is None or not os.path.exists(path):
            failures.append(f"{program} (named in {where}) is not installed: add its package to scripts/install-deps.sh")
        else:
            resolved.append((path, where))
    owner = owners([c for path, _ in resolved for c in candidate_paths(path)])
    checked = set()
    for path, where in resolved:
        checked.add(path)
        package = next((owner[c] for c in candidate_paths(path) if c in owner), None)
        if package is None:
            failures.append(f"{path} (named in {where}) belongs to no Debian package")
        elif package not in allowed:
            failures.append(f"{path} (named in {where}) comes from {package}, which scripts/install-deps.sh does not install")

    for line in failures:
        print("FAIL: " + line)
    print(f"{len(checked)} programs checked, {len(failures)} not provided by the set-up script")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

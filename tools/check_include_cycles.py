#!/usr/bin/python3
"""Fails when the folders of src/, gui/ and cli/ include each other in a cycle.

Every quoted #include names a file; the folder of the including file then depends on the
folder of the included one. A subfolder builds on the folders above it (design/conversion
on design, gui/analysis on gui): its includes of them are not counted, while theirs of it
are. Any other cycle between folders fails, with the includes that close it.

PENDING lists the includes that still close a cycle and are yet to be cut; they are left out
of the graph. One that is no longer there fails the check too, so that the list only
shrinks.

Usage: check_include_cycles.py SOURCE_DIR
"""

import os
import re
import sys

TOPS = ("src", "gui", "cli")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')

# Include roots in which a quoted name is looked up, after the including file's own folder.
ROOTS = {"src": ["src"], "gui": ["gui", "src"], "cli": ["cli", "src"]}


PENDING = set()


def source_files(root):
    files = {}
    for top in TOPS:
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    path = os.path.relpath(os.path.join(folder, name), root)
                    with open(os.path.join(root, path), encoding="utf-8") as text:
                        files[path] = [m.group(1) for line in text if (m := INCLUDE.match(line))]
    return files


def resolve(files, including, name):
    candidates = [os.path.normpath(os.path.join(os.path.dirname(including), name))]
    candidates += [f"{root}/{name}" for root in ROOTS[including.split("/")[0]]]
    return next((c for c in candidates if c in files), None)


def folder_edges(files):
    """{(from folder, to folder): [the includes that make the edge]}"""
    edges = {}
    for including, names in files.items():
        for name in names:
            included = resolve(files, including, name)
            if included is None:
                continue  # a system or third-party header
            a, b = os.path.dirname(including), os.path.dirname(included)
            include = f"{including} -> {included}"
            if a == b or a.startswith(b + "/") or include in PENDING:
                continue
            edges.setdefault((a, b), []).append(include)
    return edges


def all_includes(files):
    return {f"{a} -> {resolve(files, a, name)}" for a, names in files.items() for name in names}


def cycles(edges):
    """The strongly connected groups of more than one folder (Tarjan)."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, []).append(b)
        graph.setdefault(b, [])
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in graph[v]:
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    files = source_files(root)
    edges = folder_edges(files)
    found = cycles(edges)
    gone = sorted(PENDING - all_includes(files))
    for include in gone:
        print("no longer there, to be taken off PENDING: " + include)
    for group in found:
        print("include cycle between the folders " + ", ".join(group) + ":")
        for (a, b), includes in sorted(edges.items()):
            if a in group and b in group:
                for include in includes:
                    print("    " + include)
    if found or gone:
        return 1
    print(f"no include cycle between {len({f for e in edges for f in e})} folders")
    return 0


if __name__ == "__main__":
    sys.exit(main())

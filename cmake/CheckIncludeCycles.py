#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails when the libraries include each other in a circle.

CheckIncludeCycles.py SRC_DIR LIBRARY_SOURCES

LIBRARY_SOURCES is written at configure time (cuescroll_list_libraries): one "library path" a line,
the path under SRC_DIR. A header no library lists belongs to the library that compiles the .cpp of
the same name. Library A uses B when a file of A includes a file of B; every circle of such uses is
printed with one include that makes each step.
"""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_owners(path):
    owner = {}
    for line in open(path, encoding="utf-8"):
        parts = line.split()
        if len(parts) == 2:
            # A file compiled into two libraries counts for the first.
            owner.setdefault(parts[1], parts[0])
    for path_, lib in list(owner.items()):
        stem, ext = os.path.splitext(path_)
        if ext == ".cpp":
            owner.setdefault(stem + ".h", lib)
    return owner


def uses(src, owner):
    """{library: {used library: (file, included)}}, one include kept as the witness."""
    edges = {}
    for path, lib in sorted(owner.items()):
        full = os.path.join(src, path)
        if not os.path.exists(full):
            continue
        text = open(full, encoding="utf-8").read()
        for name in INCLUDE.findall(text):
            beside = os.path.normpath(os.path.join(os.path.dirname(path), name))
            target = beside if beside in owner else os.path.normpath(name)
            other = owner.get(target)
            if other and other != lib:
                edges.setdefault(lib, {}).setdefault(other, (path, name))
    return edges


def components(nodes, edges):
    """Strongly connected components (Tarjan), those of more than one library."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(edges.get(v, {})):
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
                found.append(sorted(group))

    sys.setrecursionlimit(10000)
    for v in sorted(nodes):
        if v not in index:
            visit(v)
    return found


def circle(start, group, edges):
    """The shortest way from start back to itself inside the group."""
    paths = {start: [start]}
    todo = [start]
    while todo:
        v = todo.pop(0)
        for w in sorted(edges.get(v, {})):
            if w == start:
                return paths[v] + [start]
            if w in group and w not in paths:
                paths[w] = paths[v] + [w]
                todo.append(w)
    return [start]


def main():
    src, sources = sys.argv[1], sys.argv[2]
    owner = read_owners(sources)
    if not any(os.path.exists(os.path.join(src, p)) for p in owner):
        print(f"No file of {sources} is found under {src}")
        return 2
    edges = uses(src, owner)
    groups = components(set(owner.values()), edges)
    if not groups:
        libs = len(set(owner.values()))
        print(f"The include graph of {libs} libraries ({len(owner)} files) has no circle")
        return 0
    for group in groups:
        print("Libraries that include each other in a circle: " + ", ".join(group))
        way = circle(group[0], set(group), edges)
        for a, b in zip(way, way[1:]):
            path, name = edges[a][b]
            print(f"  {a} -> {b}: {path} includes \"{name}\"")
    return 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Checks that every statement of a recorded run reaches the per-user tables (T_P...) through
an index: EXPLAIN QUERY PLAN on a SQLite store, EXPLAIN on a PostgreSQL schema. A full scan of
a per-user table (or of a whole index of one) is reported with the statement; the exit status
is 1 when there is any.
  scale_explain.py --statements FILE [--sqlite PATH] [--pg URL SCHEMA]"""
import argparse
import re
import sqlite3
import subprocess
import sys

TABLE = re.compile(r"\b(T_P\w+|SYSTBL\w+)\b(?:\s+(?:As\s+)?(?!(?:Inner|Left|Right|Join|On|Where|"
                   r"Order|Group|Set|Values|And|Or)\b)([A-Za-z_]\w*))?", re.I)


def per_user_names(sql):
    """The names (aliases and table names) under which the statement reads a per-user table."""
    names = {}
    for table, alias in TABLE.findall(sql):
        names[table.upper()] = table.upper()
        if alias:
            names[alias.upper()] = table.upper()
    return {name: table for name, table in names.items() if table.startswith("T_P")}


def sqlite_scans(db, sql):
    names = per_user_names(sql)
    scans = []
    for row in db.execute("EXPLAIN QUERY PLAN " + sql):
        match = re.match(r"SCAN (\S+)", row[3])
        if match and match.group(1).upper() in names:
            scans.append(f"{names[match.group(1).upper()]}: {row[3]}")
    return scans


def pg_scans(url, schema, sql):
    plan = subprocess.run(["psql", url, "-X", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-c",
                           f"SET search_path TO {schema}", "-c", "EXPLAIN " + sql],
                          check=True, capture_output=True, text=True).stdout
    return [line.strip().lstrip("-> ") for line in plan.splitlines()
            if re.search(r"Seq Scan on t_p\w+", line)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--statements", required=True)
    parser.add_argument("--sqlite")
    parser.add_argument("--pg", nargs=2, metavar=("URL", "SCHEMA"))
    args = parser.parse_args()
    statements = []
    for line in open(args.statements, encoding="utf-8"):
        sql = line.strip()
        if sql and sql not in statements and sql.split()[0].upper() in ("SELECT", "UPDATE", "DELETE"):
            statements.append(sql)
    engines = []
    if args.sqlite:
        db = sqlite3.connect(f"file:{args.sqlite}?mode=ro", uri=True)
        engines.append((f"SQLite {sqlite3.sqlite_version}", lambda sql: sqlite_scans(db, sql)))
    if args.pg:
        engines.append(("PostgreSQL", lambda sql: pg_scans(args.pg[0], args.pg[1], sql)))
    failures = 0
    for engine, scans_of in engines:
        bad = [(sql, scans) for sql in statements if (scans := scans_of(sql))]
        failures += len(bad)
        print(f"index check, {engine}: {len(statements) - len(bad)} of {len(statements)} "
              "statements reach the per-user tables through an index")
        for sql, scans in bad:
            print(f"  FULL SCAN ({'; '.join(scans)}) in: {sql}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

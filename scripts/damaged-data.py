#!/usr/bin/env python3
"""The damaged-data run: every data file of the demo program directory damaged in turn.

Copies the program directory (build/dev/bin after a build), damages one data file at a time
(missing, empty, truncated, bit-flipped, and NaN, infinite and huge numbers in its number
fields), quotes a set of lanes of different kinds with `tarvex-cli quote ... --json` and
compares each quote with the one the undamaged directory gives. A quote that changed while
the program said nothing (exit status 0, no message) is a silent change; an amount that
shows "inf" or "nan" or is a million dollars or more is absurd.

    scripts/damaged-data.py [--bin build/dev/bin] [--quick] [--jobs 2] [--report FILE]

Exit status 0 when no quote changed silently outside the cases where an empty value is the
documented behaviour (a missing special-points list means no fee, and so on), 1 otherwise.
"""

import argparse
import concurrent.futures
import json
import math
import os
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

# Lanes of different kinds: (name, tarvex-cli quote arguments).
LANES = [
    ("US-US", ["--origin", "64120", "--destination", "30303", "--line", "100:1200"]),
    ("US-US truckload", ["--origin", "64120", "--destination", "30303", "--line", "100:20000"]),
    ("US-US FAK lines", ["--origin", "64120", "--destination", "30303", "--line", "100:1200",
                         "--line", "50:100", "--line", "250:300"]),
    ("US-Canada", ["--origin", "64120", "--destination", "M5V2T6", "--line", "70:800"]),
    ("Canada-US customs", ["--origin", "M5V2T6", "--destination", "60601", "--line", "85:1500",
                           "--accessorial", "Customs Clearance Service"]),
    ("Canada-Canada", ["--origin", "M5V2T6", "--destination", "V6B1A1", "--line", "100:900"]),
    ("US-Mexico", ["--origin", "78040", "--destination", "64000M", "--line", "100:1000"]),
    ("Mexico-US", ["--origin", "64000M", "--destination", "78040", "--line", "100:1000"]),
    ("rural", ["--origin", "64120", "--destination", "04745", "--line", "100:1000"]),
    ("NYC liftgate", ["--origin", "64120", "--destination", "10001", "--line", "100:600",
                      "--accessorial", "Liftgate Delivery"]),
    ("California", ["--origin", "64120", "--destination", "90001", "--line", "100:600"]),
    ("high-cost", ["--origin", "64120", "--destination", "99501", "--line", "100:1000"]),
    ("high-cost by weight", ["--origin", "64120", "--destination", "57501", "--line", "100:2500"]),
    ("intrastate Texas", ["--origin", "75201", "--destination", "77001", "--line", "100:1000",
                          "--yes-intrastate"]),
    ("floor, pointer tariff", ["--origin", "64120", "--destination", "66101", "--line", "50:100"]),
    ("inbound customer set", ["--origin", "30303", "--destination", "64120", "--line",
                              "100:1200", "--inbound"]),
    ("customer set, value charges", ["--origin", "64108", "--destination", "30303", "--line",
                                     "60:1200", "--accessorial", "Excess Liability Coverage=10000",
                                     "--accessorial", "Inside Delivery"]),
]
QUICK_LANES = ["US-US", "US-Canada", "US-Mexico", "NYC liftgate", "California", "high-cost",
               "intrastate Texas", "floor, pointer tariff"]

# Number fields of the fixed-record files: record length and (offset, kind) of each field.
RECORD_FIELDS = {
    "variable.dat": (966, [(590, "d"), (600, "d"), (610, "d"), (620, "d"), (634, "d"),
                           (642, "d"), (650, "d"), (658, "d"), (950, "d"), (958, "d"),
                           (584, "i"), (944, "i")]),
    "accchg.dat": (116, [(50, "h"), (52, "d"), (60, "d"), (68, "d")]),
    "CA_Pnts.dat": (16, [(0, "i"), (4, "i"), (8, "d")]),
    "NYCPts.dat": (8, [(0, "i"), (4, "i")]),
    "ServZipsA.dat": (23, [(13, "i"), (19, "h"), (21, "h")]),
    "ServMatx.dat": (2, [(0, "h")]),
    "UniqFlor.dat": (2, [(0, "h")]),
    "fak.dat": (2, [(0, "h")]),
}
DOUBLE_VALUES = {"nan": math.nan, "inf": math.inf, "-inf": -math.inf, "huge": 1e300,
                 "-huge": -1e300}
INT_VALUES = {"max": None, "min": None, "-1": -1}
TEXT_VALUES = {"nan": "nan", "inf": "inf", "huge": "1e308", "-huge": "-1e308",
               "many digits": "9" * 400, "big": "99999999"}

# Files no quote reads: pictures, the city list and the rules address. Executables and the
# engine library are not data.
NOT_READ_BY_A_QUOTE = {"intro.jpg", "Headline.BMP", "Map.BMP", "tarvex.ico", "cityzip.dat",
                       "stname.dat", "webhost.dat"}
MESSAGE_FILES = {"disclaimer.dat", "sufferance.dat", "CustomerServiceMsg.dat",
                 "InternationalCustomerServiceMsg.dat"}
# Fields that show message-file text rather than a result of the quote.
TEXT_FIELDS = {"lblDisclaimer", "lblSufferanceFeeMessage"}

NUMBER = re.compile(rb"(?<![A-Za-z0-9.])[-+]?[0-9]+(?:\.[0-9]*)?(?![A-Za-z0-9])")


def leading_number(data):
    """Whether a text begins with a number, as the program's lenient conversion reads one."""
    return bool(re.match(rb"[ \t]*[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)", data or b""))


def prescribed_empty(name, damage, data):
    """Damage whose documented reading is an empty value, so that a changed quote without a
    message is the program's documented behaviour."""
    gone = damage in ("missing", "empty")
    if name in ("RuralPts.dat", "HighCost.dat", "CA_Pnts.dat", "NYCPts.dat") and gone:
        return "a missing or empty special-points list finds nothing"
    if name == "bordercrossingfee.dat" and (gone or not leading_number(data)):
        return "a missing border-crossing fee, or one that is not a number, is 0"
    if name == "taripntr.dat" and gone:
        return "a missing (or empty) pointer file only skips the override"
    if re.fullmatch(r"d[0-9]+\.ini", name) and (gone or damage == "truncated"):
        return "a missing set file, or a key missing from it, gives an empty discount field"
    if name in MESSAGE_FILES and gone:
        return "a missing message file gives an empty text"
    return ""


def damages_for(name, content, quick):
    """(label, bytes or None for a missing file) for each damage of one file."""
    out = [("missing", None), ("empty", b"")]
    if quick:
        pass
    elif content:
        out.append(("truncated", content[: len(content) // 2]))
        rng = random.Random(name)
        for i in range(3):
            pos = rng.randrange(len(content))
            bit = 1 << rng.randrange(8)
            flipped = bytearray(content)
            flipped[pos] ^= bit
            out.append((f"bit {bit:#04x} flipped at byte {pos}", bytes(flipped)))
    if name in RECORD_FIELDS:
        length, fields = RECORD_FIELDS[name]
        kinds = {k for _, k in fields}
        variants = []
        if "d" in kinds:
            variants += [(label, "d", v) for label, v in DOUBLE_VALUES.items()]
        if kinds & {"h", "i"}:
            variants += [(label, "int", v) for label, v in INT_VALUES.items()]
        if quick:
            variants = [v for v in variants if v[0] in ("nan", "max")]
        for label, kind, value in variants:
            data = bytearray(content)
            for start in range(0, len(data) - length + 1, length):
                for offset, field in fields:
                    at = start + offset
                    if field == "d" and kind == "d":
                        data[at:at + 8] = struct.pack("<d", value)
                    elif field in "hi" and kind == "int":
                        fmt = "<h" if field == "h" else "<i"
                        bits = 16 if field == "h" else 32
                        v = value if value is not None else (
                            2 ** (bits - 1) - 1 if label == "max" else -(2 ** (bits - 1)))
                        data[at:at + (2 if field == "h" else 4)] = struct.pack(fmt, v)
            out.append((f"{'double' if kind == 'd' else 'integer'} fields {label}", bytes(data)))
    elif content and NUMBER.search(content):
        for label, text in TEXT_VALUES.items():
            if quick and label != "nan":
                continue
            out.append((f"text {label}", NUMBER.sub(text.encode(), content)))
    return out


def run_quote(cli, program_dir, args):
    try:
        p = subprocess.run([cli, "--data", program_dir, "quote", *args, "--json"],
                           capture_output=True, timeout=60)
    except subprocess.TimeoutExpired:
        return {"status": "timeout", "fields": {}, "messages": []}
    result = {"status": p.returncode, "fields": {}, "messages": [],
              "stderr": p.stderr.decode("utf-8", "replace").strip()}
    try:
        j = json.loads(p.stdout.decode("utf-8", "replace") or "{}")
        result["fields"] = j.get("fields", {})
        result["messages"] = j.get("messages", [])
        result["notices"] = j.get("notices", [])
    except json.JSONDecodeError:
        pass
    return result


def said_something(r):
    # A refusal, or a notice the quote went on past (on standard error too).
    return r["status"] != 0 or bool(r["messages"]) or bool(r.get("notices")) or bool(r["stderr"])


def absurd(fields):
    for name, text in fields.items():
        if name in TEXT_FIELDS:
            continue
        low = text.lower()
        if "inf" in low.split() or "nan" in low.split() or re.search(r"\b(inf|nan)\b", low):
            return f"{name} = {text}"
        if re.fullmatch(r"-?[0-9]+\.[0-9]{2}", text.strip()) and abs(float(text)) >= 1e6:
            return f"{name} = {text}"
    return ""


def changed_fields(before, after):
    names = [n for n in dict.fromkeys(list(before) + list(after)) if n not in TEXT_FIELDS]
    return [(n, before.get(n), after.get(n)) for n in names if before.get(n) != after.get(n)]


def worker(job):
    """Quotes every lane on one damaged copy; the copy is this worker's own directory."""
    program_dir, cli, name, label, data, lanes, baseline = job
    path = os.path.join(program_dir, name)
    original = open(path, "rb").read()
    results = []
    try:
        if data is None:
            os.remove(path)
        else:
            with open(path, "wb") as f:
                f.write(data)
        for lane, args in lanes:
            r = run_quote(cli, program_dir, args)
            base = baseline[lane]
            entry = {"file": name, "damage": label, "lane": lane, "status": r["status"]}
            if isinstance(r["status"], int) and r["status"] < 0 or r["status"] == "timeout":
                entry["outcome"] = "crash"
                entry["detail"] = r.get("stderr", "")[-300:]
            elif said_something(base) and r["messages"] == base["messages"]:
                entry["outcome"] = "unchanged"
            elif said_something(r):
                entry["outcome"] = "message"
                said = r["messages"] or [r.get("stderr", "")]
                entry["detail"] = said[0][:200]
                entry["names file"] = any(name.lower() in m.lower() for m in said)
            else:
                diff = changed_fields(base["fields"], r["fields"]) if not said_something(base) \
                    else [("(the undamaged quote was refused)", "", "")]
                if not diff:
                    entry["outcome"] = "unchanged"
                else:
                    entry["outcome"] = "silent change"
                    entry["detail"] = "; ".join(f"{n}: {a!r} -> {b!r}" for n, a, b in diff[:4])
                    entry["absurd"] = absurd(r["fields"])
                    entry["prescribed"] = prescribed_empty(name, label, data)
            results.append(entry)
    finally:
        with open(path, "wb") as f:
            f.write(original)
    return results


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "dev", "bin"))
    parser.add_argument("--quick", action="store_true", help="fewer lanes and damages")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--report", help="write every case as JSON to this file")
    parser.add_argument("--files", nargs="*", help="damage only these files")
    args = parser.parse_args()

    source = os.path.abspath(args.bin)
    cli_source = os.path.join(source, "tarvex-cli")
    if not os.access(cli_source, os.X_OK):
        sys.exit(f"{cli_source} not found: build the dev preset first")
    lanes = [l for l in LANES if not args.quick or l[0] in QUICK_LANES]
    executables = {"tarvex", "tarvex-cli", "tarvex-datakit"}
    data_files = sorted(n for n in os.listdir(source)
                        if os.path.isfile(os.path.join(source, n)) and n not in executables
                        and not n.startswith(".") and not n.endswith(".lck")
                        and not n.endswith(".so") and not n.endswith("_bench")
                        and n not in NOT_READ_BY_A_QUOTE)
    if args.files:
        data_files = [n for n in data_files if n in args.files]

    work = tempfile.mkdtemp(prefix="tarvex-damaged-")
    started = time.time()
    try:
        dirs = []
        for i in range(max(1, args.jobs)):
            d = os.path.join(work, f"program{i}")
            shutil.copytree(source, d, ignore=shutil.ignore_patterns("tarvex", "tarvex-datakit",
                                                                     "*_bench"))
            dirs.append(d)
        cli = os.path.join(dirs[0], "tarvex-cli")
        baseline = {lane: run_quote(cli, dirs[0], a) for lane, a in lanes}
        for lane, r in baseline.items():
            if said_something(r):
                print(f"note: the undamaged lane {lane!r} is refused: "
                      f"{(r['messages'] or [r.get('stderr', '')])[0][:120]}")

        jobs = []
        for name in data_files:
            content = open(os.path.join(source, name), "rb").read()
            for label, data in damages_for(name, content, args.quick):
                jobs.append((name, label, data))
        print(f"{len(data_files)} files, {len(jobs)} damaged directories, {len(lanes)} lanes: "
              f"{len(jobs) * len(lanes)} quotes")

        results = []
        free = list(dirs)
        with concurrent.futures.ThreadPoolExecutor(max_workers=len(dirs)) as pool:
            pending = {}
            queue = list(jobs)
            while queue or pending:
                while queue and free:
                    d = free.pop()
                    name, label, data = queue.pop(0)
                    job = (d, os.path.join(d, "tarvex-cli"), name, label, data, lanes, baseline)
                    pending[pool.submit(worker, job)] = d
                done, _ = concurrent.futures.wait(pending, return_when="FIRST_COMPLETED")
                for f in done:
                    free.append(pending.pop(f))
                    results.extend(f.result())
    finally:
        shutil.rmtree(work, ignore_errors=True)

    count = lambda pred: sum(1 for r in results if pred(r))
    silent = [r for r in results if r["outcome"] == "silent change"]
    unexplained = [r for r in silent if not r["prescribed"]]
    messages = [r for r in results if r["outcome"] == "message"]
    print(f"\n{len(results)} quotes in {time.time() - started:.0f} s")
    print(f"  unchanged:               {count(lambda r: r['outcome'] == 'unchanged')}")
    print(f"  with a message:          {len(messages)}"
          f" ({sum(1 for r in messages if r['names file'])} naming the damaged file)")
    print(f"  crashed or hung:         {count(lambda r: r['outcome'] == 'crash')}")
    print(f"  changed silently:        {len(silent)}")
    print(f"    documented empty value: {sum(1 for r in silent if r['prescribed'])}")
    print(f"    absurd amounts:         {sum(1 for r in silent if r['absurd'])}")
    print(f"    other:                  {len(unexplained)}")
    for r in results:
        if r["outcome"] == "crash":
            print(f"CRASH {r['file']} [{r['damage']}] {r['lane']}: {r.get('detail', '')}")
    by_file = {}
    for r in unexplained:
        by_file.setdefault((r["file"], r["damage"]), []).append(r)
    for (name, label), rs in sorted(by_file.items()):
        lanes_hit = ", ".join(r["lane"] for r in rs)
        flag = " ABSURD" if any(r["absurd"] for r in rs) else ""
        print(f"SILENT{flag} {name} [{label}] on {len(rs)} lane(s) ({lanes_hit}): {rs[0]['detail']}")
    if args.report:
        with open(args.report, "w") as f:
            json.dump(results, f, indent=1)
    crashed = count(lambda r: r["outcome"] == "crash")
    return 1 if unexplained or crashed else 0


if __name__ == "__main__":
    sys.exit(main())

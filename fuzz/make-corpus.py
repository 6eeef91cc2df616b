#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target from a demo program directory.

    fuzz/make-corpus.py [build/dev/bin]

Seeds are small pieces of the demo data; a reader of several files gets them joined with the
marker line the targets split their input at (fuzz_support.h).
"""
import os
import shutil
import struct
import sys

NEXT = b"\n--next file--\n"
here = os.path.dirname(os.path.abspath(__file__))
source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build", "dev", "bin")


def read(name):
    return open(os.path.join(source, name), "rb").read()


def records(name, length, count):
    return read(name)[: length * count]


def lines(name, count):
    return b"".join(read(name).splitlines(keepends=True)[:count])


terminals = 6
matrix = read("ServMatx.dat")
n = len(read("ServTerm.dat")) // 433
small_matrix = b"".join(matrix[((o * n) + d) * 2:((o * n) + d) * 2 + 2]
                        for o in range(terminals) for d in range(terminals))
settings = read("variable.dat")

seeds = {
    "settings_record": {"demo": settings, "older": settings[:958]},
    "ini_file": {n: read(n) for n in ("d00000.ini", "d30303.ini", "d0000.ini")},
    "state_names": {"demo": read("stname.dat") + NEXT + read("d30303.ini"),
                    "list": read("stname.dat")},
    "floors": {"demo": NEXT.join(read(n) for n in ("UniqCan.dat", "UniqUS.dat", "Floor.dat",
                                                    "UniqFlor.dat"))},
    "fak": {"demo": read("fak.dat")},
    "accessorials": {"demo": read("accchg.dat") + NEXT + read("NYCPts.dat")},
    "postal_codes": {"demo": read("state.dat") + NEXT + read("zipval.dat")},
    "service_guide": {"demo": records("ServTerm.dat", 433, terminals) + NEXT +
                      records("ServZipsA.dat", 23, 40) + NEXT + small_matrix},
    "special_points": {"demo": NEXT.join(read(n) for n in ("RuralPts.dat", "HighCost.dat",
                                                           "CA_Pnts.dat", "NYCPts.dat"))},
    "city_list": {"demo": records("cityzip.dat", 36, 60)},
    "tariff_list": {"demo": read("tariffs.dat") + NEXT + read("taripntr.dat")},
    "zipcodes": {"demo": read("zipcodes.fil")},
    "border_fee": {"demo": read("bordercrossingfee.dat"), "text": b"n/a"},
    "vorn_tariff": {"demo": read("KRKS2026.vtf")},
    "vorn_points": {"demo": lines("vornpts.vtf", 80)},
    "density_table": {"imperial": read("dencls.dat"), "metric": read("denclsM.dat")},
    "base_points": {"demo": read("KRUS2026.b"), "canada": read("KRCN2026.b")},
}

for target, files in seeds.items():
    folder = os.path.join(here, "corpus", target)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print(f"{target}: {sum(len(d) for d in files.values())} bytes in {len(files)} seeds")

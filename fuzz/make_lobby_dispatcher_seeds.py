#!/usr/bin/env python3
"""Writes fuzz/corpus/lobby_dispatcher: one seed per lobby decoder, named after its command.

Each seed is an input of fuzz/lobby_dispatcher.cpp: no game decoder, the first screens, then one frame
of the command id and a zero payload (every count zero, every text empty), which each decoder reads
through to its end. Run it again when a decoder is added; a test checks that every one has its seed.
"""
import os
import re

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
header = open(os.path.join(top, "src/lobby/decoders/LobbyDecoders.h")).read()
routing = open(os.path.join(top, "src/lobby/decoders/LobbyRouting.cpp")).read()
ids = {name: int(value) for name, value in re.findall(r"int8_t (SC_\w+) = (-?\d+);", header)}
routed = re.findall(r"case C::(SC_\w+):", routing)

out = os.path.join(top, "fuzz/corpus/lobby_dispatcher")
os.makedirs(out, exist_ok=True)
for name in routed:
    body = bytes([ids[name] & 0xFF]) + bytes(48)
    with open(os.path.join(out, name.lower()), "wb") as f:
        f.write(bytes([0, 0, len(body) >> 8, len(body) & 0xFF]) + body)
print(f"{len(routed)} seeds in {out}")
